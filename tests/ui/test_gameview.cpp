// What the window shows of a game, read from the game's facts: layout, which controls show,
// the marked name, the score sizes, the dart pictures and the status values, also at the
// moment each clip plays.

#include <QTest>

#include "game/game.h"
#include "ui/gameview.h"

namespace {

// What the window shows while each clip plays: the clip, the seat whose name is marked (0
// for none), the dart pictures, the thrower, the turn total, the round, and the point
// sizes of seat 1's score and seat 2's.
QStringList shownAtEachClip(Game& game) {
  QStringList seen;
  for (const ClipCue& cue : game.takeClips()) {
    const gameview::Screen screen(game.options, cue.screen);
    int marked = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
      if (gameview::nameMarked(screen, seat)) marked = seat;
    seen << QString::fromStdString(
        std::string(clipName(cue.clip)) + " " + std::to_string(marked) + " " +
        std::to_string(gameview::dartPicturesShown(screen)) + " " + gameview::throwerText(screen) +
        " " + gameview::turnTotalText(screen) + " " + gameview::roundText(screen) + " " +
        std::to_string(gameview::scorePointSize(screen, 1)) + "/" +
        std::to_string(gameview::scorePointSize(screen, 2)));
  }
  return seen;
}

}  // namespace

class GameViewTest : public QObject {
  Q_OBJECT
 private slots:
  void controlsFollowTheGameTypeAndTheBoardChoice() {
    // clang-format off
    const struct {
      int16_t type;
      bool onBoard = true, start = true;
      bool board, buttons, compact;
    } rows[] = {
        {.type = kCricket, .onBoard = false, .start = false,  // before the first game
         .board = true, .buttons = false, .compact = true},
        {.type = kCricket, .board = true, .buttons = false, .compact = true},
        {.type = kRandomCricket, .onBoard = false,
         .board = false, .buttons = true, .compact = true},
        {.type = k301, .onBoard = false, .board = true, .buttons = false, .compact = false},
        {.type = kRandomCountdown, .board = true, .buttons = false, .compact = false},
        {.type = kCutThroatCricket, .onBoard = false,
         .board = false, .buttons = true, .compact = true},
        // games without targets are played on the board whatever the Cricket choice says
        {.type = kAroundTheClock, .onBoard = false,
         .board = true, .buttons = false, .compact = false},
        {.type = kShanghai, .onBoard = false, .board = true, .buttons = false, .compact = false},
        {.type = kCountUp, .board = true, .buttons = false, .compact = false},
    };
    // clang-format on
    for (const auto& row : rows) {
      Game game;
      game.options = {.gameType = row.type, .playerCount = 2, .useBoard = row.onBoard};
      game.setPlayerNames({"", "Ann", "Bob", "", ""});
      if (row.start) game.startGame();
      const QByteArray what = QByteArray::number(row.type) + (row.onBoard ? " board" : " buttons");
      QVERIFY2(gameview::boardShown(game) == row.board, what);
      QVERIFY2(gameview::targetButtonsShown(game) == row.buttons, what);
      QVERIFY2(gameview::cricketLayout(game) == row.compact, what);
      QCOMPARE(gameview::scorePointSize(game, 1), row.compact ? 14 : 40);
      QCOMPARE(gameview::scorePointSize(game, 2), row.compact ? 14 : 20);
      QCOMPARE(gameview::throwerText(game), std::string(row.start ? "Ann" : ""));
      QCOMPARE(gameview::roundText(game), std::string(row.start ? "1" : ""));
    }
  }

  // Around the Clock shows the number to hit next, and "Bull" after the 20; every other game
  // its score as a number, 25 included.
  void scoreTextNamesTheBullInAroundTheClock() {
    for (const int16_t type : {kAroundTheClock, kCountUp, kCricket}) {
      Game game;
      game.options = {.gameType = type, .playerCount = 2};
      game.startGame();
      GameState state = game.state();
      state.players[1].setScore(25);
      state.players[2].setScore(20);
      const gameview::Screen screen(game.options, state);
      QCOMPARE(gameview::scoreText(screen, 1),
               std::string(type == kAroundTheClock ? "Bull" : "25"));
      QCOMPARE(gameview::scoreText(screen, 2), std::string("20"));
    }
  }

  // Seat 1 scores 80, seat 2 misses three times, seat 1 needs 40 and wins with a double:
  // nobody is marked while the win is heard.
  void aCountdownGameAsEachClipPlays() {
    Game game;
    game.options = {.gameType = k301, .playerCount = 2};
    game.setPlayerNames({"", "Ann", "Bob", "", ""});
    game.startGame();
    // Points in the triple, single and double 20 and off the board, in twips.
    constexpr float kX = 3600, kT20 = 3600 - 1375, kS20 = 3600 - 1900, kD20 = 3600 - 2590, kM = 100;
    for (float y : {kT20, kS20, kM, kM, kM, kM}) game.throwDart(kX, y);
    game.editScore(1, 221 - 40, false);
    for (float y : {kD20, kM, kM}) game.throwDart(kX, y);
    QCOMPARE(
        shownAtEachClip(game),
        (QStringList{
            "WAVHIT 1 2 Ann 0 1 40/20", "WAVHIT 1 1 Ann 60 1 40/20", "WAVHIT 1 3 Ann 80 1 40/20",
            "CHANGE 2 3 Bob 0 1 20/40", "WAVHIT 2 2 Bob 0 1 20/40", "WAVHIT 2 1 Bob 0 1 20/40",
            "WAVHIT 2 3 Bob 0 1 20/40", "CHANGE 1 3 Ann 0 2 40/20", "WAVHIT 1 2 Ann 0 2 40/20",
            "WAVHIT 1 1 Ann 40 2 40/20", "WAVHIT 1 3 Ann 40 2 40/20", "PLAYER 0 3 Ann 40 2 40/20",
            "ONE 0 3 Ann 40 2 40/20", "WINS 0 3 Ann 40 2 40/20"}));
  }
};

QTEST_GUILESS_MAIN(GameViewTest)
#include "test_gameview.moc"
