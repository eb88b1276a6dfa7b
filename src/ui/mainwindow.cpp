#include "ui/mainwindow.h"
MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) { setWindowTitle("Brindlemark 1.4"); }
void MainWindow::start() { show(); }
