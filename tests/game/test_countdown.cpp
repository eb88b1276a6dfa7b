// Countdown games and the turn cycle: whole turns under each in/out rule, busts and
// wins with their cues, edited scores, seats and rounds, and that nothing moves outside
// a game.

#include "session.h"

const char* const kChange = "WAVHIT WAVHIT WAVHIT CHANGE";
const char* const kBust = "WAVHIT WAVHIT WAVHIT BREAK CHANGE";
const char* const kWin = "WAVHIT WAVHIT WAVHIT PLAYER ONE WINS";

// One player's turn from a score set by hand, in (unless a row says not) from an earlier
// turn, the bull counting double unless a row says not; the turn total after two darts,
// then the score, "in" flag and cues after the third.
struct TurnCase {
  const char* what;
  int16_t rule;
  bool doubleBull = true, alreadyIn = true;
  int score;
  const char *firstTwo, *third;
  int totalTwo, scoreAfter;
  bool inAfter;
  const char* cues;
};

void PrintTo(const TurnCase& c, std::ostream* out) { *out << c.what; }

class CountdownTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(CountdownTurn, SettlesAtTheEndOfTheTurn) {
  const TurnCase& c = GetParam();
  Session s(k501, 1, c.rule, true, c.doubleBull);
  if (c.alreadyIn) s.play(c.rule == 3 ? "T1 M M" : c.rule == 2 ? "D1 M M" : "S1 M M");
  s.setScore(1, c.score);
  s.clips.cues().clear();
  s.play(c.firstTwo);
  EXPECT_EQ(s.st().turnTotal, c.totalTwo);
  s.play(c.third);
  EXPECT_EQ(s.seat(1).score(), c.scoreAfter);
  EXPECT_EQ(s.seat(1).isIn(), c.inAfter);
  EXPECT_EQ(s.clips.cues(), c.cues);
  const bool won = c.scoreAfter == 0;
  EXPECT_EQ(s.st().inPlay, !won);
  EXPECT_EQ(s.st().scoreEditEnabled, !won);
  EXPECT_EQ(s.st().round, 1 + c.alreadyIn + !won);  // a win does not count a round
}

// clang-format off
const TurnCase kTurns[] = {
    {.what = "double_3_leaves2_stands", .rule = 2, .score = 3, .firstTwo = "S1 M", .third = "M",
     .totalTwo = 1, .scoreAfter = 2, .inAfter = true, .cues = kChange},
    {.what = "double_40_singles_finish", .rule = 2, .score = 40, .firstTwo = "S20 S20",
     .third = "M", .totalTwo = 40, .scoreAfter = 0, .inAfter = true, .cues = kWin},
    {.what = "triple_4_leaves3_stands", .rule = 3, .score = 4, .firstTwo = "S1 M", .third = "M",
     .totalTwo = 1, .scoreAfter = 3, .inAfter = true, .cues = kChange},
    {.what = "triple_4_leaves2_busts", .rule = 3, .score = 4, .firstTwo = "S2 M", .third = "M",
     .totalTwo = 2, .scoreAfter = 4, .inAfter = true, .cues = kBust},
    {.what = "double_in_counts_from_the_double", .rule = 2, .alreadyIn = false, .score = 301,
     .firstTwo = "S20 D20", .third = "S5", .totalTwo = 40, .scoreAfter = 256, .inAfter = true,
     .cues = kChange},
    {.what = "double_in_single_bull_and_triple_do_not", .rule = 2, .doubleBull = false,
     .alreadyIn = false, .score = 301, .firstTwo = "IB T19", .third = "M", .totalTwo = 0,
     .scoreAfter = 301, .inAfter = false, .cues = kChange},
    {.what = "triple_in_no_bull_but_a_triple", .rule = 3, .alreadyIn = false, .score = 301,
     .firstTwo = "IB T7", .third = "S1", .totalTwo = 21, .scoreAfter = 279, .inAfter = true,
     .cues = kChange},
    {.what = "bust_keeps_the_player_in", .rule = 2, .alreadyIn = false, .score = 40,
     .firstTwo = "D20 S5", .third = "M", .totalTwo = 45, .scoreAfter = 40, .inAfter = true,
     .cues = kBust},
    // a score edited to 0 wins at the end of the turn whatever was thrown, without BREAK;
    // edited below the least finish, a turn without points busts
    {.what = "edited_0_wins_after_points", .rule = 0, .score = 0, .firstTwo = "S20 M", .third = "M",
     .totalTwo = 20, .scoreAfter = 0, .inAfter = true, .cues = kWin},
    {.what = "edited_negative_busts", .rule = 0, .score = -5, .firstTwo = "M M", .third = "M",
     .totalTwo = 0, .scoreAfter = -5, .inAfter = true, .cues = kBust},
    {.what = "edited_1_double_out_busts", .rule = 2, .score = 1, .firstTwo = "M M", .third = "M",
     .totalTwo = 0, .scoreAfter = 1, .inAfter = true, .cues = kBust},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rules, CountdownTurn, ::testing::ValuesIn(kTurns), kByWhat);

