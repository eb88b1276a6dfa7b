// Darts typed into the main window: the code shows while it is typed, Enter enters it as a
// click on that bed would, Backspace and Escape correct it, a code that is no bed enters
// nothing and says so, and the keys of plain Cricket on the buttons stay as they were.
// No screen reader runs here, and nothing is handed to one.

#include <QAccessible>
#include <QtTest>

#include "ui/announcer.h"
#include "windowsetup.h"

class TestTypedDarts : public QObject {
  Q_OBJECT
  PrivateHome home_;
  Said said_;
  std::unique_ptr<MainWindow> w_;

  QLabel* typed() { return label(*w_, "lbltyped"); }
  // Keys as a player types them, to whichever control of the window has the focus.
  void type(const QString& keys) {
    QTest::keyClicks(w_->focusWidget() ? w_->focusWidget() : w_.get(), keys);
  }
  void press(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(w_->focusWidget() ? w_->focusWidget() : w_.get(), key, mods);
  }
  int score(int seat) const { return w_->game().player(seat).score(); }

 private slots:
  void init() {
    w_ = startWindow(said_);
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    beginGame(*w_, {.gameType = k301, .playerCount = 2}, {"ann", "bob"});
    w_->activateWindow();
  }
  void cleanup() { w_.reset(); }

  void aTypedCodeShowsAndEntersItsBed() {
    type("t2");
    QVERIFY(typed()->isVisible());
    QCOMPARE(typed()->text(), QString("T2"));
    type("0");
    QCOMPARE(typed()->text(), QString("T20"));
    QCOMPARE(w_->game().state().dartsThrown, int16_t{0});
    press(Qt::Key_Return);
    QVERIFY(!typed()->isVisible());
    QCOMPARE(w_->game().state().dartsThrown, int16_t{1});
    QCOMPARE(w_->game().state().turnTotal, int16_t{60});
    QCOMPARE(panel(*w_, 4), QString("Triple Twenty"));
    // the number pad: "*" a triple, "/" a double, its own Enter
    type("*19");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    type("/5");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(score(1), 301 - 60 - 57 - 10);
    QCOMPARE(w_->game().state().thrower, int16_t{2});
    type("bull");
    press(Qt::Key_Return);
    QCOMPARE(w_->game().state().turnTotal, int16_t{50});
  }

  void backspaceEscapeAndEnterAlone() {
    type("d16");
    press(Qt::Key_Backspace);
    QCOMPARE(typed()->text(), QString("D1"));
    press(Qt::Key_Escape);
    QVERIFY(!typed()->isVisible());
    press(Qt::Key_Return);  // nothing typed: nothing happens
    QCOMPARE(w_->game().state().dartsThrown, int16_t{0});
    type("s5");
    press(Qt::Key_Return);
    QCOMPARE(w_->game().state().turnTotal, int16_t{5});
  }

  void aCodeThatIsNoBedEntersNothingAndSaysSo() {
    for (const char* code : {"T21", "D0", "X99", "T25"}) {
      type(code);
      press(Qt::Key_Return);
      QCOMPARE(typed()->text(), QString(code) + " is no bed");
      QCOMPARE(w_->game().state().dartsThrown, int16_t{0});
    }
    type("m");  // typing again replaces the message
    QCOMPARE(typed()->text(), QString("M"));
    // the message goes after a moment
    press(Qt::Key_Escape);
    type("t22");
    press(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!typed()->isVisible(), 3000);
  }

  void keysWithControlOrAltAreNotDarts() {
    press(Qt::Key_T, Qt::AltModifier);
    press(Qt::Key_5, Qt::ControlModifier);
    press(Qt::Key_Return);
    QCOMPARE(typed()->text(), QString());
    QCOMPARE(w_->game().state().dartsThrown, int16_t{0});
  }

  void noDartsAfterTheWinNorOnTheButtons() {
    w_->game().editScore(1, 301 - 40, false);
    for (const char* code : {"d20", "m", "0"}) {  // the turn that finishes
      type(code);
      press(Qt::Key_Return);
    }
    QVERIFY(!w_->game().state().inPlay);
    type("t20");
    QVERIFY(!typed()->isVisible());
    // Cricket on the buttons keeps its keys: "0" presses the 20
    beginGame(*w_, {.gameType = kCricket, .playerCount = 2, .useBoard = false});
    type("0");
    QVERIFY(!typed()->isVisible());
    QCOMPARE(w_->game().player(1).marks(20), int16_t{1});
  }

  void nothingIsHandedOverWithoutAScreenReader() {
    QVERIFY(!QAccessible::isActive());
    type("t20");
    press(Qt::Key_Return);
    QCOMPARE(w_->game().state().turnTotal, int16_t{60});
    type("t21");  // no bed: not said either
    press(Qt::Key_Return);
    auto* announcer = w_->findChild<Announcer*>();
    QVERIFY(announcer);
    QCOMPARE(announcer->message(), QString());
    QVERIFY(announcer->isHidden());
  }
};

QTEST_MAIN(TestTypedDarts)
#include "test_typeddarts.moc"
