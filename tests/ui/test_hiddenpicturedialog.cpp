// The hidden picture window: only a left click on the picture counts, a double click once.
#include <QTest>

#include "ui/hiddenpicturedialog.h"

class TestHiddenPictureDialog : public QObject {
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
    // A double click, delivered as the window system does (two quick clicks), is one click.
    QVERIFY(QTest::qWaitForWindowExposed(&egg));
    QTest::mouseDClick(egg.windowHandle(), Qt::LeftButton, {},
                       picture->mapTo(&egg, picture->rect().center()));
    QCOMPARE(clicks, 3);
  }
};

QTEST_MAIN(TestHiddenPictureDialog)
#include "test_hiddenpicturedialog.moc"
