// The splash window: closes on the second tick of its timer and by nothing else.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/frmsplash.h"

class TestFrmSplash : public QObject {
  Q_OBJECT
 private slots:
  void closesOnTheSecondTickAndByNothingElse() {
    frmsplash splash(nullptr, 500);
    QSignalSpy ticks(splash.findChild<QTimer*>("Timer1"), &QTimer::timeout);
    QSignalSpy finished(&splash, &QDialog::finished);
    splash.show();
    QVERIFY(ticks.wait(3000));
    for (QWidget* target : {static_cast<QWidget*>(&splash), splash.findChild<QWidget*>("Image1")}) {
      QTest::mouseClick(target, Qt::LeftButton);
      QTest::mouseDClick(target, Qt::RightButton);
    }
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
      QTest::keyClick(&splash, key);
    QVERIFY(!splash.close());
    QVERIFY(ticks.count() == 1 && splash.isVisible() && finished.isEmpty());
    QVERIFY(ticks.wait(3000));
    QVERIFY(!splash.isVisible() && finished.count() == 1);
    QVERIFY(!ticks.wait(1200));  // the timer stops with the window
  }

  void execWaitsForTheSecondTick() {
    frmsplash splash(nullptr, 250);
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    // A timer may fire a few per cent early: one and a half ticks tell the second tick from
    // the first.
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms >= 375 && ms < 3000, qPrintable(QString::number(ms)));
  }
};

QTEST_MAIN(TestFrmSplash)
#include "test_frmsplash.moc"
