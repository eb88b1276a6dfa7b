#pragma once
// Reading the system's font configuration (fontconfig parses its configuration files and
// loads its font caches) is the largest single piece of work before the window can measure
// its first text. A FontConfigurationWarmUp made at the very start of the program reads it
// on a thread of its own while this thread starts the application and builds the window;
// wait() before the first text is measured. Fontconfig keeps one configuration for the
// process and reads it once, so the first text then finds it read. Where fontconfig is not
// loaded with the program, nothing is done.

#include <thread>

class FontConfigurationWarmUp {
 public:
  FontConfigurationWarmUp();
  ~FontConfigurationWarmUp();
  FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
  FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

  // Returns once the configuration has been read (at once after the first call).
  void wait();
  // Whether a thread was started to read it.
  bool started() const { return started_; }

 private:
  std::thread reader_;
  bool started_ = false;
};
