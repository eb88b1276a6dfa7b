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

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.what; }

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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, Undo, ::testing::Values(
    UndoCase{.what = "board_first_dart_triple", .players = 2, .useBoard = true, .setup = "",
             .entry = "T20", .result = UndoResult::Done},
    UndoCase{.what = "board_third_dart_to_next_seat", .players = 3, .useBoard = true,
             .setup = "S19 S19", .entry = "S19", .result = UndoResult::Done},
    UndoCase{.what = "board_third_dart_across_the_round", .players = 2, .useBoard = true,
             .setup = "M M M S19 S19", .entry = "S19", .result = UndoResult::Done},
    UndoCase{.what = "board_fourth_mark_scored", .players = 2, .useBoard = true,
             .setup = "T20 M M M M M", .entry = "S20", .result = UndoResult::Done},
    UndoCase{.what = "board_fourth_mark_against_closed", .players = 2, .useBoard = true,
             .setup = "T20 M M T20 M M", .entry = "S20", .result = UndoResult::Done},
    UndoCase{.what = "board_triple_to_four", .players = 2, .useBoard = true, .setup = "S19",
             .entry = "T19", .result = UndoResult::Done},
    UndoCase{.what = "board_triple_to_five_refused", .players = 2, .useBoard = true,
             .setup = "S19 S19", .entry = "T19", .result = UndoResult::Refused},
    UndoCase{.what = "board_miss_ends_it", .players = 2, .useBoard = true, .setup = "S20",
             .entry = "M", .result = UndoResult::Unavailable},
    UndoCase{.what = "buttons_second_mark_of_turn", .players = 2, .useBoard = false, .setup = "b1",
             .entry = "b2", .result = UndoResult::Done},
    UndoCase{.what = "buttons_across_the_round", .players = 2, .useBoard = false, .setup = "n",
             .entry = "b6 n", .result = UndoResult::Done},
    UndoCase{.what = "buttons_to_previous_seat_refused", .players = 3, .useBoard = false,
             .setup = "b7 b7 b7 b7", .entry = "b7 n", .result = UndoResult::Refused},
    // before the player count was ever chosen seat 1 plays alone; with a count
    // beyond the seats the round ends with seat 4
    UndoCase{.what = "buttons_no_count_across_the_round", .players = 0, .useBoard = false,
             .setup = "", .entry = "b1 n", .result = UndoResult::Done},
    UndoCase{.what = "buttons_count_beyond_the_seats_back_to_seat_4", .players = 5,
             .useBoard = false, .setup = "n n n", .entry = "b1 n", .result = UndoResult::Done},
    // a turn passed without a mark has nothing to take back, and the mark before
    // it belongs to someone who no longer made the latest entry
    UndoCase{.what = "buttons_pass_without_a_mark_ends_it", .players = 3, .useBoard = false,
             .setup = "b1 n", .entry = "n", .result = UndoResult::Unavailable}
), kByWhat);
// clang-format on
