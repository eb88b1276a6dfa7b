// The pictures: the board must show, under every pixel, the bed a click there scores;
// the marks must be told apart; the program shows each picture exactly as it was drawn
// when the program was built, the board from its own bytes, and the window icon in
// every size.

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

board::Hit hitAt(double px, double py) {  // a point of the picture, in pixels
  return board::hitAt(static_cast<float>(px * 15), static_cast<float>(py * 15), true);
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // Every pixel that lies wholly in one bed (its corners and middle score alike) shows that
  // bed's colour; the pixels a boundary crosses carry the blend and the wire. Every bed
  // appears, so both sides of every ring boundary and sector edge are checked.
  void boardAgreesWithClassificationAtEveryPixel() {
    const QImage board = pictures::boardImage();
    QCOMPARE(board.size(), QSize(480, 480));
    std::set<std::string> beds;
    for (int y = 1; y < 479; ++y) {
      for (int x = 1; x < 479; ++x) {
        const board::Hit hit = hitAt(x + 0.5, y + 0.5);
        if (hitAt(x, y) != hit || hitAt(x + 1, y) != hit || hitAt(x, y + 1) != hit ||
            hitAt(x + 1, y + 1) != hit)
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
  // format they were drawn in.
  void everyPictureIsShownAsDrawn() {
    const QImage board = artwork::drawBoard();
    const std::pair<QImage, QImage> shownAndDrawn[] = {
        {pictures::boardImage(), board},
        {pictures::markPixmap(1).toImage(), artwork::drawMark(1)},
        {pictures::markPixmap(2).toImage(), artwork::drawMark(2)},
        {pictures::markPixmap(3).toImage(), artwork::drawMark(3)},
        {pictures::dartPixmap().toImage(), artwork::drawDart()},
        {pictures::aboutBanner().toImage(), artwork::drawBanner()},
        {pictures::splashPicture().toImage(), artwork::drawSplash(board)},
        {pictures::eggPicture().toImage(), artwork::drawEgg(board)},
        {pictures::windowIcon().pixmap(16).toImage(), artwork::drawIcon(16)},
        {pictures::windowIcon().pixmap(256).toImage(), artwork::drawIcon(256)}};
    for (const auto& [shown, drawn] : shownAndDrawn) {
      QCOMPARE(shown.size(), drawn.size());
      QCOMPARE(shown.convertToFormat(drawn.format()), drawn);
    }
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

  void theWindowIconComesInEverySize() {
    const QIcon icon = pictures::windowIcon();
    for (int size : {16, 22, 32, 48, 64, 128, 256})
      QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // A size in between is the next larger one scaled down; none is scaled up.
    QCOMPARE(
        icon.pixmap(40).toImage(),
        icon.pixmap(48).scaled(40, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage());
    QCOMPARE(icon.pixmap(512).size(), QSize(256, 256));
    QCOMPARE(icon.actualSize(QSize(512, 300)), QSize(256, 256));
    // A disabled control shows it dimmed, as any other icon.
    QVERIFY(icon.pixmap(32, QIcon::Disabled).toImage() != icon.pixmap(32).toImage());
  }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
