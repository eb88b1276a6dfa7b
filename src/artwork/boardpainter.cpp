#include "artwork/boardpainter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <vector>

#include "artwork/picturefiles.h"
#include "input/board.h"

namespace artwork {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kPx = board::kPicturePixels;  // 480
constexpr double kCentrePx = kPx / 2.0;     // 240: the board centre, in pixels
constexpr double kTwipsPerPx = board::kTwipsPerPixel;

// The board's colours.
constexpr QRgb kGround = qRgb(0, 0, 0);
constexpr QRgb kBand = qRgb(34, 34, 36);  // the number ring beyond the doubles
constexpr QRgb kDarkBed = qRgb(22, 20, 19);
constexpr QRgb kLightBed = qRgb(238, 224, 184);  // cream
constexpr QRgb kRed = qRgb(206, 36, 40);
constexpr QRgb kGreen = qRgb(22, 134, 64);
constexpr QRgb kWire = qRgb(196, 198, 204);

// Where a sector sits clockwise from the top (0 for 20, 1 for 1, ...); -1 for no sector.
int clockwiseIndex(int number) {
  const auto& order = board::kClockwise;
  const auto* it = std::find(order.begin(), order.end(), number);
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

// The sectors at even places clockwise from the 20 are dark with red doubles and trebles,
// the others light with green ones.
bool darkSector(int number) { return clockwiseIndex(number) % 2 == 0; }

// The colour of a classified point. The inner bull is told apart by classifying with the
// double bull on, so that it carries multiplier 2.
QRgb bedColour(const board::Bed& bed) {
  if (bed.number == 0) return kBand;
  if (bed.number == 25) return bed.multiplier == 2 ? kRed : kGreen;
  const bool dark = darkSector(bed.number);
  if (bed.multiplier == 1) return dark ? kDarkBed : kLightBed;
  return dark ? kRed : kGreen;
}

// A small key that differs between any two beds (and the bulls), for spotting boundaries.
int bedKey(const board::Bed& bed) { return bed.number * 4 + bed.multiplier; }

board::Bed bedAtTwips(double x, double y) {
  return board::bedAt(static_cast<float>(x), static_cast<float>(y), true);
}

// A little grain for the sisal beds, the same every time.
int grain(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return static_cast<int>(h % 9u) - 4;
}

QRgb shade(QRgb c, int d) {
  auto ch = [d](int v) { return std::clamp(v + d, 0, 255); };
  return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

QRgb mix(QRgb a, QRgb b, double t) {
  auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

// The number ring: a dark disc up to the picture's edge with a thin rim, and the twenty
// numbers upright in white around it, each at the middle of its sector.
void paintBand(QImage& image, int scale) {
  QPainter p(&image);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(kCentrePx, kCentrePx);
  p.setPen(QPen(QColor(120, 122, 128), 1.2));
  p.setBrush(QColor(kBand));
  p.drawEllipse(centre, kCentrePx - 1.0, kCentrePx - 1.0);

  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(24);
  p.setFont(font);
  p.setPen(QColor(246, 246, 240));
  const double numberRadius = (board::kDoubleOuter / kTwipsPerPx + kCentrePx) / 2.0 + 1.0;
  for (std::size_t i = 0; i < board::kClockwise.size(); ++i) {
    const double a = kPi / 2 - static_cast<double>(i) * 2 * kPi / 20;  // from 3 o'clock, upwards
    const QPointF at(kCentrePx + numberRadius * std::cos(a),
                     kCentrePx - numberRadius * std::sin(a));
    const QRectF box(at.x() - 20, at.y() - 14, 40, 28);
    p.drawText(box, Qt::AlignCenter, QString::number(board::kClockwise[i]));
  }
}

// The picture in one byte a pixel, a quarter of the memory of 32 bits: a colour table of
// its most common colours, among them every colour inside a bed, and each rarer colour
// (about one pixel in a hundred, where a wire or the edge of a number blends) shown as
// the nearest of those, a few steps of 255 away at most.
QImage withColourTable(const QImage& image) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) ++counts[line[x]];
  }
  std::vector<std::pair<int, QRgb>> commonFirst;
  commonFirst.reserve(counts.size());
  for (const auto& [colour, count] : counts) commonFirst.emplace_back(-count, colour);
  std::sort(commonFirst.begin(), commonFirst.end());
  commonFirst.resize(std::min<std::size_t>(commonFirst.size(), picturefiles::kMostColours));
  QList<QRgb> table;
  for (const auto& entry : commonFirst) table.append(entry.second);
  return image.convertToFormat(QImage::Format_Indexed8, table);
}

}  // namespace

QPointF boardPixelTwips(int px, int py, int scale) {
  const double perPx = kTwipsPerPx / static_cast<double>(scale);
  return {(px + 0.5) * perPx, (py + 0.5) * perPx};
}

