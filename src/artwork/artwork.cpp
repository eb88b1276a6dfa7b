#include "artwork/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>

#include "artwork/boardpainter.h"
#include "input/board.h"

namespace artwork {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentrePx = board::kPicturePixels / 2.0;  // 240: the board centre, in pixels

// One chalk stroke along a path: many small grains scattered across its width, some
// faint, with the odd gap, as chalk leaves on a slate.
void chalk(QImage& image, int scale, const QPainterPath& path, double width,
           std::minstd_rand& rng) {
  std::uniform_real_distribution<double> across(-width / 2, width / 2);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  QPainter p(&image);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const double length = path.length();
  for (double s = 0; s <= length; s += 0.35) {
    const double t = path.percentAtLength(s);
    const QPointF at = path.pointAtPercent(t);
    const double a = path.angleAtPercent(t) * kPi / 180.0;
    const QPointF normal(std::sin(a), std::cos(a));  // angles run anticlockwise, y down
    for (int k = 0; k < 3; ++k) {
      const double off = across(rng);
      if (unit(rng) < 0.12) continue;  // where the chalk skipped
      const double edge = std::abs(off) / (width / 2);
      const int alpha =
          static_cast<int>(255 * (1.0 - 0.55 * edge * edge) * (0.55 + 0.45 * unit(rng)));
      p.setBrush(QColor(250, 250, 244, alpha));
      const double dot = 0.55 + 0.5 * unit(rng);
      p.drawEllipse(at + normal * off, dot, dot);
    }
  }
}

// A dart lying along the x axis, point at the origin, flights towards +x; `len` long.
void paintDart(QPainter& p, double len) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double u = len / 100.0;
  // The steel point.
  QLinearGradient steel(0, -1.5 * u, 0, 1.5 * u);
  steel.setColorAt(0, QColor(235, 238, 242));
  steel.setColorAt(1, QColor(110, 114, 122));
  p.setPen(Qt::NoPen);
  p.setBrush(steel);
  QPolygonF point;
  point << QPointF(0, 0) << QPointF(26 * u, -2.2 * u) << QPointF(26 * u, 2.2 * u);
  p.drawPolygon(point);
  // The barrel, knurled.
  QLinearGradient brass(0, -5 * u, 0, 5 * u);
  brass.setColorAt(0, QColor(250, 226, 140));
  brass.setColorAt(0.45, QColor(212, 168, 64));
  brass.setColorAt(1, QColor(120, 86, 24));
  p.setBrush(brass);
  p.drawRoundedRect(QRectF(25 * u, -5 * u, 30 * u, 10 * u), 3 * u, 3 * u);
  if (len >= 40) {
    p.setPen(QPen(QColor(110, 80, 20, 170), std::max(0.6, 0.9 * u)));
    for (double x = 30; x < 53; x += 4)
      p.drawLine(QPointF(x * u, -4.2 * u), QPointF(x * u, 4.2 * u));
    p.setPen(Qt::NoPen);
  }
  // The shaft.
  p.setBrush(QColor(30, 30, 34));
  p.drawRect(QRectF(55 * u, -2.6 * u, 22 * u, 5.2 * u));
  // The flights: two kites, one seen edge-on as a stripe.
  QLinearGradient flight(70 * u, 0, 100 * u, 0);
  flight.setColorAt(0, QColor(200, 24, 32));
  flight.setColorAt(1, QColor(250, 80, 60));
  p.setBrush(flight);
  QPolygonF kite;
  kite << QPointF(68 * u, 0) << QPointF(80 * u, -13 * u) << QPointF(100 * u, -14 * u)
       << QPointF(98 * u, 0);
  p.drawPolygon(kite);
  QPolygonF lower;
  lower << QPointF(68 * u, 0) << QPointF(80 * u, 13 * u) << QPointF(100 * u, 14 * u)
        << QPointF(98 * u, 0);
  p.setBrush(QColor(150, 14, 24));
  p.drawPolygon(lower);
  p.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.5, 1.2 * u)));
  p.drawLine(QPointF(70 * u, 0), QPointF(99 * u, 0));
  p.restore();
}

// "Brindlemark" in gold with a dark outline and a soft shadow, its left edge at x,
// baseline at y.
void paintTitle(QPainter& p, const QPointF& at, int pixelSize, double top, double bottom) {
  QFont font("P052");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(pixelSize);
  QPainterPath text;
  text.addText(at, font, QStringLiteral("Brindlemark"));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(1.5, 1.8);
  p.fillPath(text, QColor(0, 0, 0, 150));
  p.translate(-1.5, -1.8);
  QLinearGradient gold(0, top, 0, bottom);
  gold.setColorAt(0.0, QColor(255, 246, 196));
  gold.setColorAt(0.5, QColor(240, 192, 72));
  gold.setColorAt(1.0, QColor(170, 110, 24));
  p.setPen(QPen(QColor(60, 30, 0), std::max(1.0, pixelSize / 24.0)));
  p.setBrush(gold);
  p.drawPath(text);
  p.restore();
}

// An image of `width` x `height` pixels of the window at `scale` device pixels to one,
// not yet filled.
QImage scaledImage(int width, int height, int scale, QImage::Format format) {
  return QImage(width * scale, height * scale, format);
}

void paintBackdrop(QPainter& p, const QRect& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(18, 70, 40));
  g.setColorAt(1, QColor(4, 24, 12));
  p.fillRect(r, g);
}

}  // namespace