// Each clip comes with the screen shown while it plays: a dart's clip before the dart
// counts, the bust with the score as it was, "CHANGE" with the next player already marked,
// the win clips while the winner's score still shows.
TEST(TurnCycle, ClipsCarryTheScreenOfTheirMoment) {
  Session s(k301, 2);
  s.setScore(1, 10);
  s.setScore(2, 40);
  s.game.takeClips();
  s.play("S20 M M D20 M M");
  std::vector<std::string> heard;  // clip, thrower, marked seat (0: none), seat 1's score, total
  for (const ClipCue& cue : s.game.takeClips()) {
    const GameState& on = cue.screen;
    const int marked = on.throwerMarked ? on.thrower : 0;
    heard.push_back(std::string(clipName(cue.clip)) + " " + std::to_string(on.thrower) + " " +
                    std::to_string(marked) + " " + std::to_string(on.players[1].score()) + " " +
                    std::to_string(on.turnTotal) + (on.inPlay ? "" : " over"));
  }
  EXPECT_EQ(heard, (std::vector<std::string>{
                       "WAVHIT 1 1 10 0", "WAVHIT 1 1 10 20", "WAVHIT 1 1 10 20", "BREAK 1 0 10 20",
                       "CHANGE 2 2 10 0", "WAVHIT 2 2 10 0", "WAVHIT 2 2 10 40", "WAVHIT 2 2 10 40",
                       "PLAYER 2 0 10 40", "TWO 2 0 10 40", "WINS 2 0 10 40"}));
}

// A win by a later seat ends the game where it stands and names that seat; with the
// sound off it passes in silence.
TEST(TurnCycle, AWinEndsTheGameWhereItStandsAndNamesTheSeat) {
  struct Win {
    int winner;
    bool soundOn;
    const char* cues;
  };
  const Win wins[] = {
      {.winner = 2, .soundOn = true, .cues = "WAVHIT WAVHIT WAVHIT PLAYER TWO WINS"},
      {.winner = 3, .soundOn = true, .cues = "WAVHIT WAVHIT WAVHIT PLAYER THREE WINS"},
      {.winner = 4, .soundOn = true, .cues = "WAVHIT WAVHIT WAVHIT PLAYER FOUR WINS"},
      {.winner = 4, .soundOn = false, .cues = ""}};
  for (const auto& [winner, soundOn, cues] : wins) {
    Session s(k301, 4);
    s.setScore(winner, 20);
    for (int seat = 1; seat < winner; ++seat) s.play("M M M");
    s.clips.cues().clear();
    s.game.soundOn = soundOn;
    s.play("D10 M M");
    EXPECT_EQ(s.clips.cues(), cues) << winner;
    EXPECT_FALSE(s.st().inPlay) << winner;
    EXPECT_EQ(s.st().thrower, winner);
    EXPECT_EQ(s.st().round, 1) << winner;
    EXPECT_FALSE(s.st().throwerMarked) << winner;  // the winner is no longer marked
  }
}

