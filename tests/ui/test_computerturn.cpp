// The computer's turn in the window: it throws by itself, about every 0.7 s; a person's
// dart meanwhile is refused.

#include <QtTest>

#include "windowsetup.h"

class TestComputerTurn : public QObject {
  Q_OBJECT
  std::unique_ptr<PrivateHome> home_;
  Said said_;
  std::unique_ptr<MainWindow> w_;

 private slots:
  void init() {
    home_ = std::make_unique<PrivateHome>();
    w_ = startWindow(said_);
  }
  void cleanup() { w_.reset(); }

  void itThrowsByItselfAndPeopleWait() {
    GameOptions options{.gameType = k501, .playerCount = 2};
    options.computerLevels[2] = 10;
    beginGame(*w_, options, {"Ann", "Computer (level 10)"});
    const Game& game = w_->game();
    for (int d = 0; d < 3; ++d) clickBoard(*w_, bedPixel(0, 1375));
    QCOMPARE(game.player(1).score(), 321);
    QCOMPARE(game.state().thrower, 2);
    // A click in the computer's turn enters nothing.
    clickBoard(*w_, bedPixel(0, 1375));
    QCOMPARE(game.state().dartsThrown, 0);
    // Its first dart comes after the pause, the turn within a few seconds.
    QTest::qWait(300);
    QCOMPARE(game.state().dartsThrown, 0);
    QTRY_COMPARE_WITH_TIMEOUT(game.state().thrower, int16_t{1}, 5000);
    QVERIFY(game.player(2).score() < 501);
    QCOMPARE(game.player(1).score(), 321);
    QCOMPARE(game.state().round, 2);
  }
};

QTEST_MAIN(TestComputerTurn)
#include "test_computerturn.moc"
