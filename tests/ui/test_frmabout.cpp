// The about box: its two links, the OK button and the secret right press on the maker's name.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/links.h"
#include "ui/frmabout.h"

namespace {
struct RecordingOpener : LinkOpener {
  void open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};
}  // namespace

class TestFrmAbout : public QObject {
  Q_OBJECT
 private slots:
  void onlyALeftClickOnALinkOpensIt() {
    RecordingOpener links;
    frmabout box(links, {});
    box.show();
    for (const char* name : {"Label2", "Label1", "lblmyemail", "lblmyname", "Image1"})
      QTest::mouseClick(box.findChild<QLabel*>(name), Qt::LeftButton);
    QTest::mouseClick(box.findChild<QLabel*>("Label1"), Qt::RightButton);
    QCOMPARE(links.opened, (QList<QUrl>{QUrl(frmabout::kWebSite), QUrl(frmabout::kMusicPage)}));
    for (QLabel* l : box.findChildren<QLabel*>())  // shrunk to fit rather than cut off
      QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    QTest::mouseClick(box.findChild<QPushButton*>("cmdok"), Qt::LeftButton);
    QVERIFY(!box.isVisible());
  }

  // Every combination of Shift, Ctrl, Alt, Meta and the keypad with each button, on the
  // name and (never a secret) on the address below it.
  void rightPressWithExactlyShiftAndCtrl() {
    RecordingOpener links;
    int calls = 0;
    frmabout box(links, [&] { ++calls; });
    box.show();
    const Qt::KeyboardModifier keys[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                         Qt::MetaModifier, Qt::KeypadModifier};
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton})
      for (int mask = 0; mask < 32; ++mask)
        for (QLabel* label :
             {box.findChild<QLabel*>("lblmyname"), box.findChild<QLabel*>("lblmyemail")}) {
          Qt::KeyboardModifiers held;
          for (int k = 0; k < 5; ++k) held.setFlag(keys[k], mask & (1 << k));
          const int before = calls;
          QTest::mousePress(label, button, held);
          QTest::mouseRelease(label, button, held);
          const bool secret =
              button == Qt::RightButton && (mask & 15) == 3 && label->objectName() == "lblmyname";
          QVERIFY2(
              calls - before == int(secret),
              qPrintable(
                  QString("%1 button %2 keys %3").arg(label->objectName()).arg(button).arg(mask)));
        }
    QVERIFY(links.opened.isEmpty());
  }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
