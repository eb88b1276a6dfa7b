// On a screen of two device pixels to a pixel (as a desktop scaled to 200% gives): the board
// shows its finer drawing pixel for pixel, a click on any device pixel scores the point at
// which that pixel's colour was classified, darts clicked on the window score their beds,
// and the marks, the small windows' pictures and the heatmap come in the finer drawing.

#include <QtTest>

#include <set>

#include "artwork/boardpainter.h"
#include "input/board.h"
#include "ui/aboutdialog.h"
#include "ui/boardwidget.h"
#include "ui/heatmapview.h"
#include "ui/hiddenpicturedialog.h"
#include "ui/pictures.h"
#include "ui/splashwindow.h"
#include "windowsetup.h"

#include "shell/links.h"

namespace {

// The finer drawing was made at ratio 2; these checks hold only there.
constexpr qreal kRatio = 2.0;

// The device pixels of a picture, whatever ratio it is marked with.
QImage screenPixels(const QImage& image) {
  QImage pixels = image.convertToFormat(QImage::Format_RGB32);
  pixels.setDevicePixelRatio(1);
  return pixels;
}

}  // namespace

class TestFineScreen : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), kRatio); }

  void theBoardShowsItsFinerDrawing() {
    BoardWidget widget;
    widget.resize(480, 480);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const QImage finer = pictures::boardImage(2);
    QCOMPARE(widget.grab().toImage().size(), QSize(960, 960));
    QCOMPARE(screenPixels(widget.grab().toImage()), screenPixels(finer));
    const QRect part(101, 37, 50, 41);  // a repaint of a part, not on a band's edge
    QCOMPARE(screenPixels(widget.grab(part).toImage()),
             screenPixels(finer.copy(QRect(part.topLeft() * 2, part.size() * 2))));
  }

  // Every ninth device pixel each way, pressed at its top-left corner (where the screen
  // reports a press on it) and in its middle: both score the twips point its colour was
  // classified at, and so reach every bed.
  void aPressScoresThePointItsDevicePixelShows() {
    BoardWidget widget;
    widget.resize(480, 480);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QPointF scored;
    connect(&widget, &BoardWidget::clicked, [&scored](QPointF twips) { scored = twips; });
    std::set<std::string> beds;
    for (int y = 0; y < 960; y += 9) {
      for (int x = 0; x < 960; x += 9) {
        const QPointF at = artwork::boardPixelTwips(x, y, 2);
        for (double within : {0.0, 0.5}) {
          const QPointF pos((x + within) / kRatio, (y + within) / kRatio);
          QMouseEvent press(QEvent::MouseButtonPress, pos, widget.mapToGlobal(pos), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
          QApplication::sendEvent(&widget, &press);
          if (scored != at)
            QFAIL(qPrintable(QString::asprintf("device pixel (%d,%d) scored (%g,%g), not (%g,%g)",
                                               x, y, scored.x(), scored.y(), at.x(), at.y())));
        }
        beds.insert(board::hitAt(float(at.x()), float(at.y()), true).name);
      }
    }
    QCOMPARE(beds.size(), std::size_t{20 * 3 + 2 + 1});
  }

  // Darts clicked on the window's board, as a player clicks them.
  void dartsClickedOnTheWindowScoreTheirBeds() {
    PrivateHome home;
    Said said;
    auto w = startWindow(said);
    QCOMPARE(w->devicePixelRatioF(), kRatio);
    beginGame(*w, {.gameType = int16_t(k501), .playerCount = 2});
    clickBoard(*w, bedPixel(0, 1375));   // T20
    clickBoard(*w, bedPixel(10, 2590));  // D3
    clickBoard(*w, bedPixel(0, 100));    // the inner bull
    QCOMPARE(w->findChild<QLabel*>("lblpscore_1")->text(), QString("385"));
  }

  void theMarksAndTheSmallWindowsPicturesAreFiner() {
    PrivateHome home;
    Said said;
    auto w = startWindow(said);
    for (const char* name : {"ImgSlash_1", "ImgSlash_2", "ImgSlash_3"}) {
      const QPixmap mark = w->findChild<QLabel*>(name)->pixmap();
      QCOMPARE(mark.devicePixelRatio(), kRatio);
      QCOMPARE(mark.size(), QSize(90, 90));
    }
    LinkOpener links;
    AboutDialog about(links, [] {});
    HiddenPictureDialog egg([] {});
    SplashWindow splash;
    for (QWidget* window : std::initializer_list<QWidget*>{&about, &egg, &splash}) {
      const QLabel* image = window->findChild<QLabel*>("Image1");
      QCOMPARE(image->pixmap().devicePixelRatio(), kRatio);
      const QSizeF shown = image->pixmap().deviceIndependentSize();
      QVERIFY(shown.width() <= image->width() && shown.height() <= image->height());
      QVERIFY(image->pixmap().width() > image->width());
    }
    HeatmapView heatmap;
    const QPixmap shown = heatmap.findChild<QLabel*>("picheatmap")->pixmap();
    QCOMPARE(shown.devicePixelRatio(), kRatio);
    QCOMPARE(screenPixels(shown.toImage()), screenPixels(pictures::boardImage(2)));
  }
};

int main(int argc, char** argv) {
  // The scale of the desktop, before the application reads it.
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  TestFineScreen test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_finescreen.moc"
