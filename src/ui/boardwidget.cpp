#include "ui/boardwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "input/board.h"
#include "ui/pictures.h"

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent), picture_(pictures::boardImage()) {
  setObjectName("picboard");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

QPointF BoardWidget::toTwips(QPointF pixels) {
  // The middle of the pixel, so that the picture and the rules agree on every pixel.
  constexpr double kPerPixel = board::kTwipsPerPixel;
  return {pixels.x() * kPerPixel + kPerPixel / 2, pixels.y() * kPerPixel + kPerPixel / 2};
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(rect(), picture_);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) { emit moved(toTwips(event->position())); }

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // A dart counts where the press lands, at once. The second press of a double click
  // arrives here too, so two quick clicks are two darts.
  if (event->button() != Qt::LeftButton) return;
  emit clicked(toTwips(event->position()));
}
