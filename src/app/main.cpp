#include <QApplication>

#include "ui/fonts.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  installFontSubstitutes();
  MainWindow window;
  window.start();
  return app.exec();
}
