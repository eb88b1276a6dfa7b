// The splash window: closes on the second tick of its timer and by nothing else.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/splashwindow.h"

class TestSplashWindow : public QObject {
  Q_OBJECT
 private slots:
  void closesOnTheSecondTickAndByNothingElse() {
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
};

QTEST_MAIN(TestSplashWindow)
#include "test_splashwindow.moc"