QImage drawMark(int marks, int scale) {
  QImage image = scaledImage(45, 45, scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  std::minstd_rand rng(
      static_cast<std::minstd_rand::result_type>(1000 + marks));  // fixed start value
  const bool circled = marks >= 3;
  const double lo = circled ? 12.5 : 9.5, hi = circled ? 32.5 : 35.5;
  QPainterPath slash(QPointF(lo, hi + 0.5));
  slash.quadTo(QPointF(22.0, 23.8), QPointF(hi, lo - 0.5));
  chalk(image, scale, slash, 4.6, rng);
  if (marks >= 2) {
    QPainterPath back(QPointF(lo + 0.5, lo));
    back.quadTo(QPointF(23.5, 21.5), QPointF(hi + 0.5, hi));
    chalk(image, scale, back, 4.2, rng);
  }
  if (circled) {
    QPainterPath ring;
    ring.moveTo(22.5 + 18.5, 22.0);
    // A hand-drawn circle: a little uneven and closing with a slight overlap.
    for (int d = 0; d <= 372; d += 4) {
      const double a = d * kPi / 180.0;
      const double rad = 18.5 + 0.7 * std::sin(a * 2.0 + 0.6) - (d > 340 ? 0.6 : 0.0);
      ring.lineTo(22.5 + rad * std::cos(a), 22.0 - rad * std::sin(a));
    }
    chalk(image, scale, ring, 3.8, rng);
  }
  return image;
}

QImage drawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const double inset = size >= 64 ? size / 64.0 : 0.0;
  paintSimpleBoard(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset), false);
  return image;
}

QImage drawDart(int scale) {
  QImage image = scaledImage(32, 32, scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(scale, scale);
  p.translate(3.5, 28.5);
  p.rotate(-45);
  paintDart(p, 38);
  return image;
}

QImage drawBanner(int scale) {
  QImage image = scaledImage(213, 47, scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.scale(scale, scale);
  paintBackdrop(p, QRect(0, 0, 213, 47));
  paintSimpleBoard(p, QRectF(4, 3.5, 40, 40), false);
  paintTitle(p, QPointF(50, 32), 27, 10, 34);
  p.setPen(QColor(240, 192, 72, 160));
  p.drawLine(49, 40, 208, 40);
  return image;
}

QImage drawSplash(const QImage& board, int scale) {
  QImage image = scaledImage(379, 117, scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.scale(scale, scale);
  paintBackdrop(p, QRect(0, 0, 379, 117));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QPainterPath round;
  round.addEllipse(QRectF(6, 4.5, 108, 108));
  p.save();
  p.setClipPath(round);
  p.drawImage(QRectF(6, 4.5, 108, 108), board);
  p.restore();
  paintTitle(p, QPointF(130, 60), 41, 24, 64);
  QFont font("Liberation Sans");
  font.setPixelSize(15);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
  p.setFont(font);
  p.setPen(QColor(226, 232, 220));
  p.drawText(QRectF(126, 74, 248, 22), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("DARTS SCORE KEEPER"));
  p.setPen(QPen(QColor(240, 192, 72, 170), 1));
  p.drawLine(QPointF(134, 100.5), QPointF(366, 100.5));
  return image;
}

QImage drawEgg(const QImage& board, int scale) {
  QImage image = scaledImage(240, 160, scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // The middle of the board, close up, in whichever pixels the board was drawn.
  const QRectF middle(kCentrePx - 60, kCentrePx - 40, 120, 80);
  const double boardScale = board.width() / static_cast<double>(board::kPicturePixels);
  p.drawImage(QRectF(0, 0, 240, 160), board,
              QRectF(middle.topLeft() * boardScale, middle.size() * boardScale));
  // Rays behind the bull.
  const QPointF bull(120, 80);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 16; ++i) {
    QPainterPath ray;
    const double a = i * kPi / 8, w = 0.07;
    ray.moveTo(bull);
    ray.lineTo(bull + QPointF(std::cos(a - w), std::sin(a - w)) * 300);
    ray.lineTo(bull + QPointF(std::cos(a + w), std::sin(a + w)) * 300);
    ray.closeSubpath();
    p.fillPath(ray, QColor(255, 230, 120, 60));
  }
  // The dart, stuck in the bull and coming in from the upper right.
  QRadialGradient shadow(bull + QPointF(8, 10), 30);
  shadow.setColorAt(0, QColor(0, 0, 0, 120));
  shadow.setColorAt(1, QColor(0, 0, 0, 0));
  p.setBrush(shadow);
  p.drawEllipse(bull + QPointF(8, 10), 30, 14);
  p.save();
  p.translate(bull);
  p.rotate(-32);
  paintDart(p, 132);
  p.restore();
  // The word.
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(40);
  QPainterPath text;
  text.addText(QPointF(0, 0), font, QStringLiteral("Bullseye!"));
  const QRectF b = text.boundingRect();
  text.translate(120 - b.center().x(), 150 - b.bottom());
  p.setPen(QPen(QColor(20, 10, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  QLinearGradient fill(0, 115, 0, 150);
  fill.setColorAt(0, QColor(255, 250, 170));
  fill.setColorAt(1, QColor(255, 170, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(text);
  return image;
}

}  // namespace artwork
