// The about box: its layout, its two links and the secret right press on the maker's name.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <utility>
#include <vector>

#include "shell/links.h"
#include "ui/frmabout.h"
#include "ui/twips.h"

namespace {

class RecordingOpener : public LinkOpener {
 public:
  void open(const QUrl& url) override { opened.push_back(url); }
  std::vector<QUrl> opened;
};

}  // namespace

class TestFrmAbout : public QObject {
  Q_OBJECT
 private slots:
  void shouldHaveDefaultValues();
  void linksOpenTheMakersPages();
  void otherClicksOpenNothing();
  void rightPressWithExactlyShiftAndCtrl_data();
  void rightPressWithExactlyShiftAndCtrl();
  void okCloses();
};

void TestFrmAbout::shouldHaveDefaultValues() {
  RecordingOpener links;
  frmabout box(links, {});
  QCOMPARE(box.windowTitle(), QString("Vellander Software Presents"));
  QVERIFY(box.isModal());
  QCOMPARE(box.size(), QSize(twips(3930), twips(4155)));
  QCOMPARE(box.findChild<QLabel*>("lblmyname")->text(), QString("Tam Vellander"));
  QVERIFY(box.findChild<QLabel*>("lblmyname")->font().bold());
  QVERIFY(box.findChild<QLabel*>("lblmyemail")->font().bold());
  const QString email = box.findChild<QLabel*>("lblmyemail")->text();
  QVERIFY(email.endsWith(".example") && email.contains('@'));
  QVERIFY(QUrl(box.findChild<QLabel*>("Label2")->text()).host().endsWith(".example"));
  QCOMPARE(box.findChild<QLabel*>("Label1")->text(),
           QString("Click Here to Download or Listen to my Music"));
  QCOMPARE(box.findChild<QGroupBox*>("Frame2")->title(), QString("Created By:"));
  QCOMPARE(box.findChild<QGroupBox*>("Frame3")->title(), QString("Visit the Web Site"));
  QCOMPARE(box.findChild<QGroupBox*>("Frame1")->title(),
           QString("Check out Music created by me"));
  QCOMPARE(box.findChild<QPushButton*>("cmdok")->text(), QString("OK"));
  QVERIFY(!box.findChild<QLabel*>("Image1")->pixmap().isNull());
  // Each text sits in its frame.
  for (auto [name, frame] : {std::pair{"lblmyname", "Frame2"}, {"lblmyemail", "Frame2"},
                             {"Label2", "Frame3"}, {"Label1", "Frame1"}})
    QCOMPARE(box.findChild<QWidget*>(name)->parentWidget()->objectName(), QString(frame));
}

void TestFrmAbout::linksOpenTheMakersPages() {
  RecordingOpener links;
  frmabout box(links, {});
  box.show();
  QTest::mouseClick(box.findChild<QLabel*>("Label2"), Qt::LeftButton);
  QTest::mouseClick(box.findChild<QLabel*>("Label1"), Qt::LeftButton);
  QCOMPARE(links.opened.size(), 2u);
  QCOMPARE(links.opened[0], QUrl(frmabout::kWebSite));
  QCOMPARE(links.opened[1], QUrl(frmabout::kMusicPage));
  QVERIFY(links.opened[0] != links.opened[1]);
  QVERIFY(links.opened[0].isValid() && links.opened[1].isValid());
}

void TestFrmAbout::otherClicksOpenNothing() {
  RecordingOpener links;
  frmabout box(links, {});
  box.show();
  QTest::mouseClick(box.findChild<QLabel*>("Label1"), Qt::RightButton);
  QTest::mouseClick(box.findChild<QLabel*>("lblmyemail"), Qt::LeftButton);
  QTest::mouseClick(box.findChild<QLabel*>("lblmyname"), Qt::LeftButton);
  QTest::mouseClick(box.findChild<QLabel*>("Image1"), Qt::LeftButton);
  QCOMPARE(links.opened.size(), 0u);
}

void TestFrmAbout::rightPressWithExactlyShiftAndCtrl_data() {
  QTest::addColumn<Qt::MouseButton>("button");
  QTest::addColumn<Qt::KeyboardModifiers>("held");
  QTest::addColumn<bool>("secret");
  const Qt::KeyboardModifier keys[] = {Qt::ShiftModifier, Qt::ControlModifier,
                                       Qt::AltModifier};
  // Every combination of Shift, Ctrl and Alt, with the right and the left button.
  for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
    for (int mask = 0; mask < 8; ++mask) {
      Qt::KeyboardModifiers held;
      QString name = button == Qt::RightButton ? "right" : "left";
      for (int k = 0; k < 3; ++k)
        if (mask & (1 << k)) {
          held |= keys[k];
          name += QStringList{"+Shift", "+Ctrl", "+Alt"}[k];
        }
      const bool secret = button == Qt::RightButton && mask == 3;
      QTest::newRow(qPrintable(name)) << button << held << secret;
    }
  }
  QTest::newRow("right+Shift+Ctrl+Meta")
      << Qt::RightButton << (Qt::ShiftModifier | Qt::ControlModifier | Qt::MetaModifier)
      << false;
  QTest::newRow("right+Shift+Ctrl on the keypad")
      << Qt::RightButton << (Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier)
      << true;
  QTest::newRow("middle+Shift+Ctrl")
      << Qt::MiddleButton << (Qt::ShiftModifier | Qt::ControlModifier) << false;
}

void TestFrmAbout::rightPressWithExactlyShiftAndCtrl() {
  QFETCH(Qt::MouseButton, button);
  QFETCH(Qt::KeyboardModifiers, held);
  QFETCH(bool, secret);
  RecordingOpener links;
  int calls = 0;
  frmabout box(links, [&] { ++calls; });
  box.show();
  QTest::mousePress(box.findChild<QLabel*>("lblmyname"), button, held);
  QCOMPARE(calls, secret ? 1 : 0);
  // A press elsewhere with the same keys is no secret.
  QTest::mousePress(box.findChild<QLabel*>("lblmyemail"), button, held);
  QCOMPARE(calls, secret ? 1 : 0);
  QCOMPARE(links.opened.size(), 0u);
}

void TestFrmAbout::okCloses() {
  RecordingOpener links;
  frmabout box(links, {});
  box.show();
  QSignalSpy accepted(&box, &QDialog::accepted);
  QTest::mouseClick(box.findChild<QPushButton*>("cmdok"), Qt::LeftButton);
  QCOMPARE(accepted.count(), 1);
  QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
