// Undo Hit: every latest entry is taken back to the state before it, or refused with
// nothing changed; the command then stays disabled until the next mark.

#include "session.h"

// Two players on the board with nothing thrown before the entry, unless a row says otherwise.
struct UndoCase {
  const char* what;
  int players = 2;
  bool useBoard = true;
  const char *setup = "", *entry;
  UndoResult result;
};

using enum UndoResult;

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
    // latest mark still names the number, and on the buttons the dart count only tells
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
const UndoCase kEntries[] = {
    {.what = "board_first_dart_triple", .entry = "T20", .result = Done},
    {.what = "board_third_dart_to_next_seat", .players = 3, .setup = "S19 S19", .entry = "S19",
     .result = Done},
    {.what = "board_third_dart_across_the_round", .setup = "M M M S19 S19", .entry = "S19",
     .result = Done},
    {.what = "board_fourth_mark_scored", .setup = "T20 M M M M M", .entry = "S20", .result = Done},
    {.what = "board_fourth_mark_against_closed", .setup = "T20 M M T20 M M", .entry = "S20",
     .result = Done},
    {.what = "board_triple_to_four", .setup = "S19", .entry = "T19", .result = Done},
    {.what = "board_triple_to_five_refused", .setup = "S19 S19", .entry = "T19", .result = Refused},
    {.what = "board_miss_ends_it", .setup = "S20", .entry = "M", .result = Unavailable},
    {.what = "buttons_second_mark_of_turn", .useBoard = false, .setup = "b1", .entry = "b2",
     .result = Done},
    {.what = "buttons_across_the_round", .useBoard = false, .setup = "n", .entry = "b6 n",
     .result = Done},
    {.what = "buttons_to_previous_seat_refused", .players = 3, .useBoard = false,
     .setup = "b7 b7 b7 b7", .entry = "b7 n", .result = Refused},
    // before the player count was ever chosen seat 1 plays alone; with a count
    // beyond the seats the round ends with seat 4
    {.what = "buttons_no_count_across_the_round", .players = 0, .useBoard = false, .entry = "b1 n",
     .result = Done},
    {.what = "buttons_count_beyond_the_seats_back_to_seat_4", .players = 5, .useBoard = false,
     .setup = "n n n", .entry = "b1 n", .result = Done},
    // a turn passed without a mark has nothing to take back, and the mark before
    // it belongs to someone who no longer made the latest entry
    {.what = "buttons_pass_without_a_mark_ends_it", .players = 3, .useBoard = false,
     .setup = "b1 n", .entry = "n", .result = Unavailable},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Entries, Undo, ::testing::ValuesIn(kEntries), kByWhat);

// A mark on 1, a number only Random Cricket plays, is taken back like any other.
TEST(UndoRandomCricket, TakesBackAMarkOnOne) {
  const int numbers[] = {20, 12, 9, 7, 3, 1};
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(numbers[next++ % 6]) - 0.5f) / 20.0f; });
  s.start(kRandomCricket, 2);
  ASSERT_EQ(s.st().targets[6], 1);
  s.play("S1");
  EXPECT_EQ(s.seat(1).marks(1), 1);
  EXPECT_EQ(s.game.undoLatestEntry(), UndoResult::Done);
  EXPECT_EQ(s.seat(1).marks(1), 0);
}
