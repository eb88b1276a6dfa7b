#include "ui/boardwidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

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

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (size() != picture_.size()) {
    p.drawImage(rect(), picture_);
    return;
  }
  // The picture is kept at one byte a pixel. Handed whole to the painter, it would be
  // turned into a full-size 32-bit copy at every paint; instead the part to be painted is
  // turned into screen pixels a band of lines at a time, in a small image of its own.
  constexpr int kBandLines = 16;
  const QRect area = event->rect() & rect();
  for (int top = area.top(); top <= area.bottom(); top += kBandLines) {
    const QRect band(area.left(), top, area.width(), std::min(kBandLines, area.bottom() + 1 - top));
    p.drawImage(band.topLeft(), picture_.copy(band).convertToFormat(QImage::Format_RGB32));
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) { emit moved(toTwips(event->position())); }

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // A dart counts where the press lands, at once. The second press of a double click
  // arrives here too, so two quick clicks are two darts.
  if (event->button() != Qt::LeftButton) return;
  emit clicked(toTwips(event->position()));
}
