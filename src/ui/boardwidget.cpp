#include "ui/boardwidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "input/board.h"
#include "ui/pictures.h"

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), picture_(pictures::boardImage()), shown_(picture_) {
  setObjectName("picboard");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

QPointF BoardWidget::toTwips(QPointF pixels, qreal ratio) {
  // The middle of the device pixel, so that the picture and the rules agree on every
  // pixel. A point on a device pixel's edge, as the screen reports it, may come a rounding
  // error short of that edge once in pixels of the window.
  constexpr double kPerPixel = board::kTwipsPerPixel;
  auto twips = [ratio](double at) {
    return (std::floor(at * ratio + 1e-6) + 0.5) / ratio * kPerPixel;
  };
  return {twips(pixels.x()), twips(pixels.y())};
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  paintPicture(p, event->rect() & rect());
  paintLandings(p);
}

void BoardWidget::paintPicture(QPainter& p, const QRect& area) {
  const qreal ratio = devicePixelRatioF();
  if (ratio != shownRatio_) {
    shown_ = ratio == 1.0 ? picture_ : pictures::boardImageAt(ratio);
    shownRatio_ = ratio;
  }
  if (size() != QSize(board::kPicturePixels, board::kPicturePixels)) {
    p.drawImage(rect(), shown_);
    return;
  }
  if (shown_.format() != QImage::Format_Indexed8) {
    // Scaled for this ratio, in screen pixels already.
    p.setClipRect(area);
    p.drawImage(QPoint(0, 0), shown_);
    return;
  }
  // The picture is kept at one byte a pixel. Handed whole to the painter, it would be
  // turned into a full-size 32-bit copy at every paint; instead the part to be painted is
  // turned into screen pixels a band of lines at a time, in a small image of its own.
  const int scale = shown_.width() / board::kPicturePixels;
  constexpr int kBandLines = 16;
  for (int top = area.top(); top <= area.bottom(); top += kBandLines) {
    const QRect band(area.left(), top, area.width(), std::min(kBandLines, area.bottom() + 1 - top));
    QImage part = shown_.copy(QRect(band.topLeft() * scale, band.size() * scale))
                      .convertToFormat(QImage::Format_RGB32);
    part.setDevicePixelRatio(scale);
    p.drawImage(band.topLeft(), part);
  }
}

void BoardWidget::showLandings(const std::vector<QPointF>& twips) {
  if (twips == landings_) return;
  landings_ = twips;
  update();
}

// A small yellow ring with a dark edge at each landing point, seen on every bed colour.
void BoardWidget::paintLandings(QPainter& p) {
  if (landings_.empty()) return;
  p.setRenderHint(QPainter::Antialiasing);
  const double perPixel = static_cast<double>(width()) / board::kPictureTwips;
  for (const QPointF& at : landings_) {
    const QPointF centre = at * perPixel;
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 5, 5);
    p.setPen(QPen(QColor(255, 221, 0), 1.5));
    p.drawEllipse(centre, 5, 5);
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  emit moved(toTwips(event->position(), devicePixelRatioF()));
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // A dart counts where the press lands, at once. The second press of a double click
  // arrives here too, so two quick clicks are two darts.
  if (event->button() != Qt::LeftButton) return;
  emit clicked(toTwips(event->position(), devicePixelRatioF()));
}
