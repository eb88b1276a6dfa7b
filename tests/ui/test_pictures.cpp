// The pictures: the board must show, under every pixel, the bed a click there scores, in
// its drawing at 1 and at 2 device pixels to a pixel; the marks must be told apart; the
// program shows each picture exactly as it was drawn when the program was built, the
// board from its own bytes, and the window icon in every size, on screens of every ratio.

#include <QtTest>

#include <algorithm>
#include <set>

#include "artwork/artwork.h"
#include "artwork/boardpainter.h"
#include "input/board.h"
#include "ui/boardwidget.h"
#include "ui/pictures.h"

namespace {

// What a pixel looks like to a player: d(ark), c(ream), r(ed), g(reen) or o(ther).
char lookOf(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (std::max({r, g, b}) < 60) return 'd';
  if (r > 150 && g < 90 && b < 90) return 'r';
  if (g > 100 && r < 80 && b < 120) return 'g';
  if (r > 190 && g > 175 && b > 130 && r - b >= 30) return 'c';
  return 'o';
}

// 20 and every second sector clockwise from it are dark with red doubles and trebles, the
// others cream with green ones; the outer bull is green, the inner red; a miss shows no bed
// colour.
char expectedLook(const board::Hit& h) {
  if (h.number == 0) return 'd';
  if (h.number == 25) return h.multiplier == 2 ? 'r' : 'g';
  const auto& order = board::kClockwise;
  const bool dark = (std::find(order.begin(), order.end(), h.number) - order.begin()) % 2 == 0;
  return h.multiplier == 1 ? (dark ? 'd' : 'c') : (dark ? 'r' : 'g');
}

// A point of the picture, in its pixels, `scale` to a pixel of the window.
// The pixels of a picture in a format, whatever ratio it is marked with.
QImage pixels(const QImage& image, QImage::Format format) {
  QImage plain = image.convertToFormat(format);
  plain.setDevicePixelRatio(1);
  return plain;
}

board::Hit hitAt(double px, double py, int scale) {
  const double perPx = 15.0 / scale;
  return board::hitAt(static_cast<float>(px * perPx), static_cast<float>(py * perPx), true);
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // Every pixel that lies wholly in one bed (its corners and middle score alike) shows that
  // bed's colour; the pixels a boundary crosses carry the blend and the wire. Every bed
  // appears, so both sides of every ring boundary and sector edge are checked.
  void boardAgreesWithClassificationAtEveryPixel_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
  }
  void boardAgreesWithClassificationAtEveryPixel() {
    QFETCH(int, scale);
    const QImage board = pictures::boardImage(scale);
    const int side = 480 * scale;
    QCOMPARE(board.size(), QSize(side, side));
    std::set<std::string> beds;
    for (int y = 1; y < side - 1; ++y) {
      for (int x = 1; x < side - 1; ++x) {
        const board::Hit hit = hitAt(x + 0.5, y + 0.5, scale);
        if (hitAt(x, y, scale) != hit || hitAt(x + 1, y, scale) != hit ||
            hitAt(x, y + 1, scale) != hit || hitAt(x + 1, y + 1, scale) != hit)
          continue;
        beds.insert(hit.name);
        const char seen = lookOf(board.pixel(x, y)), want = expectedLook(hit);
        if (seen != want && !(hit.number == 0 && seen == 'o'))
          QFAIL(qPrintable(QString::asprintf("pixel (%d,%d) in %s looks %c, not %c", x, y,
                                             hit.name.c_str(), seen, want)));
      }
    }
    QCOMPARE(beds.size(), std::size_t{20 * 3 + 2 + 1});  // every bed, both bulls, the miss
  }

