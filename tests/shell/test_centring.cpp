// Dialogs centre their outer frame on the whole screen at every activation, or only once.
// Run on several screen sizes and on a real X server with a window manager (CMakeLists.txt).
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <memory>

#include "shell/centring.h"
#include "shell/links.h"
#include "ui/frmabout.h"
#include "ui/frmegg.h"
#include "ui/frmsplash.h"

namespace {

LinkOpener noLinks;

// Where the frame is once it has stayed put for 200 ms. On a real X server the window
// manager answers moves late, and under load the answer to an earlier move can arrive after
// a later move was made: judged before then, the frame is where it no longer is.
QPoint settled(const QWidget& w) {
  QPoint last = w.frameGeometry().topLeft();
  for (int still = 0, n = 0; qGuiApp->platformName() == "xcb" && still < 10 && n < 500; ++n) {
    QTest::qWait(20);
    still = w.frameGeometry().topLeft() == last ? still + 1 : 0;
    last = w.frameGeometry().topLeft();
  }
  return last;
}

}  // namespace

class TestCentring : public QObject {
  Q_OBJECT
 private slots:
  void positionOnScreens() {
    const struct {
      QSize frame;
      QRect screen;
      QPoint expected;
    } rows[] = {
        {{262, 300}, {0, 0, 1024, 768}, {381, 234}},
        {{263, 301}, {0, 0, 1024, 768}, {380, 233}},           // odd differences round down
        {{200, 100}, {1920, -768, 1280, 1024}, {2460, -306}},  // a screen up and to the right
        {{900, 700}, {0, 0, 800, 600}, {-50, -50}},            // larger than the screen
    };
    for (const auto& r : rows) QCOMPARE(centredPosition(r.frame, r.screen), r.expected);
  }

  void dialogsCentre_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"frmabout", "frmegg", "frmsplash", "every activation", "first show"})
      QTest::newRow(kind) << QString(kind);
  }

  void dialogsCentre() {
    QFETCH(QString, kind);
    std::unique_ptr<QDialog> d;
    if (kind == "frmabout") d = std::make_unique<frmabout>(noLinks, nullptr);
    if (kind == "frmegg") d = std::make_unique<frmegg>(nullptr);
    if (kind == "frmsplash") d = std::make_unique<frmsplash>(nullptr, 60000);
    const bool once = kind == "first show";
    if (!d) {
      d = std::make_unique<QDialog>();
      d->setFixedSize(333, 111);
      once ? centreOnFirstShow(d.get()) : centreOnEveryActivation(d.get());
    }
    // Shown; twice dragged aside while another window of the program (opened from the
    // dialog, as it may be modal) has the focus, then activated again; hidden and shown.
    for (int round = 0; round < 4; ++round) {
      QDialog other(d.get());
      if (round % 3 == 0) {
        if (round > 0) d->hide();
        d->move(0, 7 * round);
        d->show();
      } else {
        other.show();
        other.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &other);
        d->move(3 + round, 7);
        settled(*d);  // wherever the window manager puts it, before the focus comes back
        other.close();
        d->activateWindow();
      }
      QVERIFY(QTest::qWaitForWindowActive(d.get()));
      const QPoint at = settled(*d);
      const QRect screen = QGuiApplication::primaryScreen()->geometry();
      const QPoint centre = centredPosition(d->frameGeometry().size(), screen);
      // On a real X server the first show can be centred before the window manager has
      // framed the window, and nothing moves it afterwards (reported; see the shell's
      // centring): there only the later activations are held to the centre.
      const bool x11FirstShow = round == 0 && qGuiApp->platformName() == "xcb";
      if (once && round > 0)
        QVERIFY2(at != centre, "centred again");
      else if (!x11FirstShow)
        QVERIFY2(at == centre, qPrintable(QString("round %1: at %2,%3, centre %4,%5")
                                              .arg(round)
                                              .arg(at.x())
                                              .arg(at.y())
                                              .arg(centre.x())
                                              .arg(centre.y())));
    }
  }
};

QTEST_MAIN(TestCentring)
#include "test_centring.moc"
