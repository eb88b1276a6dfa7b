// What the window shows of a game, read from the game's facts: layout, which controls show,
// the marked name, the score sizes, the dart pictures and the status values, also at the
// moment each clip plays.

#include <QTest>

#include "game/game.h"
#include "ui/gameview.h"

namespace {

// A picture of what the window would show, taken at every clip: also the point sizes of
// the thrower's score and of the other seat's.
struct Shown {
  std::string clip;
  int marked;  // the seat whose name is marked, 0 for none
  int darts;
  std::string player, total, round;
  std::pair<int, int> pointSizes = {40, 20};
  bool operator==(const Shown&) const = default;
};

// A line for a failure message: clip, marked seat, darts, player, total, round, sizes.
QString describe(const Shown& s) {
  return QString("%1 %2 %3 %4 %5 %6 %7/%8")
      .arg(QString::fromStdString(s.clip))
      .arg(s.marked)
      .arg(s.darts)
      .arg(QString::fromStdString(s.player), QString::fromStdString(s.total),
           QString::fromStdString(s.round))
      .arg(s.pointSizes.first)
      .arg(s.pointSizes.second);
}

// What the window shows while each clip the game raised plays, drawn from the clip's screen.
std::vector<Shown> shownAtEachClip(Game& game) {
  std::vector<Shown> seen;
  for (const ClipCue& cue : game.takeClips()) {
    const gameview::Screen screen(game.options, cue.screen);
    int marked = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
      if (gameview::nameMarked(screen, seat)) marked = seat;
    const int thrower = cue.screen.thrower;
    seen.push_back({.clip = std::string(clipName(cue.clip)),
                    .marked = marked,
                    .darts = gameview::dartPicturesShown(screen),
                    .player = gameview::throwerText(screen),
                    .total = gameview::turnTotalText(screen),
                    .round = gameview::roundText(screen),
                    .pointSizes = {gameview::scorePointSize(screen, thrower),
                                   gameview::scorePointSize(screen, thrower % 2 + 1)}});
  }
  return seen;
}

// Points in the single, triple and double 20 of the board, in twips.
constexpr float kX = 3600, kSingle20 = 3600 - 1900, kTriple20 = 3600 - 1375,
                kDouble20 = 3600 - 2590;

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

  // Seat 1 scores 80 and passes; seat 2 busts; seat 1 needs 40 and wins with a double.
  void aCountdownGameAsEachClipPlays() {
    Game game;
    game.options = {.gameType = k301, .playerCount = 2};
    game.setPlayerNames({"", "Ann", "Bob", "", ""});
    game.startGame();
    const float miss = 100;
    for (float y : {kTriple20, kSingle20, miss}) game.throwDart(kX, y);
    game.editScore(2, 301 - 50, false);
    for (float y : {kSingle20, kSingle20, kSingle20}) game.throwDart(kX, y);
    game.editScore(1, 221 - 40, false);
    for (float y : {kDouble20, miss, miss}) game.throwDart(kX, y);
    // clang-format off
    const std::vector<Shown> want = {  // the thrower's score in 40 points, the other in 20
        {.clip = "WAVHIT", .marked = 1, .darts = 2, .player = "Ann", .total = "0", .round = "1"},
        {.clip = "WAVHIT", .marked = 1, .darts = 1, .player = "Ann", .total = "60", .round = "1"},
        {.clip = "WAVHIT", .marked = 1, .darts = 3, .player = "Ann", .total = "80", .round = "1"},
        {.clip = "CHANGE", .marked = 2, .darts = 3, .player = "Bob", .total = "0", .round = "1"},
        {.clip = "WAVHIT", .marked = 2, .darts = 2, .player = "Bob", .total = "0", .round = "1"},
        {.clip = "WAVHIT", .marked = 2, .darts = 1, .player = "Bob", .total = "20", .round = "1"},
        {.clip = "WAVHIT", .marked = 2, .darts = 3, .player = "Bob", .total = "40", .round = "1"},
        // nobody is marked while a bust is heard
        {.clip = "BREAK", .marked = 0, .darts = 3, .player = "Bob", .total = "60", .round = "1"},
        {.clip = "CHANGE", .marked = 1, .darts = 3, .player = "Ann", .total = "0", .round = "2"},
        {.clip = "WAVHIT", .marked = 1, .darts = 2, .player = "Ann", .total = "0", .round = "2"},
        {.clip = "WAVHIT", .marked = 1, .darts = 1, .player = "Ann", .total = "40", .round = "2"},
        {.clip = "WAVHIT", .marked = 1, .darts = 3, .player = "Ann", .total = "40", .round = "2"},
        // the winner's name is no longer marked
        {.clip = "PLAYER", .marked = 0, .darts = 3, .player = "Ann", .total = "40", .round = "2"},
        {.clip = "ONE", .marked = 0, .darts = 3, .player = "Ann", .total = "40", .round = "2"},
        {.clip = "WINS", .marked = 0, .darts = 3, .player = "Ann", .total = "40", .round = "2"}
    };
    // clang-format on
    const std::vector<Shown> seen = shownAtEachClip(game);
    QCOMPARE(seen.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
      QVERIFY2(seen[i] == want[i], qPrintable(QString("clip %1: shows %2, wanted %3")
                                                  .arg(i)
                                                  .arg(describe(seen[i]), describe(want[i]))));
  }
};

QTEST_GUILESS_MAIN(GameViewTest)
#include "test_gameview.moc"
