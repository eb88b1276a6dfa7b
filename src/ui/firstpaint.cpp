#include "ui/firstpaint.h"

#include <QEvent>
#include <utility>

namespace {

class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QWidget* widget, std::function<void()> then)
      : QObject(widget), widget_(widget), then_(std::move(then)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint && then_) {
      widget_->removeEventFilter(this);
      // Queued, so that the paint and the flush to the screen finish first.
      QMetaObject::invokeMethod(widget_, std::exchange(then_, nullptr), Qt::QueuedConnection);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* widget_;
  std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> then) {
  new FirstPaintWatcher(widget, std::move(then));
}
