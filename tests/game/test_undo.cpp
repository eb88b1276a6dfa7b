// Undo Hit: every latest entry is taken back to the state before it, or refused with
// nothing changed; the command then stays disabled until the next mark.

#include "session.h"

struct UndoCase {
  const char* what;
  int players;
  bool useBoard;
  const char *setup, *entry;
  UndoResult result;
};

class Undo : public ::testing::TestWithParam<UndoCase> {};

TEST_P(Undo, TakesBackTheLatestEntryOrRefuses) {
  const UndoCase& c = GetParam();
  Session s(kCricket, c.players, 0, c.useBoard);
  s.play(c.setup);
  const GameState before = s.st();
  s.play(c.entry);
  GameState expected = s.st();
  ASSERT_EQ(expected.undoEnabled, c.result != UndoResult::Unavailable);
  s.clips.cues().clear();
  ASSERT_EQ(s.game.undoLatestEntry(), c.result);
  const GameState& after = s.st();
  if (c.result == UndoResult::Done) {
    // Back to the state before the entry, apart from what an undo does not restore: the
    // pointer still names the entry's bed, its multiplier stays until the next dart, the
    // mark history still names the number, and on the buttons the dart count only tells
    // whether the turn holds a mark.
    expectSameRecords(before, after);
    expected = before;
    expected.players = after.players;
    expected.bed = after.bed;
    expected.lastMultiplier = after.lastMultiplier;
    if (!c.useBoard) expected.dartsThrown = after.dartsThrown;
  }
  expected.undoEnabled = false;
  EXPECT_EQ(after, expected);
  EXPECT_EQ(s.clips.cues(), "");
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Unavailable);  // once only
  EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Undo,
    ::testing::Values(
        UndoCase{"board_first_dart_triple", 2, true, "", "T20", UndoResult::Done},
        UndoCase{"board_third_dart_to_next_seat", 3, true, "S19 S19", "S19", UndoResult::Done},
        UndoCase{"board_third_dart_across_the_round", 2, true, "M M M S19 S19", "S19",
                 UndoResult::Done},
        UndoCase{"board_fourth_mark_scored", 2, true, "T20 M M M M M", "S20", UndoResult::Done},
        UndoCase{"board_fourth_mark_against_closed", 2, true, "T20 M M T20 M M", "S20",
                 UndoResult::Done},
        UndoCase{"board_triple_to_four", 2, true, "S19", "T19", UndoResult::Done},
        UndoCase{"board_triple_to_five_refused", 2, true, "S19 S19", "T19", UndoResult::Refused},
        UndoCase{"board_miss_ends_it", 2, true, "S20", "M", UndoResult::Unavailable},
        UndoCase{"buttons_second_mark_of_turn", 2, false, "b1", "b2", UndoResult::Done},
        UndoCase{"buttons_across_the_round", 2, false, "n", "b6 n", UndoResult::Done},
        UndoCase{"buttons_to_previous_seat_refused", 3, false, "b7 b7 b7 b7", "b7 n",
                 UndoResult::Refused},
        // before the player count was ever chosen seat 1 plays alone; with a count beyond
        // the seats the round ends with seat 4
        UndoCase{"buttons_no_count_across_the_round", 0, false, "", "b1 n", UndoResult::Done},
        UndoCase{"buttons_count_beyond_the_seats_back_to_seat_4", 5, false, "n n n", "b1 n",
                 UndoResult::Done},
        // a turn passed without a mark has nothing to take back, and the mark before it
        // belongs to someone who no longer made the latest entry
        UndoCase{"buttons_pass_without_a_mark_ends_it", 3, false, "b1 n", "n",
                 UndoResult::Unavailable}),
    kByWhat);
