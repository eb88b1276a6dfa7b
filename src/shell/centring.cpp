#include "shell/centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

QPoint centredPosition(const QSize& frame, const QRect& screen) {
  return QPoint(screen.x() + (screen.width() - frame.width()) / 2,
                screen.y() + (screen.height() - frame.height()) / 2);
}

void centreOnScreen(QWidget* w) {
  if (w == nullptr) return;
  const QScreen* screen = w->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // Before the window manager has framed the window, frameGeometry() is the client area.
  const QRect frame = w->frameGeometry();
  const QPoint target = centredPosition(frame.size(), screen->geometry());
  if (frame.topLeft() != target) w->move(target);  // move() places the outer frame
}

namespace {

class Centring : public QObject {
 public:
  enum class When { EveryActivation, FirstShow };
  Centring(QWidget* w, When when) : QObject(w), window_(w), when_(when) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        // Place the window before it is mapped, so it never appears elsewhere first.
        if (when_ == When::EveryActivation || !shown_) centreAndSettle();
        shown_ = true;
        break;
      case QEvent::WindowActivate:
        if (when_ == When::EveryActivation || !activated_) centreAndSettle();
        activated_ = true;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // Centres now, and once more when the window manager has had time to frame the window
  // (until then the frame is the bare client area and the title bar is not counted).
  void centreAndSettle() {
    centreOnScreen(window_);
    QTimer::singleShot(150, window_, [w = QPointer<QWidget>(window_)] {
      if (w && w->isVisible()) centreOnScreen(w);
    });
  }

  QWidget* window_;
  When when_;
  bool shown_ = false;
  bool activated_ = false;
};

}  // namespace

void centreOnEveryActivation(QWidget* w) {
  if (w != nullptr) w->installEventFilter(new Centring(w, Centring::When::EveryActivation));
}

void centreOnFirstShow(QWidget* w) {
  if (w != nullptr) w->installEventFilter(new Centring(w, Centring::When::FirstShow));
}
