#include "shell/chord.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <utility>

QShortcut* installPictureChord(QWidget* window, std::function<void()> open) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), window);
  shortcut->setObjectName("chordpicture");
  shortcut->setContext(Qt::WindowShortcut);
  // A held chord must not reopen the window over and over.
  shortcut->setAutoRepeat(false);
  QObject::connect(shortcut, &QShortcut::activated, window, [open = std::move(open)] {
    if (open) open();
  });
  return shortcut;
}
