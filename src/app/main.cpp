#include <malloc.h>

#include <QApplication>

#include "ui/firstpaint.h"
#include "ui/fonts.h"
#include "ui/fontwarmup.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  // One malloc heap for every thread. The program's threads (the fonts read ahead, the
  // sound server's, the journal's flush, the accessibility bus) allocate little, and a
  // heap each kept about 200 KB more resident for no gain in speed.
  mallopt(M_ARENA_MAX, 1);
  // The fonts are read on the other core while the application starts and the window is
  // built; the window measures no text before it is shown.
  FontWarmUp fonts;
  QApplication app(argc, argv);
  installFontSubstitutes();
  fonts.fillFontDatabase();
  MainWindow window;
  // What the window's first picture does not need comes once it is on the screen.
  afterFirstPaint(window.centralWidget(), [&window] { window.finishStart(); });
  fonts.wait();
  window.showAtStart();
  return app.exec();
}
