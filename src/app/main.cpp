#include <QApplication>

#include "ui/firstpaint.h"
#include "ui/fonts.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  installFontSubstitutes();
  MainWindow window;
  // What the window's first picture does not need comes once it is on the screen.
  afterFirstPaint(window.centralWidget(), [&window] { window.finishStart(); });
  window.showAtStart();
  return app.exec();
}
