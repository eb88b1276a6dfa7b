// The reference for start-up time and memory: a bare QMainWindow of the main window's
// size, built with the same flags, ending at its first paint.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>

namespace {

class BareWindow : public QMainWindow {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QMainWindow::paintEvent(event);
    painted = true;
  }

 public:
  bool painted = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BareWindow window;
  // The main window's client area, 11895 x 7620 twips at 15 twips a pixel, under a menu bar.
  auto* area = new QWidget(&window);
  area->setFixedSize(11895 / 15, 7620 / 15);
  window.setCentralWidget(area);
  window.menuBar()->addMenu("&File");
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  while (!window.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return 0;
}
