#pragma once
// Windows of a fixed size: the title bar offers no maximise button, dialogs only "close".

#include <QWidget>

inline void makeFixedDialog(QWidget* w) {
  w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

inline void makeFixedMainWindow(QWidget* w) {
  w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}
