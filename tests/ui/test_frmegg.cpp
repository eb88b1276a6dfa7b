// The hidden picture window: the picture answers a click, the button closes.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/frmegg.h"

class TestFrmEgg : public QObject {
  Q_OBJECT
 private slots:
  void shouldHaveDefaultValues();
  void onlyALeftClickOnThePictureCounts();
  void command1Closes();
};

void TestFrmEgg::shouldHaveDefaultValues() {
  frmegg egg({});
  QVERIFY(egg.isModal());
  QVERIFY(!egg.findChild<QLabel*>("Image1")->pixmap().isNull());
  QVERIFY(!egg.findChild<QLabel*>("Label1")->text().isEmpty());
  QVERIFY(!egg.findChild<QLabel*>("Label2")->text().isEmpty());
  QVERIFY(egg.findChild<QPushButton*>("Command1"));
  // Every element lies inside the window.
  for (const char* name : {"Image1", "Label1", "Label2", "Command1"})
    QVERIFY2(egg.rect().contains(egg.findChild<QWidget*>(name)->geometry()), name);
}

void TestFrmEgg::onlyALeftClickOnThePictureCounts() {
  int clicks = 0;
  frmegg egg([&] { ++clicks; });
  egg.show();
  auto* picture = egg.findChild<QWidget*>("Image1");
  QTest::mouseClick(picture, Qt::LeftButton);
  QCOMPARE(clicks, 1);
  QTest::mouseClick(picture, Qt::LeftButton);
  QCOMPARE(clicks, 2);
  QTest::mouseClick(picture, Qt::RightButton);
  QTest::mouseClick(egg.findChild<QWidget*>("Label1"), Qt::LeftButton);
  QTest::mouseClick(egg.findChild<QWidget*>("Label2"), Qt::LeftButton);
  // A press on the picture released outside it is no click.
  QTest::mousePress(picture, Qt::LeftButton);
  QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
  QCOMPARE(clicks, 2);
  QVERIFY(egg.isVisible());
}

void TestFrmEgg::command1Closes() {
  frmegg egg({});
  egg.show();
  QSignalSpy accepted(&egg, &QDialog::accepted);
  QTest::mouseClick(egg.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  QCOMPARE(accepted.count(), 1);
  QVERIFY(!egg.isVisible());
}

QTEST_MAIN(TestFrmEgg)
#include "test_frmegg.moc"
