// Dialogs centre their outer frame on the whole screen, at every activation or once.
// Run on several screen sizes (see CMakeLists.txt).
#include <QDebug>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <memory>

#include "shell/centring.h"
#include "shell/links.h"
#include "ui/frmabout.h"
#include "ui/frmegg.h"
#include "ui/frmsplash.h"

namespace {

QRect screenRect() { return QGuiApplication::primaryScreen()->geometry(); }

bool isCentred(const QWidget& w) {
  return w.frameGeometry().topLeft() == centredPosition(w.frameGeometry().size(), screenRect());
}

QString where(const QWidget& w) {
  const QRect f = w.frameGeometry();
  const QRect s = screenRect();
  return QString("frame %1,%2 %3x%4 on screen %5x%6")
      .arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height()).arg(s.width()).arg(s.height());
}

// Another window of the program (one opened from the dialog, since the dialog may be
// modal) takes the focus, then gives it back.
void activateElsewhereAndBack(QWidget& dialog) {
  QDialog other(&dialog);
  other.setWindowTitle("other");
  other.resize(120, 80);
  other.move(5, 5);
  other.show();
  other.activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == &other);
  dialog.move(3, 7);  // dragged aside meanwhile
  QCOMPARE(dialog.frameGeometry().topLeft(), QPoint(3, 7));
  other.close();
  dialog.activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == &dialog);
}

LinkOpener noLinks;

}  // namespace

class TestCentring : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { qInfo() << "screen" << screenRect() << qGuiApp->platformName(); }
  void centredPositionOnScreens_data();
  void centredPositionOnScreens();
  void dialogsCentreAtEveryActivation_data();
  void dialogsCentreAtEveryActivation();
  void firstShowOnlyCentresOnce();
  void aDialogShownAgainIsCentredAgain();
};

void TestCentring::centredPositionOnScreens_data() {
  QTest::addColumn<QSize>("frame");
  QTest::addColumn<QRect>("screen");
  QTest::addColumn<QPoint>("expected");
  QTest::newRow("about on 1024x768") << QSize(262, 300) << QRect(0, 0, 1024, 768)
                                     << QPoint(381, 234);
  QTest::newRow("odd differences round down") << QSize(263, 301) << QRect(0, 0, 1024, 768)
                                              << QPoint(380, 233);
  QTest::newRow("800x600") << QSize(411, 149) << QRect(0, 0, 800, 600) << QPoint(194, 225);
  QTest::newRow("full hd") << QSize(411, 149) << QRect(0, 0, 1920, 1080) << QPoint(754, 465);
  QTest::newRow("second screen to the right")
      << QSize(200, 100) << QRect(1920, 0, 1280, 1024) << QPoint(2460, 462);
  QTest::newRow("screen above") << QSize(200, 100) << QRect(0, -768, 1024, 768)
                                << QPoint(412, -434);
  QTest::newRow("window larger than screen") << QSize(900, 700) << QRect(0, 0, 800, 600)
                                             << QPoint(-50, -50);
}

void TestCentring::centredPositionOnScreens() {
  QFETCH(QSize, frame);
  QFETCH(QRect, screen);
  QFETCH(QPoint, expected);
  QCOMPARE(centredPosition(frame, screen), expected);
}

void TestCentring::dialogsCentreAtEveryActivation_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("frmabout") << "frmabout";
  QTest::newRow("frmegg") << "frmegg";
  QTest::newRow("frmsplash") << "frmsplash";
  QTest::newRow("any dialog") << "dialog";
}

void TestCentring::dialogsCentreAtEveryActivation() {
  QFETCH(QString, kind);
  std::unique_ptr<QDialog> dialog;
  if (kind == "frmabout") dialog = std::make_unique<frmabout>(noLinks, nullptr);
  if (kind == "frmegg") dialog = std::make_unique<frmegg>(nullptr);
  if (kind == "frmsplash") dialog = std::make_unique<frmsplash>(nullptr, 60000);
  if (kind == "dialog") {
    dialog = std::make_unique<QDialog>();
    dialog->setFixedSize(333, 111);
    centreOnEveryActivation(dialog.get());
  }
  dialog->move(0, 0);
  dialog->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
  QTRY_VERIFY2(isCentred(*dialog), qPrintable(where(*dialog)));
  for (int round = 0; round < 2; ++round) {
    activateElsewhereAndBack(*dialog);
    // On a real X server the moves arrive back one after the other: let them settle.
    QTRY_VERIFY2(isCentred(*dialog), qPrintable(where(*dialog)));
  }
}

void TestCentring::firstShowOnlyCentresOnce() {
  QDialog dialog;
  dialog.setFixedSize(300, 200);
  centreOnFirstShow(&dialog);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QVERIFY2(isCentred(dialog), qPrintable(where(dialog)));
  activateElsewhereAndBack(dialog);
  QTest::qWait(200);
  QCOMPARE(dialog.frameGeometry().topLeft(), QPoint(3, 7));
}

void TestCentring::aDialogShownAgainIsCentredAgain() {
  QDialog dialog;
  dialog.setFixedSize(250, 180);
  centreOnEveryActivation(&dialog);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  dialog.hide();
  dialog.move(10, 10);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QVERIFY2(isCentred(dialog), qPrintable(where(dialog)));
}

QTEST_MAIN(TestCentring)
#include "test_centring.moc"
