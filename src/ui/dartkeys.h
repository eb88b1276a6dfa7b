#pragma once
// Darts typed from the keyboard in a game played on the board picture: the code being
// typed shows in the corner of the board while it is typed, Backspace takes back a
// character, Escape clears it, and Enter (either one) enters the dart it names. A code
// that names no bed enters nothing and says so for a moment.

#include <QObject>
#include <QString>
#include <functional>

#include "input/board.h"

class QKeyEvent;
class QLabel;
class QTimer;
class QWidget;

class DartKeys : public QObject {
  Q_OBJECT
 public:
  // onDart enters a dart in a bed; onNoBed hears the message for a code that names none.
  DartKeys(QWidget* area, std::function<void(board::Bed)> onDart,
           std::function<void(const QString&)> onNoBed);
  // A key typed into the window while a game on the board is in play; true when it was
  // one of the typed darts' keys, which then goes no further.
  bool keyPressed(const QKeyEvent& key);
  // Whether it takes that key.
  bool takes(const QKeyEvent& key) const;
  // The game no longer takes typed darts: what was typed is dropped.
  void clear();
  QString code() const { return code_; }
  // What the corner shows: the code, or the message about one that named no bed.
  QLabel* label() const { return label_; }

 private:
  void show(const QString& text);
  void enter();

  std::function<void(board::Bed)> onDart_;
  std::function<void(const QString&)> onNoBed_;
  QString code_;
  QLabel* label_ = nullptr;
  QTimer* messageTimer_ = nullptr;
};