QImage drawBoard(int scale) {
  const int side = kPx * scale;
  const double perPx = kTwipsPerPx / static_cast<double>(scale);
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(kGround);
  paintBand(image, scale);

  // The bed under every pixel corner, classified as the rules classify a click.
  std::vector<int> corner(static_cast<std::size_t>((side + 1) * (side + 1)));
  for (int y = 0; y <= side; ++y)
    for (int x = 0; x <= side; ++x)
      corner[static_cast<std::size_t>(y * (side + 1) + x)] =
          bedKey(bedAtTwips(x * perPx, y * perPx));
  auto cornerKey = [&](int x, int y) {
    return corner[static_cast<std::size_t>(y * (side + 1) + x)];
  };

  for (int y = 0; y < side; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < side; ++x) {
      const QPointF mid = boardPixelTwips(x, y, scale);
      const board::Bed bed = bedAtTwips(mid.x(), mid.y());
      const int key = bedKey(bed);
      const bool whole = cornerKey(x, y) == key && cornerKey(x + 1, y) == key &&
                         cornerKey(x, y + 1) == key && cornerKey(x + 1, y + 1) == key;
      if (whole) {
        // A pixel inside one bed has that bed's colour; misses keep the number ring. The
        // grain of the sisal is as coarse at every scale, a grain to a pixel of the window.
        if (bed.number != 0) line[x] = shade(bedColour(bed), grain(x / scale, y / scale));
        continue;
      }
      // A pixel that a boundary crosses: the beds it covers, blended, under a thin wire.
      constexpr int kGrid = 4;
      int r = 0, g = 0, b = 0, same = 0;
      for (int j = 0; j < kGrid; ++j) {
        for (int i = 0; i < kGrid; ++i) {
          const board::Bed sub =
              bedAtTwips((x + (i + 0.5) / kGrid) * perPx, (y + (j + 0.5) / kGrid) * perPx);
          const QRgb c = sub.number == 0 ? line[x] : bedColour(sub);
          r += qRed(c), g += qGreen(c), b += qBlue(c);
          same += bedKey(sub) == key;
        }
      }
      const QRgb blended = qRgb(r / (kGrid * kGrid), g / (kGrid * kGrid), b / (kGrid * kGrid));
      const double split =
          1.0 - std::abs(2.0 * same / (kGrid * kGrid) - 1.0);  // 1 when cut in half
      line[x] = mix(blended, kWire, 0.15 + 0.45 * split);
    }
  }
  return withColourTable(image);
}

void paintSimpleBoard(QPainter& p, const QRectF& box, bool withNumbers) {
  const QPointF c = box.center();
  const double radius = box.width() / 2;
  const double small = radius < 14;  // the 16 and 22 pixel icons: fewer, stronger rings
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kBand));
  p.drawEllipse(c, radius, radius);
  const double scale = (small ? 0.9 : withNumbers ? 0.78 : 0.84) * radius / board::kDoubleOuter;
  struct Ring {
    double outer;
    bool coloured;
  };
  const std::array<Ring, 4> rings = {{{board::kDoubleOuter, true},
                                      {board::kDoubleInner, false},
                                      {board::kTripleOuter, true},
                                      {board::kTripleInner, false}}};
  for (const Ring& ring : rings) {
    const double r = ring.outer * scale;
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 20; ++i) {
      const bool dark = i % 2 == 0;
      const QRgb col = ring.coloured ? (dark ? kRed : kGreen) : (dark ? kDarkBed : kLightBed);
      p.setBrush(QColor(col));
      // Qt's angles run anticlockwise from 3 o'clock in 1/16 degree; sector i is centred
      // 18 i degrees clockwise from the top.
      const int start = static_cast<int>(std::lround((90.0 - 18.0 * i - 9.0) * 16));
      p.drawPie(disc, start, 18 * 16);
    }
  }
  // Small icons get wider bulls so that the red still covers the middle pixels.
  const double innerBull = std::max(board::kInnerBull * scale, small ? radius * 0.2 : 1.6);
  const double outerBull =
      std::max(board::kOuterBull * scale, small ? radius * 0.36 : innerBull * 2.2);
  p.setBrush(QColor(kGreen));
  p.drawEllipse(c, outerBull, outerBull);
  p.setBrush(QColor(kRed));
  p.drawEllipse(c, innerBull, innerBull);
  if (radius >= 24) {
    // Wires on the larger sizes.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kWire), std::max(0.5, radius / 220.0)));
    for (const Ring& ring : rings) p.drawEllipse(c, ring.outer * scale, ring.outer * scale);
    for (int i = 0; i < 20; ++i) {
      const double a = (90.0 - 18.0 * i - 9.0) * kPi / 180.0;
      const QPointF dir(std::cos(a), -std::sin(a));
      p.drawLine(c + dir * outerBull, c + dir * board::kDoubleOuter * scale);
    }
  }
  if (withNumbers) {
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(radius * 0.13)));
    p.setFont(font);
    p.setPen(QColor(246, 246, 240));
    const double nr = radius * 0.89;
    for (std::size_t i = 0; i < board::kClockwise.size(); ++i) {
      const double a = kPi / 2 - static_cast<double>(i) * 2 * kPi / 20;
      const QPointF at(c.x() + nr * std::cos(a), c.y() - nr * std::sin(a));
      p.drawText(QRectF(at.x() - radius * 0.2, at.y() - radius * 0.12, radius * 0.4, radius * 0.24),
                 Qt::AlignCenter, QString::number(board::kClockwise[i]));
    }
  }
  p.restore();
}

}  // namespace artwork
