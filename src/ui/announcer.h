#pragma once
// Hands what happens in the game to a screen reader without moving the keyboard focus.
// Each message is an accessible object of role Notification that is shown anew: Orca
// speaks such an object when it becomes showing, wherever the focus is. Nothing is done
// at all while no screen reader (no assistive technology) is listening.

#include <QWidget>

class Announcer : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent);
  // True while an assistive technology listens; only then is a message worth making.
  static bool listening();
  // Hands one message over; an empty one is not.
  void say(const QString& message);
  // The latest message handed over.
  QString message() const { return accessibleName(); }
};
