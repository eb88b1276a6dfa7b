// The splash window: closes on the second tick of its timer and by nothing else.
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/frmsplash.h"
#include "ui/twips.h"

class TestFrmSplash : public QObject {
  Q_OBJECT
 private slots:
  void shouldHaveDefaultValues();
  void closesOnTheSecondTickAndNotBefore();
  void clicksKeysAndCloseRequestsAreIgnored();
  void execWaitsForTheSecondTick();
};

void TestFrmSplash::shouldHaveDefaultValues() {
  frmsplash splash;
  QVERIFY(splash.windowTitle().isEmpty());
  QVERIFY(splash.isModal());
  QCOMPARE(splash.size(), QSize(twips(6165), twips(2235)));
  auto* frame = splash.findChild<QFrame*>("Frame1");
  auto* image = splash.findChild<QLabel*>("Image1");
  QVERIFY(frame && image);
  QCOMPARE(frame->geometry(), twipsRect(120, 0, 5955, 2175));
  QCOMPARE(image->parentWidget(), frame);
  QCOMPARE(image->geometry(), twipsRect(120, 240, 5685, 1755));
  QVERIFY(!image->pixmap().isNull());
  QCOMPARE(splash.findChild<QTimer*>("Timer1")->interval(), 4000);
}

void TestFrmSplash::closesOnTheSecondTickAndNotBefore() {
  frmsplash splash(nullptr, 300);
  QSignalSpy ticks(splash.findChild<QTimer*>("Timer1"), &QTimer::timeout);
  QSignalSpy finished(&splash, &QDialog::finished);
  splash.show();
  QVERIFY(ticks.wait(2000));
  QCOMPARE(ticks.count(), 1);
  QVERIFY(splash.isVisible());
  QCOMPARE(finished.count(), 0);
  QVERIFY(ticks.wait(2000));
  QCOMPARE(ticks.count(), 2);
  QVERIFY(!splash.isVisible());
  QCOMPARE(finished.count(), 1);
  // The timer stops with the window: no third tick.
  QVERIFY(!ticks.wait(700));
}

void TestFrmSplash::clicksKeysAndCloseRequestsAreIgnored() {
  frmsplash splash(nullptr, 400);
  QSignalSpy ticks(splash.findChild<QTimer*>("Timer1"), &QTimer::timeout);
  splash.show();
  QVERIFY(QTest::qWaitForWindowExposed(&splash));
  for (QWidget* target : {static_cast<QWidget*>(&splash), splash.findChild<QWidget*>("Image1"),
                          splash.findChild<QWidget*>("Frame1")}) {
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::mouseClick(target, Qt::RightButton);
    QTest::mouseDClick(target, Qt::LeftButton);
  }
  QTest::keyClick(&splash, Qt::Key_Escape);
  QTest::keyClick(&splash, Qt::Key_Return);
  QTest::keyClick(&splash, Qt::Key_Space);
  QVERIFY(!splash.close());
  QVERIFY(splash.isVisible());
  QCOMPARE(ticks.count(), 0);
  QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 3000);
  QCOMPARE(ticks.count(), 2);
}

void TestFrmSplash::execWaitsForTheSecondTick() {
  frmsplash splash(nullptr, 250);
  QElapsedTimer clock;
  clock.start();
  splash.exec();
  QVERIFY2(clock.elapsed() >= 480, qPrintable(QString::number(clock.elapsed())));
  QVERIFY(clock.elapsed() < 3000);
}

QTEST_MAIN(TestFrmSplash)
#include "test_frmsplash.moc"
