// Dialogs centre their outer frame on the whole screen at every activation by the program,
// or only once. Run on several screen sizes and on a real X server with a window manager
// (CMakeLists.txt), where another program's window takes the focus and gives it back.
#include <QApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <memory>

#include "shell/centring.h"
#include "shell/links.h"
#include "ui/aboutdialog.h"
#include "ui/splashwindow.h"

static LinkOpener noLinks;

// Where the frame is once it has stayed put for 200 ms. On a real X server the window
// manager answers moves late, and under load the answer to an earlier move can arrive after
// a later move was made: judged before then, the frame is where it no longer is.
static QPoint settled(const QWidget& w) {
  QPoint last = w.frameGeometry().topLeft();
  for (int still = 0, n = 0; qGuiApp->platformName() == "xcb" && still < 10 && n < 500; ++n) {
    QTest::qWait(20);
    still = w.frameGeometry().topLeft() == last ? still + 1 : 0;
    last = w.frameGeometry().topLeft();
  }
  return last;
}

class TestCentring : public QObject {
  Q_OBJECT
 private slots:
  void positionOnScreens() {
    const struct {
      QSize frame;
      QRect screen;
      QPoint centred;
    } rows[] = {
        // odd differences round down
        {.frame = {263, 301}, .screen = {0, 0, 1024, 768}, .centred = {380, 233}},
        // a screen up and to the right
        {.frame = {200, 100}, .screen = {1920, -768, 1280, 1024}, .centred = {2460, -306}},
        // larger than the screen
        {.frame = {900, 700}, .screen = {0, 0, 800, 600}, .centred = {-50, -50}},
    };
    for (const auto& [frame, screen, centred] : rows)
      QCOMPARE(centredPosition(frame, screen), centred);
  }

  void dialogsCentre_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"frmabout", "frmsplash", "every activation", "first show"})
      QTest::newRow(kind) << QString(kind);
  }

  void dialogsCentre() {
    QFETCH(QString, kind);
    std::unique_ptr<QDialog> d;
    if (kind == "frmabout") d = std::make_unique<AboutDialog>(noLinks, nullptr);
    if (kind == "frmsplash") d = std::make_unique<SplashWindow>(nullptr, 60000);
    const bool once = kind == "first show";
    if (!d) {
      d = std::make_unique<QDialog>();
      d->setFixedSize(333, 111);
      once ? centreOnFirstShow(d.get()) : centreOnEveryActivation(d.get());
    }
    d->move(0, 0);
    d->show();
    QPoint dragged;
    // Shown, then twice dragged aside while another window of the program (opened from the
    // dialog, as it may be modal) has the focus, and activated again.
    for (int round = 0; round < 3; ++round) {
      if (round > 0) {
        QDialog other(d.get());
        other.show();
        other.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &other);
        d->move(3, 7 * round);
        dragged = settled(*d);  // wherever the window manager puts it, before the focus returns
        other.close();
        d->activateWindow();
      }
      QVERIFY(QTest::qWaitForWindowActive(d.get()));
      // On a real X server the size of the frame of a freshly shown window is not known
      // reliably until the window manager has answered; the first showing is held to the
      // centre on the offscreen screens, the later activations here.
      if (round == 0 && qGuiApp->platformName() == "xcb") continue;
      const QPoint centre = centredPosition(d->frameGeometry().size(), d->screen()->geometry());
      QCOMPARE(settled(*d), once && round > 0 ? dragged : centre);
    }
  }

  // The user moves a dialog, goes to another program and comes back, by activating the
  // dialog from outside (as Alt+Tab or a taskbar does) or by clicking it: it stays put.
  void returnFromAnotherProgramKeepsThePlace() {
    if (qGuiApp->platformName() != "xcb") QSKIP("needs a window manager and a second program");
    AboutDialog d(noLinks, nullptr);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    settled(d);  // centred, and no later correction pending
    d.move(3, 7);
    const QPoint dragged = settled(d);
    QVERIFY(dragged != centredPosition(d.frameGeometry().size(), d.screen()->geometry()));
    const QString window = QString::number(d.winId());
    for (const QStringList& back :
         {QStringList{"windowactivate", "--sync", window},
          QStringList{"mousemove", "--window", window, "60", "8", "click", "1"}}) {
      QProcess other;
      other.start("xmessage", {"-name", "otherprogram", "Another program"});
      QVERIFY(other.waitForStarted());
      const auto stop = qScopeGuard([&] {
        other.kill();
        other.waitForFinished();
      });
      QCOMPARE(QProcess::execute("xdotool", {"search", "--sync", "--classname", "otherprogram",
                                             "windowactivate", "--sync"}),
               0);
      QTRY_VERIFY(QGuiApplication::focusWindow() == nullptr);
      QCOMPARE(QProcess::execute("xdotool", back), 0);
      QVERIFY(QTest::qWaitForWindowActive(&d));
      QCOMPARE(settled(d), dragged);
    }
  }
};

QTEST_MAIN(TestCentring)
#include "test_centring.moc"
