#pragma once
// Clicks as a user counts them: a left press and a release over the same widget. A double
// click is one click: its second press (which the toolkit follows with a double-click event,
// or replaces by one) starts no new click, so the release that ends it is not one.

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

class ClickCounter {
 public:
  // True when `event`, sent to `widget`, completes a click.
  bool isClick(const QWidget* widget, const QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonDblClick) pressed_ = false;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (type == QEvent::MouseButtonPress) {
      pressed_ = true;
      return false;
    }
    const bool click = pressed_ && widget->rect().contains(mouse->position().toPoint());
    pressed_ = false;
    return click;
  }

 private:
  bool pressed_ = false;
};
