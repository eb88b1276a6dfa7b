// Cricket: marks and closing, points against open opponents, board darts on targets
// and off them, the win test, and the key table.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"

using Cues = std::vector<std::string>;

TEST(Cricket, MarksShowSlashCrossCircleAndEachChalks) {
  Session s;
  s.start(kCricket, 2, 0, false);
  for (int mark = 1; mark <= 3; ++mark) {
    s.play("b1");
    EXPECT_EQ(s.game.markPicture(1, 1), mark);
  }
  EXPECT_TRUE(s.seat(1).Closed(20));
  EXPECT_EQ(s.clips.take(), (Cues{"CHALK", "CHALK", "CHALK"}));
  s.play("b1");  // seat 2 has 20 open
  EXPECT_EQ(s.game.markPicture(1, 1), 3);
  EXPECT_EQ(s.seat(1).Score(), 20);
  EXPECT_EQ(s.state().darts_thrown, 1);  // buttons count no darts
  EXPECT_EQ(s.state().cur_player, 1);
}

// One extra mark on 20 by seat 1, with some opponents closed on 20.
struct ScoringCase {
  int players;
  std::set<int> closedOpponents;
  int points;
  friend std::ostream& operator<<(std::ostream& os, const ScoringCase& c) {
    os << c.players << " players, closed:";
    for (int seat : c.closedOpponents) os << ' ' << seat;
    return os;
  }
};

class CricketPoints : public ::testing::TestWithParam<ScoringCase> {};

