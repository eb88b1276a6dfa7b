// The hidden picture window: only a left click on the picture counts.
#include <QTest>

#include "ui/hiddenpicturedialog.h"

class TestFrmEgg : public QObject {
  Q_OBJECT
 private slots:
  void onlyALeftClickOnThePictureCounts() {
    int clicks = 0;
    HiddenPictureDialog egg([&] { ++clicks; });
    egg.show();
    auto* picture = egg.findChild<QWidget*>("Image1");
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::LeftButton, Qt::RightButton})
      QTest::mouseClick(picture, button);
    QTest::mousePress(picture, Qt::LeftButton);  // released outside the picture: no click
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicks, 2);
  }
};

QTEST_MAIN(TestFrmEgg)
#include "test_hiddenpicturedialog.moc"
