// The small windows: the about box (its two links and the secret right press on the
// maker's name), the hidden picture, the splash window and the Cricket high-score table.
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "../store/storefiles.h"
#include "shell/links.h"
#include "store/settingsstore.h"
#include "ui/aboutdialog.h"
#include "ui/hiddenpicturedialog.h"
#include "ui/highscoresdialog.h"
#include "ui/splashwindow.h"

struct RecordingOpener : LinkOpener {
  void open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};

// A double click, delivered through the window as the window system does, so that the
// toolkit itself makes the second click a double click.
static void doubleClick(QWidget* window, const QWidget* on) {
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                     on->mapTo(window, on->rect().center()));
}

class TestSmallDialogs : public QObject {
  Q_OBJECT
 private slots:
  void aboutLinksAndTheSecretRightPress() {
    RecordingOpener links;
    int secrets = 0;
    AboutDialog box(links, [&] { ++secrets; });
    box.show();
    // Only a left click on a link opens it.
    for (const char* name : {"Label2", "Label1", "lblmyemail", "lblmyname", "Image1"})
      QTest::mouseClick(box.findChild<QLabel*>(name), Qt::LeftButton);
    QTest::mouseClick(box.findChild<QLabel*>("Label1"), Qt::RightButton);
    // Every combination of Shift, Ctrl, Alt, Meta and the keypad with each button, on the
    // name and (never a secret) on the address below it: only the right button with exactly
    // Shift and Ctrl (from the keypad or not) on the name is the secret.
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton})
      for (int mask = 0; mask < 64; ++mask) {
        QLabel* label = box.findChild<QLabel*>(mask < 32 ? "lblmyname" : "lblmyemail");
        // The five modifier bits lie side by side: Shift, Ctrl, Alt, Meta, keypad.
        const auto held = Qt::KeyboardModifiers::fromInt(mask % 32 * Qt::ShiftModifier);
        const int before = secrets;
        QTest::mousePress(label, button, held);
        QTest::mouseRelease(label, button, held);
        const bool secret = button == Qt::RightButton && (mask == 3 || mask == 19);
        QVERIFY2(secrets - before == int(secret), qPrintable(QString::number(mask + 64 * button)));
      }
    // A double click on a link opens its page once.
    for (const char* name : {"Label2", "Label1"}) doubleClick(&box, box.findChild<QLabel*>(name));
    const QUrl site(AboutDialog::kWebSite), music(AboutDialog::kMusicPage);
    QCOMPARE(links.opened, (QList<QUrl>{site, music, site, music}));
  }

  // Only a left click on the hidden picture counts, a double click once.
  void hiddenPictureCountsLeftClicks() {
    int clicks = 0;
    HiddenPictureDialog egg([&] { ++clicks; });
    egg.show();
    auto* picture = egg.findChild<QWidget*>("Image1");
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::LeftButton, Qt::RightButton})
      QTest::mouseClick(picture, button);
    QTest::mousePress(picture, Qt::LeftButton);  // released outside the picture: no click
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicks, 2);
    doubleClick(&egg, picture);
    QCOMPARE(clicks, 3);
  }

  // The splash window closes on the second tick of its timer and by nothing else.
  void splashClosesOnTheSecondTickOnly() {
    SplashWindow splash(nullptr, 300);
    auto* timer = splash.findChild<QTimer*>("Timer1");
    QSignalSpy ticks(timer, &QTimer::timeout);
    bool closeRefused = false, stillVisible = false;
    connect(timer, &QTimer::timeout, &splash, [&] {  // at the first tick: clicks, keys, close
      if (ticks.count() > 1) return;
      QTest::mouseDClick(splash.findChild<QWidget*>("Image1"), Qt::LeftButton);
      QTest::mouseClick(&splash, Qt::RightButton);
      QTest::keySequence(&splash, QKeySequence("Esc, Return, Space"));
      closeRefused = !splash.close();
      stillVisible = splash.isVisible();
    });
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    // A timer may fire a few per cent early: one and a half ticks tell the second from the first.
    QCOMPARE_GE(clock.elapsed(), 450);
    QVERIFY(closeRefused);
    QVERIFY(stillVisible);
    QCOMPARE(ticks.count(), 2);
    QVERIFY(!splash.isVisible());
    QVERIFY(!ticks.wait(1000));  // the timer stops with the window
  }

  // The labels show the table; "Back to the Game" changes nothing; "Reset to Default"
  // restores the built-in table, in memory and in the file, and closes.
  void highScoresLabelsAndButtons() {
    const StoreFolder folder;
    SettingsStore store(folder.path());
    HighScores scores(store);
    scores.load();
    scores.offerWin("Ann", 10);
    const QStringList names{"Ann", "Tam Vellander", "Orrin Bascombe", "Pell", "Corvo"};
    const QStringList rounds{"10", "20", "31", "43", "54"};
    for (const char* button : {"cmdok", "Command1"}) {
      HighScoresDialog dialog(scores);
      for (int i = 0; i < 5; ++i) {
        QCOMPARE(dialog.findChild<QLabel*>(QString("lblplayer_%1").arg(i))->text(), names[i]);
        QCOMPARE(dialog.findChild<QLabel*>(QString("lblrounds_%1").arg(i))->text(), rounds[i]);
      }
      dialog.show();
      QTest::mouseClick(dialog.findChild<QWidget*>(button), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      const bool reset = button == std::string("Command1");
      QCOMPARE(scores.table == kBuiltInTable, reset);
      QCOMPARE(store.read("Name1").value(), std::string(reset ? "Tam Vellander" : "Ann"));
    }
  }
};

QTEST_MAIN(TestSmallDialogs)
#include "test_smalldialogs.moc"
