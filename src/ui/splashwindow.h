#pragma once
// The splash window of the start: a picture with no caption that stays for two ticks of
// its timer (about 8 s), ignores clicks and keys, and then closes by itself.

#include <QDialog>

class QTimer;

class SplashWindow : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 4000;
  // tickMs is the interval of Timer1; tests pass a short one.
  explicit SplashWindow(QWidget* parent = nullptr, int tickMs = kTickMs);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void tick();

  QTimer* tickTimer_ = nullptr;
  bool firstTick_ = false;  // set by the first tick; the second one closes the window
  bool closing_ = false;
};
