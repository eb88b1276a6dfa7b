#include "shell/centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

// The program's focus window, and the one before it; either is null while the program had
// no focus (the user was in another program, or nothing was shown yet). The pointers are
// only compared, never followed: a window closed by deleting it is still a window of the
// program that the focus came from.
class FocusHistory : public QObject {
 public:
  static FocusHistory& instance() {
    static QPointer<FocusHistory> history;
    if (history.isNull()) history = new FocusHistory(qGuiApp);
    return *history;
  }

  // Whether the focus came to `w` straight from another window of the program. Right both
  // before and after the toolkit has announced the new focus window.
  bool cameFromTheProgram(const QWindow* w) const {
    return (current_ == w ? previous_ : current_) != nullptr;
  }

 private:
  explicit FocusHistory(QObject* parent) : QObject(parent) {
    current_ = QGuiApplication::focusWindow();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
      previous_ = current_;
      current_ = w;
    });
  }

  const QWindow* current_ = nullptr;
  const QWindow* previous_ = nullptr;
};

class Centring : public QObject {
 public:
  enum class When { EveryActivation, FirstShow };
  Centring(QWidget* w, When when) : QObject(w), window_(w), when_(when) {
    FocusHistory::instance();  // from now on, so that the first activation has a past
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        // Place the window before it is mapped, so it never appears elsewhere first.
        if (when_ == When::EveryActivation || !shown_) centreAndSettle();
        shown_ = true;
        break;
      case QEvent::WindowActivate:
        // Only the program activates a dialog: its first appearance, and the focus coming
        // back from another window of the program. Coming back from another program
        // (Alt+Tab, a click) leaves a dialog that the user moved where they put it.
        if (!activated_ || (when_ == When::EveryActivation &&
                            FocusHistory::instance().cameFromTheProgram(window_->windowHandle())))
          centreAndSettle();
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
