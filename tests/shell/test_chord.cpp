// Ctrl+Shift+B opens the hidden picture window from anywhere in the window, and only that.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "shell/chord.h"

class TestChord : public QObject {
  Q_OBJECT
 private slots:
  void onlyExactlyCtrlShiftBOpens_data();
  void onlyExactlyCtrlShiftBOpens();
};

void TestChord::onlyExactlyCtrlShiftBOpens_data() {
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("held");
  QTest::addColumn<bool>("opens");
  const auto shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
  QTest::newRow("Ctrl+Shift+B") << Qt::Key_B << Qt::KeyboardModifiers(shiftCtrl) << true;
  QTest::newRow("B") << Qt::Key_B << Qt::KeyboardModifiers() << false;
  QTest::newRow("Shift+B") << Qt::Key_B << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
  QTest::newRow("Ctrl+B") << Qt::Key_B << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
  QTest::newRow("Ctrl+Shift+Alt+B") << Qt::Key_B << (shiftCtrl | Qt::AltModifier) << false;
  QTest::newRow("Ctrl+Shift+Meta+B") << Qt::Key_B << (shiftCtrl | Qt::MetaModifier) << false;
  QTest::newRow("Ctrl+Shift+V") << Qt::Key_V << Qt::KeyboardModifiers(shiftCtrl) << false;
}

void TestChord::onlyExactlyCtrlShiftBOpens() {
  QFETCH(Qt::Key, key);
  QFETCH(Qt::KeyboardModifiers, held);
  QFETCH(bool, opens);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* button = new QPushButton("20", &window);
  auto* other = new QPushButton("next", &window);
  layout->addWidget(button);
  layout->addWidget(other);
  int opened = 0;
  installPictureChord(&window, [&] { ++opened; });
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  // Whichever control has the focus, and the window itself.
  for (QWidget* focus : {static_cast<QWidget*>(button), static_cast<QWidget*>(other),
                         static_cast<QWidget*>(&window)}) {
    focus->setFocus();
    QTest::keyClick(focus, key, held);
  }
  QCOMPARE(opened, opens ? 3 : 0);
}

QTEST_MAIN(TestChord)
#include "test_chord.moc"
