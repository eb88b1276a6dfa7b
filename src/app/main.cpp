#include <QApplication>

#include "ui/firstpaint.h"
#include "ui/fonts.h"
#include "ui/fontwarmup.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  // The font configuration is read on the other core while the application starts and the
  // window is built; the window measures no text before it is shown.
  FontConfigurationWarmUp fontConfiguration;
  QApplication app(argc, argv);
  installFontSubstitutes();
  MainWindow window;
  // What the window's first picture does not need comes once it is on the screen.
  afterFirstPaint(window.centralWidget(), [&window] { window.finishStart(); });
  fontConfiguration.wait();
  window.showAtStart();
  return app.exec();
}
