// The hidden picture window: the picture answers a left click, the button closes.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/frmegg.h"

class TestFrmEgg : public QObject {
  Q_OBJECT
 private slots:
  void onlyALeftClickOnThePictureCounts() {
    int clicks = 0;
    frmegg egg([&] { ++clicks; });
    egg.show();
    auto* picture = egg.findChild<QWidget*>("Image1");
    QTest::mouseClick(picture, Qt::LeftButton);
    QTest::mouseClick(picture, Qt::LeftButton);
    QTest::mouseClick(picture, Qt::RightButton);
    QTest::mouseClick(egg.findChild<QWidget*>("Label1"), Qt::LeftButton);
    QTest::mousePress(picture, Qt::LeftButton);  // released outside the picture: no click
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicks, 2);
    for (QLabel* l : egg.findChildren<QLabel*>())  // shrunk to fit rather than cut off
      QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    QTest::mouseClick(egg.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!egg.isVisible());
  }
};

QTEST_MAIN(TestFrmEgg)
#include "test_frmegg.moc"
