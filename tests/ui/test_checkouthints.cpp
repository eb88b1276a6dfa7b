// The checkout hint in the window: the route under the thrower's score as darts land, its
// reading for screen readers, and the "Checkout &Hints" preference in the Options menu and
// the settings file.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QtTest>

#include "windowsetup.h"

class TestCheckoutHints : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_;  // a new game over the running one
  std::unique_ptr<MainWindow> w_;

  QByteArray storedHints() { return home_->stored("CheckoutHints"); }
  QAction* hintsItem() { return w_->findChild<QAction*>("mnucheckout"); }
  QLabel* hint() { return w_->findChild<QLabel*>("lblcheckout"); }
  QLabel* score(int seat) { return w_->findChild<QLabel*>(QString("lblpscore_%1").arg(seat)); }
  // What a player sees: the route, or "-" when the label is hidden.
  QString shown() { return hint()->isVisible() ? hint()->text() : QString("-"); }

  void newGame(GameType type, int16_t rule = 0) {
    beginGame(*w_, {.gameType = int16_t(type), .playerCount = 2, .inOutRule = rule});
  }
  void setScore(int seat, int score) {
    const int now = w_->game().player(seat).score();
    w_->game().editScore(seat, std::abs(score - now), score > now);
    w_->refresh();
  }
  // A dart in the middle of a bed: "T20", "D20", "S20", "M" (off the board), on the line
  // through 20 straight up from the centre.
  void dart(const QString& bed) {
    const double radius = bed == "T20" ? 1375 : bed == "D20" ? 2590 : bed == "S20" ? 2000 : 3000;
    QTest::mouseMove(w_->findChild<QWidget*>("picboard"), bedPixel(0, radius));
    clickBoard(*w_, bedPixel(0, radius));
  }

 private slots:
  void init() { home_ = std::make_unique<PrivateHome>(); }
  void cleanup() { w_.reset(); }

  // On at the first start and written so; a click hides the route and writes at once, and
  // the next start reads it back.
  void preferenceShowsOrHidesTheRoute() {
    w_ = startWindow(said_);
    QCOMPARE(hintsItem()->text(), QString("Checkout &Hints"));
    QVERIFY(hintsItem()->isChecked());
    QCOMPARE(storedHints(), QByteArray("True"));
    newGame(k301);
    setScore(1, 50);
    QCOMPARE(shown(), QString("Bull"));
    hintsItem()->trigger();
    QCOMPARE(storedHints(), QByteArray("False"));
    QCOMPARE(shown(), QString("-"));
    w_.reset();
    w_ = startWindow(said_);
    QVERIFY(!hintsItem()->isChecked());
    newGame(k301);
    setScore(1, 40);
    QCOMPARE(shown(), QString("-"));
    hintsItem()->trigger();
    QCOMPARE(storedHints(), QByteArray("True"));
    QCOMPARE(shown(), QString("D20"));
    newGame(kCricket);
    QCOMPARE(shown(), QString("-"));
  }

  void routeFollowsTheTurnUnderTheThrowersScore() {
    w_ = startWindow(said_);
    newGame(k501);
    QCOMPARE(shown(), QString("-"));  // 501 is out of reach of three darts
    setScore(1, 170);
    QCOMPARE(shown(), QString("T20 T20 Bull"));
    QCOMPARE(hint()->accessibleName(), QString("Checkout: T20 T20 Bull"));
    QCOMPARE(hint()->x(), score(1)->x());
    QCOMPARE(hint()->y(), score(1)->geometry().bottom() + 1);
    QStringList seen;
    for (const char* bed : {"T20", "S20", "T20", "M", "T20"}) {  // seat 1's turn, then seat 2's
      dart(bed);
      seen << shown();
    }
    // 110 in two darts, but 90 not in one; then seat 2 stands at 501
    QCOMPARE(seen, QStringList({"T20 Bull", "-", "-", "-", "-"}));
    setScore(2, 100);  // 100 less the 60 of this turn: 40 left for the last dart
    QCOMPARE(shown(), QString("D20"));
    QCOMPARE(hint()->x(), score(2)->x());
    QCOMPARE(hint()->accessibleName(), QString("Checkout: D20"));
    dart("D20");  // the game is won: no route any more
    QCOMPARE(shown(), QString("-"));
  }

  // Double in: not in yet, so the route begins with a double, and a single changes nothing.
  void beforeADoubleInTheRouteBeginsWithOne() {
    w_ = startWindow(said_);
    newGame(k301, 2);
    setScore(1, 60);
    QCOMPARE(shown(), QString("D10 D20"));
    dart("S20");
    QCOMPARE(shown(), QString("D10 D20"));
  }
};

QTEST_MAIN(TestCheckoutHints)
#include "test_checkouthints.moc"
