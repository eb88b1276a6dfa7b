// The pictures: the board must show, under every pixel, the bed a click there scores;
// the marks must be told apart; every picture has its size.

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

#include "input/board.h"
#include "ui/pictures.h"

namespace {

enum class Look { Dark, Cream, Red, Green, Other };

const char* lookName(Look l) {
  switch (l) {
    case Look::Dark: return "dark";
    case Look::Cream: return "cream";
    case Look::Red: return "red";
    case Look::Green: return "green";
    default: return "other";
  }
}

// What a pixel looks like to a player, by broad colour.
Look lookOf(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (std::max({r, g, b}) < 60) return Look::Dark;
  if (r > 150 && g < 90 && b < 90) return Look::Red;
  if (g > 100 && r < 80 && b < 120) return Look::Green;
  if (r > 190 && g > 175 && b > 130 && r - b >= 30) return Look::Cream;
  return Look::Other;
}

int clockwisePlace(int number) {
  const auto& order = board::kClockwise;
  return static_cast<int>(std::find(order.begin(), order.end(), number) - order.begin());
}

// How a bed must look: 20 and every second sector clockwise from it dark with red doubles
// and trebles, the others cream with green ones; green outer bull, red inner bull.
Look expectedLook(int number, int multiplier) {
  if (number == 25) return multiplier == 2 ? Look::Red : Look::Green;
  const bool dark = clockwisePlace(number) % 2 == 0;
  if (multiplier == 1) return dark ? Look::Dark : Look::Cream;
  return dark ? Look::Red : Look::Green;
}

// The classification of a pixel, with the double bull on so the inner bull stands apart.
board::Hit hitOfPixel(int px, int py) {
  const QPointF t = pictures::boardPixelTwips(px, py);
  return board::hitAt(static_cast<float>(t.x()), static_cast<float>(t.y()), true);
}

int bedKey(const board::Hit& h) { return h.number * 4 + h.multiplier; }

// The pixel whose middle is nearest a point given by its distance from the centre (pixels)
// and its angle clockwise from the top (radians).
QPoint pixelAtPolar(double r, double clockwise) {
  const double x = 240 + r * std::sin(clockwise), y = 240 - r * std::cos(clockwise);
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

constexpr double kSector = std::numbers::pi / 10;  // 18 degrees

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // Every pixel that no boundary crosses shows the colour of the bed a click on it scores;
  // the pixels a boundary crosses carry the blend and the wire and are left out.
  void boardAgreesWithClassificationAtEveryPixel() {
    const QImage board = pictures::boardImage();
    QCOMPARE(board.size(), QSize(480, 480));
    std::set<int> bedsSeen;
    int checked = 0, wrong = 0;
    QString first;
    for (int y = 1; y < 479; ++y) {
      for (int x = 1; x < 479; ++x) {
        const board::Hit hit = hitOfPixel(x, y);
        // A boundary through the pixel shows in its corners.
        bool crossed = false;
        for (int dy = 0; dy <= 1 && !crossed; ++dy)
          for (int dx = 0; dx <= 1 && !crossed; ++dx)
            crossed = bedKey(board::hitAt(static_cast<float>((x + dx) * 15),
                                          static_cast<float>((y + dy) * 15), true)) != bedKey(hit);
        if (crossed) continue;
        ++checked;
        bedsSeen.insert(bedKey(hit));
        const Look seen = lookOf(board.pixel(x, y));
        const bool ok = hit.number == 0
                            ? seen != Look::Red && seen != Look::Green && seen != Look::Cream
                            : seen == expectedLook(hit.number, hit.multiplier);
        if (!ok && wrong++ == 0)
          first = QStringLiteral("pixel (%1,%2) %3 looks %4")
                      .arg(x).arg(y).arg(QString::fromStdString(hit.name)).arg(lookName(seen));
      }
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 wrong pixels, first %2").arg(wrong).arg(first)));
    QVERIFY(checked > 200000);
    QCOMPARE(bedsSeen.size(), std::size_t{20 * 3 + 2 + 1});  // every bed, both bulls, the miss
  }

  // Just inside and just outside each ring boundary, in the middle of every sector.
  void ringBoundaries_data() {
    QTest::addColumn<double>("radius");  // twips
    QTest::addColumn<int>("innerMultiplier");  // 0: bull ring, -1: off the board
    QTest::addColumn<int>("outerMultiplier");
    QTest::newRow("inner bull") << board::kInnerBull << 20 << 10;
    QTest::newRow("outer bull") << board::kOuterBull << 10 << 1;
    QTest::newRow("triple inner") << board::kTripleInner << 1 << 3;
    QTest::newRow("triple outer") << board::kTripleOuter << 3 << 1;
    QTest::newRow("double inner") << board::kDoubleInner << 1 << 2;
    QTest::newRow("double outer") << board::kDoubleOuter << 2 << -1;
  }
  void ringBoundaries() {
    QFETCH(double, radius);
    QFETCH(int, innerMultiplier);
    QFETCH(int, outerMultiplier);
    const QImage board = pictures::boardImage();
    // Multipliers 20 and 10 stand for the inner and outer bull.
    auto expected = [](int number, int ring) {
      if (ring == 20) return expectedLook(25, 2);
      if (ring == 10) return expectedLook(25, 1);
      return expectedLook(number, ring);
    };
    for (int i = 0; i < 20; ++i) {
      const int number = board::kClockwise[static_cast<std::size_t>(i)];
      for (double side : {-1.0, 1.0}) {
        const double r = radius / board::kTwipsPerPixel + side * 2.0;
        const QPoint px = pixelAtPolar(r, i * kSector);
        const int ring = side < 0 ? innerMultiplier : outerMultiplier;
        const Look seen = lookOf(board.pixel(px));
        const QString where = QStringLiteral("sector %1 at %2 px: %3")
                                  .arg(number).arg(r).arg(lookName(seen));
        if (ring < 0)
          QVERIFY2(seen == Look::Dark || seen == Look::Other, qPrintable(where));
        else
          QVERIFY2(seen == expected(number, ring), qPrintable(where));
      }
    }
  }

  // Either side of each of the twenty sector boundaries, in every ring: the neighbours
  // alternate dark and cream, red and green, clockwise from the 20.
  void sectorBoundaries() {
    const QImage board = pictures::boardImage();
    const struct {
      double px;
      int multiplier;
    } rings[] = {{60, 1}, {91.7, 3}, {130, 1}, {172.7, 2}};
    for (int i = 0; i < 20; ++i) {
      const double edge = (i + 0.5) * kSector;  // between sector i and the next clockwise
      for (const auto& ring : rings) {
        for (double side : {-0.06, 0.06}) {
          const int place = side < 0 ? i : (i + 1) % 20;
          const int number = board::kClockwise[static_cast<std::size_t>(place)];
          const QPoint px = pixelAtPolar(ring.px, edge + side);
          QCOMPARE(hitOfPixel(px.x(), px.y()).number, number);
          QCOMPARE(lookName(lookOf(board.pixel(px))), lookName(expectedLook(number, ring.multiplier)));
        }
      }
    }
  }

  // Off the board: the number ring and the black ground, never a bed colour; the corners
  // are black and each sector's number is written in white beyond its double.
  void offTheBoard() {
    const QImage board = pictures::boardImage();
    for (QPoint corner : {QPoint(0, 0), QPoint(479, 0), QPoint(0, 479), QPoint(479, 479)})
      QCOMPARE(board.pixel(corner), qRgb(0, 0, 0));
    for (int i = 0; i < 20; ++i) {
      int white = 0;
      for (double r = 186; r < 236; r += 0.5) {
        for (double a = -0.07; a <= 0.07; a += 0.01) {
          const QPoint px = pixelAtPolar(r, i * kSector + a);
          const QRgb c = board.pixel(px);
          white += qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
        }
      }
      QVERIFY2(white > 20, qPrintable(QStringLiteral("no number for sector %1").arg(i)));
    }
  }

  void marksAreToldApart() {
    int lit[4] = {};
    bool ringed[4] = {};
    for (int m = 1; m <= 3; ++m) {
      const QImage mark = pictures::markPixmap(m).toImage();
      QCOMPARE(mark.size(), QSize(45, 45));
      QCOMPARE(mark.pixel(0, 0) & 0xffffff, 0u);
      std::set<int> greys;
      for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 45; ++x) {
          const int v = qGray(mark.pixel(x, y));
          lit[m] += v > 100;
          greys.insert(v / 8);
        }
      // Chalk, not a flat pen: many shades between black and white.
      QVERIFY(greys.size() > 12);
      // The circle crosses the four points straight above, below and beside the middle,
      // where the diagonal strokes never come.
      int onRing = 0;
      for (QPoint p : {QPoint(22, 4), QPoint(22, 40), QPoint(4, 22), QPoint(40, 22)}) {
        int best = 0;
        for (int dy = -2; dy <= 2; ++dy)
          for (int dx = -2; dx <= 2; ++dx) best = std::max(best, qGray(mark.pixel(p + QPoint(dx, dy))));
        onRing += best > 150;
      }
      ringed[m] = onRing == 4;
    }
    QVERIFY(lit[1] > 60);
    QVERIFY(lit[2] > lit[1] * 3 / 2);
    QVERIFY(lit[3] > lit[2] * 3 / 2);
    QVERIFY(!ringed[1] && !ringed[2] && ringed[3]);
  }

  void sizes() {
    QCOMPARE(pictures::dartPixmap().size(), QSize(32, 32));
    QCOMPARE(pictures::aboutBanner().size(), QSize(213, 47));
    QCOMPARE(pictures::splashPicture().size(), QSize(379, 117));
    QCOMPARE(pictures::eggPicture().size(), QSize(240, 160));
    const QImage dart = pictures::dartPixmap().toImage();
    QCOMPARE(qAlpha(dart.pixel(31, 31)), 0);  // the status bar shows through around it
    QVERIFY(qAlpha(dart.pixel(16, 16)) > 200);
  }

  void windowIconHasEverySize() {
    const QIcon icon = pictures::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : pictures::kIconSizes) {
      QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
      const QImage image = icon.pixmap(size, size).toImage();
      QCOMPARE(image.size(), QSize(size, size));
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // round, on a clear ground
      QVERIFY2(lookOf(image.pixel(size / 2, size / 2)) == Look::Red,  // the bull
               qPrintable(QStringLiteral("%1: %2").arg(size).arg(image.pixel(size / 2, size / 2), 0, 16)));
    }
  }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