  void marksAreToldApart() {
    int lit[4] = {};
    for (int m = 1; m <= 3; ++m) {
      const QImage mark = pictures::markPixmap(m).toImage();
      QCOMPARE(mark.size(), QSize(45, 45));
      for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 45; ++x) lit[m] += qGray(mark.pixel(x, y)) > 100;
      // Only the circle of the third mark crosses the points straight above, below and
      // beside the middle, where the diagonal strokes never come.
      for (QPoint p : {QPoint(22, 4), QPoint(22, 40), QPoint(4, 22), QPoint(40, 22)}) {
        int best = 0;
        for (int d = 0; d < 25; ++d)
          best = std::max(best, qGray(mark.pixel(p + QPoint(d % 5 - 2, d / 5 - 2))));
        QCOMPARE(best > 150, m == 3);
      }
    }
    QCOMPARE_GT(lit[1], 60);
    QCOMPARE_GT(lit[2], lit[1] * 3 / 2);
    QCOMPARE_GT(lit[3], lit[2] * 3 / 2);
  }

  // The embedded pictures against the drawing code, pixel for pixel and in the pixel
  // format they were drawn in: at ratio 1 the plain drawing, at ratio 2 the finer one,
  // marked as two device pixels to a pixel.
  void everyPictureIsShownAsDrawn_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("ratio 1") << 1;
    QTest::newRow("ratio 2") << 2;
  }
  void everyPictureIsShownAsDrawn() {
    QFETCH(int, scale);
    const QImage board = artwork::drawBoard(scale);
    const std::pair<QPixmap, QImage> shownAndDrawn[] = {
        {pictures::markPixmap(1, scale), artwork::drawMark(1, scale)},
        {pictures::markPixmap(2, scale), artwork::drawMark(2, scale)},
        {pictures::markPixmap(3, scale), artwork::drawMark(3, scale)},
        {pictures::dartPixmap(scale), artwork::drawDart(scale)},
        {pictures::aboutBanner(scale), artwork::drawBanner(scale)},
        {pictures::splashPicture(scale), artwork::drawSplash(board, scale)},
        {pictures::eggPicture(scale), artwork::drawEgg(board, scale)},
        {pictures::windowIcon().pixmap(QSize(16, 16), scale), artwork::drawIcon(16 * scale)},
        {pictures::windowIcon().pixmap(QSize(128, 128), scale), artwork::drawIcon(128 * scale)}};
    QCOMPARE(pictures::boardImage(scale), board);
    for (const auto& [shown, drawn] : shownAndDrawn) {
      QCOMPARE(shown.devicePixelRatio(), qreal(scale));
      QCOMPARE(shown.size(), drawn.size());
      QCOMPARE(pixels(shown.toImage(), drawn.format()), drawn);
    }
  }

  // A screen of another ratio gets the finer drawing scaled to its pixels, never the
  // plain one scaled up; so does a picture fitted into a box of the window.
  void otherRatiosTakeTheFinerDrawingScaled() {
    for (qreal ratio : {1.25, 1.5, 3.0}) {
      const QPixmap mark = pictures::markPixmap(1, ratio);
      QCOMPARE(mark.devicePixelRatio(), ratio);
      QCOMPARE(mark.size(), (QSizeF(45, 45) * ratio).toSize());
      QCOMPARE(pixels(mark.toImage(), QImage::Format_RGB32),
               artwork::drawMark(1, 2).scaled(mark.size(), Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation));
      const QImage board = pictures::boardImageAt(ratio);
      QCOMPARE(board.devicePixelRatio(), ratio);
      QCOMPARE(board.size(), (QSizeF(480, 480) * ratio).toSize());
    }
    QCOMPARE(pictures::boardImageAt(1).constBits(), pictures::boardImage(1).constBits());
    QCOMPARE(pictures::boardImageAt(2).constBits(), pictures::boardImage(2).constBits());
    const QPixmap banner = pictures::fitted(pictures::aboutBanner(2), QSize(213, 47));
    QCOMPARE(banner.devicePixelRatio(), 2.0);
    QCOMPARE(banner.toImage(), pictures::aboutBanner(2).toImage());
    QCOMPARE(pictures::fitted(pictures::dartPixmap(1.5), QSize(22, 22)).size(), QSize(33, 33));
  }

  // The board is painted from the program's resources at one byte a pixel: no copy of it
  // is made, not even by the board picture on the screen, which shows it exactly.
  void theBoardIsShownFromTheProgramsOwnBytes() {
    const QImage board = pictures::boardImage();
    QCOMPARE(board.format(), QImage::Format_Indexed8);
    QCOMPARE(board.colorCount(), 256);
    const QResource stored(":/pictures/board.pixels");
    const auto* first = stored.data();
    QVERIFY(board.constBits() > first &&
            board.constBits() + board.sizeInBytes() <= first + stored.size());

    BoardWidget widget;
    widget.resize(board.size());
    QCOMPARE(widget.grab().toImage().convertToFormat(QImage::Format_RGB32),
             board.convertToFormat(QImage::Format_RGB32));
    const QRect part(101, 37, 50, 41);  // a repaint of a part, not on a band's edge
    QCOMPARE(widget.grab(part).toImage().convertToFormat(QImage::Format_RGB32),
             board.copy(part).convertToFormat(QImage::Format_RGB32));
  }

  // At every ratio a press anywhere on a device pixel, on its edge as the screen reports
  // it too, scores the middle of that pixel; at ratio 1 the middle of the window's pixel,
  // (x * 15 + 7.5, y * 15 + 7.5).
  void aPressScoresTheMiddleOfItsDevicePixelAtEveryRatio() {
    for (qreal ratio : {1.0, 1.25, 1.4, 1.5, 1.75, 2.0, 3.0}) {
      const int side = static_cast<int>(480 * ratio);
      for (int device = 0; device < side; ++device) {
        const double middle = (device + 0.5) / ratio * 15;
        for (double within : {0.0, 0.5, 0.99}) {
          const QPointF at((device + within) / ratio, (side - 1 - device + within) / ratio);
          const QPointF twips = BoardWidget::toTwips(at, ratio);
          if (twips.x() != middle || twips.y() != (side - 0.5 - device) / ratio * 15)
            QFAIL(qPrintable(QString::asprintf("ratio %g, device pixel %d scored x %g, not %g",
                                               ratio, device, twips.x(), middle)));
        }
      }
    }
    QCOMPARE(BoardWidget::toTwips(QPointF(100, 7)), QPointF(1507.5, 112.5));
  }

  void theWindowIconComesInEverySize() {
    const QIcon icon = pictures::windowIcon();
    for (int size : {16, 22, 32, 48, 64, 128, 256})
      QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // A size in between is the next larger one scaled down; none is scaled up.
    QCOMPARE(
        icon.pixmap(40).toImage(),
        icon.pixmap(48).scaled(40, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage());
    QCOMPARE(icon.pixmap(512).size(), QSize(256, 256));
    // On a finer screen, the size for its device pixels.
    const QImage atOneAndAHalf = icon.pixmap(QSize(32, 32), 1.5).toImage();
    QCOMPARE(atOneAndAHalf.devicePixelRatio(), 1.5);
    QCOMPARE(pixels(atOneAndAHalf, QImage::Format_ARGB32_Premultiplied), icon.pixmap(48).toImage());
    QCOMPARE(pixels(icon.pixmap(QSize(32, 32), 3).toImage(), QImage::Format_ARGB32_Premultiplied),
             icon.pixmap(96).toImage());
    QCOMPARE(icon.actualSize(QSize(512, 300)), QSize(256, 256));
    // A disabled control shows it dimmed, as any other icon.
    QVERIFY(icon.pixmap(32, QIcon::Disabled).toImage() != icon.pixmap(32).toImage());
  }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