TEST_P(CricketPoints, ScoreOncePerMarkWhileAnyOpponentIsOpen) {
  const ScoringCase& c = GetParam();
  Session s;
  s.start(kCricket, c.players, 0, false);
  s.play("b1 b1 b1 n");
  for (int seat = 2; seat <= c.players; ++seat) {
    s.play(c.closedOpponents.count(seat) ? "b1 b1 b1 n" : "n");
  }
  ASSERT_EQ(s.state().cur_player, 1);
  s.play("b1");
  EXPECT_EQ(s.seat(1).Score(), c.points);
  for (int seat = 2; seat <= kSeats; ++seat) EXPECT_EQ(s.seat(seat).Score(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Opponents, CricketPoints,
    ::testing::Values(ScoringCase{1, {}, 0}, ScoringCase{2, {}, 20}, ScoringCase{2, {2}, 0},
                      ScoringCase{3, {}, 20}, ScoringCase{3, {3}, 20}, ScoringCase{4, {2, 4}, 20},
                      ScoringCase{4, {2, 3, 4}, 0}));

// A dart on the board: one mark per unit of its multiplier, each with its chalk and points.
struct BoardDart {
  const char* what;
  bool doubleBull;
  const char* before;  // seat 1's earlier turn and seat 2's
  const char* dart;
  int number;
  int marks;
  int points;
  friend std::ostream& operator<<(std::ostream& os, const BoardDart& c) { return os << c.what; }
};

class CricketBoardDart : public ::testing::TestWithParam<BoardDart> {};

TEST_P(CricketBoardDart, MarksPerMultiplier) {
  const BoardDart& c = GetParam();
  Session s;
  s.game.options.double_bull = c.doubleBull;
  s.start(kCricket, 2);
  s.play(c.before);
  const int earlier = s.seat(1).TimesHit(c.number);
  s.clips.cues.clear();
  s.play(c.dart);
  EXPECT_EQ(s.seat(1).TimesHit(c.number), c.marks);
  EXPECT_EQ(s.seat(1).Score(), c.points);
  EXPECT_EQ(s.clips.cues, Cues(static_cast<std::size_t>(c.marks - earlier), "CHALK"));
  EXPECT_EQ(s.state().last_mult, c.marks - earlier);
  EXPECT_TRUE(s.state().undo_enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Darts, CricketBoardDart,
    ::testing::Values(BoardDart{"triple_closes_in_one_dart", true, "", "T19", 19, 3, 0},
                      BoardDart{"triple_on_two_scores_twice", true, "S19 S19 M M M M", "T19", 19,
                                5, 38},
                      BoardDart{"double_bull_two_marks", true, "", "IB", 25, 2, 0},
                      BoardDart{"single_inner_bull_one_mark", false, "", "IB", 25, 1, 0},
                      BoardDart{"outer_bull_one_mark", true, "", "OB", 25, 1, 0},
                      BoardDart{"double_on_a_closed_bull", true, "IB OB M M M M", "IB", 25, 5,
                                50}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Cricket, ABoardDartOffTheTargetsRecordsNothingAndDisablesUndo) {
  // Random targets 20, 18, 14, 9, 5, 2 from a fixed source.
  std::vector<int> draws = {9, 20, 2, 14, 5, 18};
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(draws.at(next++ % draws.size())) - 0.5f) / 20; });
  s.start(kRandomCricket, 2);
  ASSERT_EQ(s.state().cricknums, (std::array<int16_t, 8>{0, 20, 18, 14, 9, 5, 2, 25}));
  s.play("S14");
  ASSERT_TRUE(s.state().undo_enabled);
  const GameState before = s.state();
  s.clips.cues.clear();
  for (const char* off : {"T3", "M"}) {
    s.play(off);
    for (int seat = 1; seat <= kSeats; ++seat) expectSameRecord(before.players[seat], s.seat(seat), seat);
    EXPECT_FALSE(s.state().undo_enabled);
  }
  EXPECT_EQ(s.clips.cues, Cues{"CHANGE"});  // no chalk; both darts counted, the turn is over
  EXPECT_EQ(s.state().cur_player, 2);
}

TEST(CricketWin, LevelWinsTrailingDoesNot) {
  Session s;
  std::vector<std::pair<std::string, int>> wins;
  s.game.onCricketWin = [&](const std::string& name, int16_t rounds) { wins.emplace_back(name, rounds); };
  s.start(kCricket, 3, 0, false);
  s.play("b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7 n");  // all but 20
  s.play("b1 b1 b1 b1 n n");                                          // seat 2 scores 20
  s.play("b1 b1 b1");                                                 // all closed, 0 to 20
  EXPECT_TRUE(s.state().game_on);
  s.clips.cues.clear();
  s.play("b1");  // seat 3 has 20 open: 20 to 20
  EXPECT_FALSE(s.state().game_on);
  EXPECT_EQ(s.clips.cues, (Cues{"CHALK", "PLAYER", "ONE", "WINS"}));
  EXPECT_EQ(wins, (std::vector<std::pair<std::string, int>>{{"Ann", 2}}));
  EXPECT_TRUE(s.state().green[1]);
  EXPECT_FALSE(s.state().undo_enabled);
}

// One player on the board: a triple 20 closes the last target with its first mark.
class CricketLastTarget : public ::testing::TestWithParam<bool> {};

TEST_P(CricketLastTarget, WinsOnTheFirstMarkOfATripleOnlyWhenDetecting) {
  const bool autoWin = GetParam();
  Session s;
  int wins = 0;
  s.game.onCricketWin = [&](const std::string&, int16_t rounds) { wins += rounds == 4; };
  s.game.auto_win = autoWin;
  s.start(kCricket, 1);
  s.play("T19 T18 T17 T16 T15 IB S20 S20 OB");
  s.clips.cues.clear();
  s.play("T20");
  EXPECT_EQ(s.state().game_on, !autoWin);
  EXPECT_EQ(wins, autoWin ? 1 : 0);
  EXPECT_EQ(s.seat(1).TimesHit(20), autoWin ? 3 : 5);
  EXPECT_EQ(s.seat(1).Score(), 0);  // alone at the board: nothing to score against
  EXPECT_EQ(s.clips.cues, autoWin ? (Cues{"CHALK", "PLAYER", "ONE", "WINS"})
                                  : (Cues{"CHALK", "CHALK", "CHALK"}));
  EXPECT_EQ(s.state().darts_thrown, 1);
}

INSTANTIATE_TEST_SUITE_P(AutoWin, CricketLastTarget, ::testing::Bool());

// Keys press buttons only in plain Cricket on the buttons.
struct KeyCase {
  int16_t type;
  bool useBoard;
  bool keysWork;
  friend std::ostream& operator<<(std::ostream& os, const KeyCase& c) {
    return os << "type " << c.type << (c.useBoard ? " board" : " buttons");
  }
};

class CricketKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CricketKeys, DigitsMarkAndPlusPasses) {
  const KeyCase& c = GetParam();
  Session s;
  s.start(c.type, 2, 0, c.useBoard);
  const GameState before = s.state();
  for (char32_t ch : std::u32string_view(U"0955-.1234")) s.game.keyTyped(ch);
  if (!c.keysWork) {
    EXPECT_EQ(s.state(), before);
    return;
  }
  const int marks[] = {20, 1, 19, 1, 15, 2, 25, 2, 18, 0};
  for (std::size_t i = 0; i < 10; i += 2) EXPECT_EQ(s.seat(1).TimesHit(marks[i]), marks[i + 1]);
  s.game.keyTyped(U'+');
  EXPECT_EQ(s.state().cur_player, 2);
  s.game.keyTyped(U'=');
  EXPECT_EQ(s.state().cur_player, 1);
}

INSTANTIATE_TEST_SUITE_P(Games, CricketKeys,
                         ::testing::Values(KeyCase{kCricket, false, true},
                                           KeyCase{kCricket, true, false},
                                           KeyCase{kRandomCricket, false, false},
                                           KeyCase{k301, false, false}));