// A countdown game has no targets: a target button marks nothing and plays nothing.
TEST(TurnCycle, TargetButtonsDoNothingInACountdownGame) {
  Session s(k301, 2);
  s.play("S20");
  const GameState before = s.st();
  s.clips.cues().clear();
  for (int target = 1; target <= kTargets; ++target) s.game.pressTarget(target);
  EXPECT_EQ(s.st(), before);
  EXPECT_EQ(s.clips.cues(), "");
}

// The throw goes round the seats in play, the next player marked, and a round counts when
// seat 1 throws again. A game set up before the number of players was ever chosen (0), or
// with more players than seats, must never hand the throw to a seat that does not exist.
TEST(TurnCycle, TheThrowGoesRoundTheSeatsInPlay) {
  for (int players : {3, 0, 5}) {
    Session s(k501, players);
    const int seats = std::clamp(players, 1, kSeats);
    for (int turn = 1; turn <= 9; ++turn) {
      SCOPED_TRACE(std::to_string(players) + " players, turn " + std::to_string(turn));
      s.play("S1");
      EXPECT_EQ(s.st().dartsThrown, 1);
      s.play("M S1");
      ASSERT_EQ(s.st().thrower, turn % seats + 1);
      EXPECT_EQ(s.st().round, turn / seats + 1);
      EXPECT_EQ(s.st().dartsThrown, 0);
      EXPECT_EQ(s.st().turnTotal, 0);
      EXPECT_EQ(s.clips.take(), kChange);
      EXPECT_TRUE(s.st().throwerMarked);
    }
  }
}

TEST(EditScore, ChangesOneScoreOnlyAndHoldsAtTheLimits) {
  Session s(k301, 2);
  s.game.soundOn = false;
  s.play("S20");
  GameState expected = s.st();
  for (int seat : {0, 3, 4}) s.game.editScore(seat, 25, false);  // no such seat in play
  s.game.editScore(2, 25, false);
  expected.players[2].setScore(276);
  EXPECT_EQ(s.st(), expected);  // turn total, seat, darts and "in" stay
  for (int i = 0; i < 2; ++i) s.game.editScore(1, 32000, true);
  for (int i = 0; i < 3; ++i) s.game.editScore(2, 30000, false);
  EXPECT_EQ(s.seat(1).score(), 32767);
  EXPECT_EQ(s.seat(2).score(), -32768);
  s.play("S20 S20 S20 S20 S20");  // 60 off the highest score; a bust from the lowest
  EXPECT_EQ(s.seat(1).score(), 32707);
  EXPECT_EQ(s.seat(2).score(), -32768);
  EXPECT_EQ(s.clips.cues(), "");  // with the sound off, not even the bust is heard
}

// Outside a countdown game in progress nothing moves: no dart, button, key, turn
// change, undo or score edit changes any part of the state.
TEST(OutsideAGame, EveryInputIsIgnored) {
  struct When {
    int16_t type;  // -1: before the first game
    bool useBoard;
    const char* script;  // the darts that end the game
  };
  const When whens[] = {
      {.type = -1, .useBoard = true, .script = ""},
      {.type = k301, .useBoard = true, .script = "T20 T20 T20 T20 T20 S1"},
      {.type = kCricket,
       .useBoard = false,
       .script = "b1 b1 b1 b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7"}};
  for (const auto& [type, useBoard, script] : whens) {
    Session s;
    if (type >= 0) s.start(type, 1, 0, useBoard);
    s.play(script);
    const Point spot = bedPoint("T20");
    s.game.pointAt(spot.x, spot.y);
    const GameState before = s.st();
    s.clips.cues().clear();
    s.game.editScore(1, 5, true);
    s.game.throwDart(spot.x, spot.y);
    for (int i = 0; i <= kTargets; ++i) s.game.pressTarget(i);
    for (char32_t ch : std::u32string_view(U"+0-5")) s.game.keyTyped(ch);
    s.game.passTurn();
    EXPECT_NE(s.game.undoLatestEntry(), UndoResult::Done);
    EXPECT_EQ(s.st(), before) << type;
    EXPECT_EQ(s.clips.cues(), "") << type;
  }
}
