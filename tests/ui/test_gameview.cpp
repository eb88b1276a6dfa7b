// What the window shows of a game, read from the game's facts: layout, which controls show,
// the marked name, the score sizes, the dart pictures and the status values, also at the
// moment each clip plays.

#include <QTest>

#include "game/game.h"
#include "ui/gameview.h"

namespace {

// A picture of what the window would show, taken at every clip.
struct Shown {
  std::string clip;
  int marked;  // the seat whose name is marked, 0 for none
  int thrownPt, otherPt, darts;
  std::string player, total, round;
  bool operator==(const Shown&) const = default;
};

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
                    .thrownPt = gameview::scorePointSize(screen, thrower),
                    .otherPt = gameview::scorePointSize(screen, thrower % 2 + 1),
                    .darts = gameview::dartPicturesShown(screen),
                    .player = gameview::throwerText(screen),
                    .total = gameview::turnTotalText(screen),
                    .round = gameview::roundText(screen)});
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
    const struct {
      int16_t type;
      bool useBoard, start;
      bool board, buttons, compact;
    } rows[] = {
        {.type = kCricket,
         .useBoard = false,
         .start = false,  // before the first game
         .board = true,
         .buttons = false,
         .compact = true},
        {.type = kCricket,
         .useBoard = true,
         .start = true,
         .board = true,
         .buttons = false,
         .compact = true},
        {.type = kRandomCricket,
         .useBoard = false,
         .start = true,
         .board = false,
         .buttons = true,
         .compact = true},
        {.type = k301,
         .useBoard = false,
         .start = true,
         .board = true,
         .buttons = false,
         .compact = false},
        {.type = kRandomCountdown,
         .useBoard = true,
         .start = true,
         .board = true,
         .buttons = false,
         .compact = false},
    };
    for (const auto& row : rows) {
      Game game;
      game.options = {.gameType = row.type, .playerCount = 2, .useBoard = row.useBoard};
      game.setPlayerNames({"", "Ann", "Bob", "", ""});
      if (row.start) game.startGame();
      const QByteArray what = QByteArray::number(row.type) + (row.useBoard ? " board" : " buttons");
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
    const std::vector<Shown> want = {
        {"WAVHIT", 1, 40, 20, 2, "Ann", "0", "1"},
        {"WAVHIT", 1, 40, 20, 1, "Ann", "60", "1"},
        {"WAVHIT", 1, 40, 20, 3, "Ann", "80", "1"},
        {"CHANGE", 2, 40, 20, 3, "Bob", "0", "1"},
        {"WAVHIT", 2, 40, 20, 2, "Bob", "0", "1"},
        {"WAVHIT", 2, 40, 20, 1, "Bob", "20", "1"},
        {"WAVHIT", 2, 40, 20, 3, "Bob", "40", "1"},
        {"BREAK", 0, 40, 20, 3, "Bob", "60", "1"},  // nobody is marked while a bust is heard
        {"CHANGE", 1, 40, 20, 3, "Ann", "0", "2"},
        {"WAVHIT", 1, 40, 20, 2, "Ann", "0", "2"},
        {"WAVHIT", 1, 40, 20, 1, "Ann", "40", "2"},
        {"WAVHIT", 1, 40, 20, 3, "Ann", "40", "2"},
        {"PLAYER", 0, 40, 20, 3, "Ann", "40", "2"},  // the winner's name is no longer marked
        {"ONE", 0, 40, 20, 3, "Ann", "40", "2"},
        {"WINS", 0, 40, 20, 3, "Ann", "40", "2"},
    };
    const std::vector<Shown> seen = shownAtEachClip(game);
    QCOMPARE(seen.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
      QVERIFY2(seen[i] == want[i],
               qPrintable(QString("clip %1: %2").arg(i).arg(QString::fromStdString(seen[i].clip))));
  }
};

QTEST_GUILESS_MAIN(GameViewTest)
#include "test_gameview.moc"
