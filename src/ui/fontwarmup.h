#pragma once
// Two pieces of work stand before the window can measure its first text: reading the
// system's font configuration (fontconfig parses its configuration files and loads its
// font caches), and filling Qt's font database from it. A FontWarmUp does both on a thread
// of its own while this thread starts the application and builds the window. Fontconfig
// and Qt's font database keep what they have read for the whole process, so the first
// text finds it read.
//
//   FontWarmUp fonts;               // first thing in main: reads the font configuration
//   QApplication app(argc, argv);
//   fonts.fillFontDatabase();       // the font database, once the application is made
//   MainWindow window;              // measures no text while it is built
//   fonts.wait();
//   window.showAtStart();

#include <future>
#include <thread>

class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  // Once the application is made, the same thread fills Qt's font database as well.
  void fillFontDatabase() { tell(true); }
  // Returns once the work asked for is done.
  void wait();

 private:
  void tell(bool fill);

  std::promise<bool> fill_;
  bool told_ = false;
  std::thread reader_;
};
