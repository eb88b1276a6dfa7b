// Undo Hit: every latest entry is taken back to the state before it, or refused with
// nothing changed; the command then stays disabled until the next mark.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "session.h"

// What an undo leaves: the state before the entry, apart from what it does not restore
// by design: the command is disabled, the pointer still names the entry's bed, the entry's
// multiplier stays until the next dart and the mark history still names the number.
// On the buttons the dart count only tells the undo whether the turn holds a mark.
void expectUndone(const GameState& before, const GameState& after, bool buttons) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    expectSameRecord(before.players[seat], after.players[seat], seat);
  }
  GameState expected = before;
  expected.players = after.players;
  expected.undo_enabled = false;
  expected.panel[4] = after.panel[4];
  expected.last_mult = after.last_mult;
  if (buttons) expected.darts_thrown = after.darts_thrown;
  EXPECT_EQ(expected, after);
}

struct UndoCase {
  const char* what;
  int players;
  bool useBoard;
  const char* setup;
  const char* entry;
  UndoResult result;
  friend std::ostream& operator<<(std::ostream& os, const UndoCase& c) { return os << c.what; }
};

class Undo : public ::testing::TestWithParam<UndoCase> {};

TEST_P(Undo, TakesBackTheLatestEntryOrRefuses) {
  const UndoCase& c = GetParam();
  Session s;
  s.start(kCricket, c.players, 0, c.useBoard);
  s.play(c.setup);
  const GameState before = s.state();
  s.play(c.entry);
  const GameState entered = s.state();
  ASSERT_TRUE(entered.undo_enabled);
  s.clips.cues.clear();

  ASSERT_EQ(s.game.mnuundo_Click(), c.result);
  if (c.result == UndoResult::Done) {
    expectUndone(before, s.state(), !c.useBoard);
  } else {
    GameState expected = entered;
    expected.undo_enabled = false;
    EXPECT_EQ(s.state(), expected);
  }
  EXPECT_TRUE(s.clips.cues.empty());

  const GameState once = s.state();
  EXPECT_EQ(s.game.mnuundo_Click(), UndoResult::Unavailable);
  EXPECT_EQ(s.state(), once);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Undo,
    ::testing::Values(
        UndoCase{"board_first_dart_triple", 2, true, "", "T20", UndoResult::Done},
        UndoCase{"board_within_turn", 2, true, "S19", "D18", UndoResult::Done},
        UndoCase{"board_third_dart_to_next_seat", 3, true, "S19 S19", "S19", UndoResult::Done},
        UndoCase{"board_third_dart_across_the_round", 2, true, "M M M S19 S19", "S19",
                 UndoResult::Done},
        UndoCase{"board_one_player_across_the_round", 1, true, "S20 S20", "S19",
                 UndoResult::Done},
        UndoCase{"board_fourth_mark_scored", 2, true, "T20 M M M M M", "S20", UndoResult::Done},
        UndoCase{"board_fourth_mark_against_closed", 2, true, "T20 M M T20 M M", "S20",
                 UndoResult::Done},
        UndoCase{"board_triple_to_four", 2, true, "S19", "T19", UndoResult::Done},
        UndoCase{"board_triple_to_five_refused", 2, true, "S19 S19", "T19",
                 UndoResult::Refused},
        UndoCase{"board_double_bull_to_five_refused", 2, true, "T17 OB OB M M M OB", "IB",
                 UndoResult::Refused},
        UndoCase{"buttons_first_mark", 2, false, "", "b1", UndoResult::Done},
        UndoCase{"buttons_second_mark_of_turn", 2, false, "b1", "b2", UndoResult::Done},
        UndoCase{"buttons_fourth_scored", 2, false, "b3 b3 b3", "b3", UndoResult::Done},
        UndoCase{"buttons_fourth_against_closed", 2, false, "b4 b4 b4 n b4 b4 b4 n", "b4",
                 UndoResult::Done},
        UndoCase{"buttons_fifth_refused", 2, false, "b5 b5 b5 b5", "b5", UndoResult::Refused},
        UndoCase{"buttons_across_the_round", 2, false, "n", "b6 n", UndoResult::Done},
        UndoCase{"buttons_to_previous_seat_refused", 3, false, "b7 b7 b7 b7", "b7 n",
                 UndoResult::Refused}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Undo, ANonScoringBoardDartEndsTheUndo) {
  Session s;
  s.start(kCricket, 2);
  s.play("S20 M");
  const GameState before = s.state();
  EXPECT_EQ(s.game.mnuundo_Click(), UndoResult::Unavailable);
  EXPECT_EQ(s.state(), before);
}

// On the buttons a turn passed without a mark has nothing to take back, and the mark
// before it belongs to someone who no longer made the latest entry.
TEST(Undo, APassWithoutAMarkOnTheButtonsEndsTheUndo) {
  Session s;
  s.start(kCricket, 3, 0, false);
  s.play("b1 n");
  ASSERT_TRUE(s.state().undo_enabled);  // seat 1's mark can still be taken back
  s.play("n");
  EXPECT_FALSE(s.state().undo_enabled);
  const GameState before = s.state();
  EXPECT_EQ(s.game.mnuundo_Click(), UndoResult::Unavailable);
  EXPECT_EQ(s.state(), before);
  EXPECT_EQ(s.seat(1).TimesHit(20), 1);
}
