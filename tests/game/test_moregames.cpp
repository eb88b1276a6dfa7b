// The games beyond the classic five: 701, Cut-Throat Cricket, Around the Clock, Shanghai and
// Count-Up. Each row plays a script from a new game and states the scores, whether the game
// goes on, who won (and who shares a tie), the round and the clips heard last.

#include "game/aroundtheclockrules.h"
#include "game/match.h"
#include "session.h"

namespace {

struct GameCase {
  const char* what;
  int16_t type;
  int players;
  std::string script;
  std::vector<int> scores;  // seats 1..players
  bool inPlay = true;
  int winner = 0;  // the thrower once the game is over
  int tied = 0;    // the seats sharing a tie, bit s for seat s
  int round = 1;
  const char* lastCues = "";  // the end of what was heard
  bool doubleBull = true;
  int turnTotal = 0;  // "Total Hit:" of the turn in play
};

void PrintTo(const GameCase& c, std::ostream* out) { *out << c.what; }

// Whole turns: for each round, every seat in turn throws its darts of that round.
std::string rounds(int count, const std::function<std::string(int round, int seat)>& turn,
                   int players) {
  std::string script;
  for (int r = 1; r <= count; ++r) {
    for (int seat = 1; seat <= players; ++seat) script += turn(r, seat) + " ";
  }
  return script;
}

std::string single(int n) { return "S" + std::to_string(n); }

class MoreGames : public ::testing::TestWithParam<GameCase> {};

TEST_P(MoreGames, PlayByTheirRules) {
  const GameCase& c = GetParam();
  Session s(c.type, c.players, 0, true, c.doubleBull);
  s.play(c.script);
  for (int seat = 1; seat <= c.players; ++seat)
    EXPECT_EQ(s.seat(seat).score(), c.scores[static_cast<std::size_t>(seat - 1)]) << seat;
  EXPECT_EQ(s.st().inPlay, c.inPlay);
  if (!c.inPlay) {
    EXPECT_EQ(s.st().thrower, c.winner);
  }
  EXPECT_EQ(s.st().tiedSeats, c.tied);
  EXPECT_EQ(s.st().round, c.round);
  if (s.st().inPlay) {
    EXPECT_EQ(s.st().turnTotal, c.turnTotal);
  }
  const std::string& heard = s.clips.cues();
  const std::string tail = c.lastCues;
  EXPECT_TRUE(heard.size() >= tail.size() && heard.ends_with(tail)) << heard;
}

// clang-format off
const GameCase kGames[] = {
    // 701 is 501 from a start of 701.
    {.what = "seven_oh_one_counts_down", .type = k701, .players = 2, .script = "T20 T20 T20",
     .scores = {521, 701}, .lastCues = "WAVHIT CHANGE"},

    // Around the Clock: the score is the number to hit next.
    {.what = "clock_single_moves_one", .type = kAroundTheClock, .players = 1,
     .script = "S1 S2 S5", .scores = {3}, .round = 2, .lastCues = "WAVHIT CHANGE"},
    {.what = "clock_double_two_triple_three", .type = kAroundTheClock, .players = 2,
     .script = "D1 T3 M", .scores = {6, 1}, .lastCues = "WAVHIT WAVHIT WAVHIT CHANGE"},
    // the turn's total counts the numbers moved on
    {.what = "clock_turn_total_counts_the_steps", .type = kAroundTheClock, .players = 1,
     .script = "D1 T3", .scores = {6}, .turnTotal = 5},
    {.what = "clock_other_numbers_and_the_bull_do_nothing", .type = kAroundTheClock,
     .players = 2, .script = "S2 OB IB", .scores = {1, 1}},
    {.what = "clock_past_twenty_is_the_bull", .type = kAroundTheClock, .players = 1,
     .script = "T1 T4 T7 T10 T13 T16 T19 M M", .scores = {AroundTheClockRules::kBull}, .round = 4},
    {.what = "clock_nineteen_then_twenty", .type = kAroundTheClock, .players = 1,
     .script = "T1 T4 T7 T10 T13 T16 S19 M M", .scores = {20}, .round = 4},
    {.what = "clock_twenty_then_bull", .type = kAroundTheClock, .players = 1,
     .script = "T1 T4 T7 T10 T13 T16 S19 S20 M", .scores = {AroundTheClockRules::kBull},
     .round = 4},
    {.what = "clock_outer_bull_wins_at_once", .type = kAroundTheClock, .players = 2,
     .script = "T1 T4 T7 M M M T10 T13 T16 M M M T19 OB", .scores = {25, 1}, .inPlay = false,
     .winner = 1, .round = 3, .lastCues = "WAVHIT PLAYER ONE WINS"},
    {.what = "clock_inner_bull_wins_too", .type = kAroundTheClock, .players = 2,
     .script = "M M M T1 T4 T7 M M M T10 T13 T16 M M M T19 IB", .scores = {1, 25},
     .inPlay = false, .winner = 2, .round = 3, .lastCues = "PLAYER TWO WINS"},

    // Shanghai: round N aims at N.
    {.what = "shanghai_round_one_scores_ones", .type = kShanghai, .players = 2,
     .script = "S1 D1 S2 T1 M M", .scores = {3, 3}, .round = 2},
    {.what = "shanghai_round_two_scores_twos_only", .type = kShanghai, .players = 1,
     .script = "M M M S1 T2 D2", .scores = {10}, .round = 3},
    {.what = "shanghai_wins_at_once", .type = kShanghai, .players = 2,
     .script = "S1 M M M M M T2 S2 D2", .scores = {13, 0}, .inPlay = false, .winner = 1,
     .round = 2, .lastCues = "WAVHIT WAVHIT PLAYER ONE WINS"},
    {.what = "shanghai_single_double_triple_any_order", .type = kShanghai, .players = 2,
     .script = "T1 S1 D1", .scores = {6, 0}, .inPlay = false, .winner = 1,
     .lastCues = "WAVHIT PLAYER ONE WINS"},
    {.what = "shanghai_needs_all_three_rings", .type = kShanghai, .players = 2,
     .script = "S1 S1 T1", .scores = {5, 0}},
    {.what = "shanghai_highest_after_seven_rounds", .type = kShanghai, .players = 2,
     .script = rounds(7, [](int r, int seat) { return (seat == 2 ? "D" : "S") +
                                                       std::to_string(r) + " M M"; }, 2),
     .scores = {28, 56}, .inPlay = false, .winner = 2, .round = 7,
     .lastCues = "WAVHIT PLAYER TWO WINS"},
    {.what = "shanghai_still_on_after_six_rounds", .type = kShanghai, .players = 2,
     .script = rounds(6, [](int r, int) { return single(r) + " M M"; }, 2),
     .scores = {21, 21}, .round = 7},
    {.what = "shanghai_tie_is_shared", .type = kShanghai, .players = 3,
     .script = rounds(7, [](int r, int seat) { return (seat == 2 ? "M" : single(r)) + " M M"; }, 3),
     .scores = {28, 0, 28}, .inPlay = false, .winner = 1, .tied = 0b1010, .round = 7,
     .lastCues = "WAVHIT PLAYER ONE PLAYER THREE WINS"},
    {.what = "shanghai_tie_on_nothing_is_shared", .type = kShanghai, .players = 2,
     .script = rounds(7, [](int, int) { return "M M M"; }, 2), .scores = {0, 0}, .inPlay = false,
     .winner = 1, .tied = 0b110, .round = 7, .lastCues = "WAVHIT PLAYER ONE PLAYER TWO WINS"},

    // Count-Up: every dart scores.
    {.what = "count_up_every_dart_scores", .type = kCountUp, .players = 2,
     .script = "T20 IB OB", .scores = {135, 0}, .lastCues = "WAVHIT CHANGE"},
    {.what = "count_up_single_bull_rule", .type = kCountUp, .players = 2,
     .script = "T20 IB OB", .scores = {110, 0}, .doubleBull = false},
    {.what = "count_up_alone_ends_after_eight", .type = kCountUp, .players = 1,
     .script = rounds(8, [](int, int) { return "S20 S1 M"; }, 1), .scores = {168},
     .inPlay = false, .winner = 1, .round = 8, .lastCues = "WAVHIT PLAYER ONE WINS"},
    {.what = "count_up_alone_goes_on_after_seven", .type = kCountUp, .players = 1,
     .script = rounds(7, [](int, int) { return "S20 S1 M"; }, 1), .scores = {147}, .round = 8},
    {.what = "count_up_highest_wins", .type = kCountUp, .players = 2,
     .script = rounds(8, [](int, int seat) { return seat == 1 ? "S5 M M" : "S6 M M"; }, 2),
     .scores = {40, 48}, .inPlay = false, .winner = 2, .round = 8},
    {.what = "count_up_tie_is_shared", .type = kCountUp, .players = 2,
     .script = rounds(8, [](int, int) { return "T20 M M"; }, 2), .scores = {480, 480},
     .inPlay = false, .winner = 1, .tied = 0b110, .round = 8,
     .lastCues = "PLAYER ONE PLAYER TWO WINS"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Games, MoreGames, ::testing::ValuesIn(kGames), kByWhat);

// Cut-Throat Cricket on the buttons: a mark beyond the third scores for every opponent with the
// number open, nothing for the thrower; the lowest score wins once the thrower has closed all.
TEST(CutThroatCricket, PointsGoToTheOpenOpponents) {
  struct Case {
    const char* what;
    int players;
    std::string script;
    std::vector<int> scores;
  };
  // clang-format off
  const Case cases[] = {
      {"both_open", 3, "b1 b1 b1 b1", {0, 20, 20}},
      {"one_closed", 3, "n b1 b1 b1 n n b1 b1 b1 b1 b1", {0, 0, 40}},  // Bob has closed
      {"all_closed", 2, "b1 b1 b1 n b1 b1 b1 n b1", {0, 0}},
      {"bull", 2, "b7 b7 b7 b7", {0, 25}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Session s(kCutThroatCricket, c.players, 0, false);
    s.play(c.script);
    for (int seat = 1; seat <= c.players; ++seat)
      EXPECT_EQ(s.seat(seat).score(), c.scores[static_cast<std::size_t>(seat - 1)])
          << c.what << " seat " << seat;
  }
}

// On the buttons, seat 1 closes targets from..7, a turn each, while seat 2 passes.
std::string closing(int from) {
  std::string script;
  for (int t = from; t <= kTargets; ++t) {
    const std::string b = "b" + std::to_string(t) + " ";
    for (int mark = 0; mark < 3; ++mark) script += b;
    script += "n n ";
  }
  return script;
}

TEST(CutThroatCricket, LowestScoreWinsOnceAllAreClosed) {
  // Ann closes everything and gives Bob 20: she has the lower score and wins.
  Session low(kCutThroatCricket, 2, 0, false);
  low.play("b1 b1 b1 b1 n n " + closing(2));
  EXPECT_FALSE(low.st().inPlay);
  EXPECT_EQ(low.st().thrower, 1);
  EXPECT_EQ(low.seat(2).score(), 20);

  // Bob gives Ann 20 first: closing everything, she has the higher score and plays on.
  Session high(kCutThroatCricket, 2, 0, false);
  high.play("n b1 b1 b1 b1 n " + closing(1));
  EXPECT_TRUE(high.st().inPlay);
  EXPECT_EQ(high.seat(1).score(), 20);

  // Bob gives Ann 20 and Ann gives Bob 38: closing everything with the lower score, she wins.
  Session both(kCutThroatCricket, 2, 0, false);
  both.play("n b1 b1 b1 b1 n b2 b2 b2 b2 b2 n n b1 b1 b1 n n " + closing(3));
  EXPECT_EQ(both.seat(1).score(), 20);
  EXPECT_EQ(both.seat(2).score(), 38);
  EXPECT_FALSE(both.st().inPlay);
  EXPECT_EQ(both.st().thrower, 1);
}

TEST(CutThroatCricket, UndoTakesThePointsBackFromTheOpponents) {
  Session s(kCutThroatCricket, 3, 0, true);
  s.play("T20 S20");  // the triple closes, the single gives Bob and Cy 20 each
  EXPECT_EQ(s.seat(2).score(), 20);
  EXPECT_EQ(s.seat(3).score(), 20);
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Done);
  EXPECT_EQ(s.seat(1).score(), 0);
  EXPECT_EQ(s.seat(2).score(), 0);
  EXPECT_EQ(s.seat(3).score(), 0);
  EXPECT_EQ(s.seat(1).marks(20), 3);

  // Taking back the mark that closed a number takes no points from anyone.
  Session closed(kCutThroatCricket, 3, 0, true);
  closed.play("S20 S20 M M M M M M M S20");
  EXPECT_EQ(closed.game.undoLatestEntry(), UndoResult::Done);
  EXPECT_EQ(closed.seat(1).marks(20), 2);
  EXPECT_EQ(closed.seat(2).score(), 0);
  EXPECT_EQ(closed.seat(3).score(), 0);

  // The second seat's undo takes back what it gave the first.
  Session second(kCutThroatCricket, 2, 0, true);
  second.play("M M M T20 S20");
  EXPECT_EQ(second.seat(1).score(), 20);
  EXPECT_EQ(second.game.undoLatestEntry(), UndoResult::Done);
  EXPECT_EQ(second.seat(1).score(), 0);
}

// The Cricket high-score table keeps Cricket's rounds only; the keys press targets of the
// fixed numbers, as in Cricket on the buttons.
TEST(CutThroatCricket, KeysButNoHighScores) {
  Session s(kCutThroatCricket, 2, 0, false);
  bool offered = false;
  s.game.onCricketWin = [&offered](const std::string&, int16_t) { offered = true; };
  EXPECT_TRUE(s.game.keyTyped(U'0'));
  EXPECT_EQ(s.seat(1).marks(20), 1);
  s.play("b1 b1 n n " + closing(2));
  EXPECT_FALSE(s.st().inPlay);
  EXPECT_FALSE(offered);
}

// A leg shared by a tie counts for nobody; the next leg goes one seat along and the match
// rebuilt from its legs stands where the one played does.
TEST(MoreGames, ASharedLegCountsForNobody) {
  Game game;
  Match match(game);
  game.options = {kCountUp, 2, 0, true, true};
  match.options = {.legsToWin = 2, .setsToWin = 1};
  match.start();
  for (const GameInput& input : scriptInputs(rounds(
           8, [](int, int) { return "S1 M M"; }, 2)))
    match.apply(input);
  EXPECT_EQ(game.state().tiedSeats, 0b110);
  EXPECT_EQ(legWinner(game.state()), 0);
  EXPECT_EQ(match.score().legs[1], 0);
  EXPECT_EQ(match.score().legs[2], 0);
  EXPECT_EQ(match.score().leg, 2);
  EXPECT_TRUE(match.score().legAwaitsStart);
  match.startNextLeg();
  EXPECT_EQ(game.state().thrower, 2);

  Game again;
  Match rebuilt(again);
  again.options = game.options;
  const int16_t winners[] = {0};
  rebuilt.restore(match.options, winners);
  EXPECT_EQ(rebuilt.score().leg, 2);
  EXPECT_EQ(rebuilt.firstThrower(), 2);
}

}  // namespace
