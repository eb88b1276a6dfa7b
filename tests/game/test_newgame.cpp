// Setting up a new game: every game type, 1..4 players, board or buttons, always from
// the leftovers of an earlier game; then the random draws, fixed and from the clock.

#include "session.h"

class NewGame : public ::testing::TestWithParam<std::tuple<int16_t, int, bool>> {};

// A game set up after an earlier one that left marks, points, a later seat and round and
// an enabled undo is the game a fresh program sets up.
TEST_P(NewGame, StartsCleanWithSeatOneToThrow) {
  const auto [type, players, useBoard] = GetParam();
  // Both draw 0.25, 0.3, 0.35, ...: a random start of 0.25 * 600 + 301.
  auto source = [] {
    return [k = 0]() mutable { return static_cast<float>((k++ + 5) % 20) / 20; };
  };
  Session used(source()), fresh(source());
  used.start(kCricket, 2, 0, false);
  used.play("b1 b1 b1 b1 n b2 n b3");
  used.start(type, players, 2, useBoard);
  fresh.start(type, players, 2, useBoard);
  expectSameRecords(fresh.st(), used.st());
  GameState st = used.st();
  st.players = fresh.st().players;                        // the mark history is not part of a game
  if (type >= k301) st.cricknums = fresh.st().cricknums;  // countdown games hide the targets
  EXPECT_EQ(st, fresh.st());

  const bool countdown = type >= k301, onBoard = countdown || useBoard;
  EXPECT_TRUE(st.game_on && st.cur_player == 1 && st.round_num == 1 && !st.undo_enabled);
  EXPECT_EQ(st.panel[2] + st.panel[6] + st.panel[8], "Ann01");
  EXPECT_TRUE(st.escore_enabled == countdown && st.cricket_form != countdown);
  EXPECT_TRUE(st.board_shown == onBoard && st.next_button_shown != onBoard &&
              st.panel_shown[9] == onBoard);
  const int16_t start[] = {0, 0, 301, 501, 451};
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_TRUE(st.players[seat].Score() == start[type] && st.green[seat] == (seat == 1)) << seat;
  }
}

INSTANTIATE_TEST_SUITE_P(AllGames, NewGame,
                         ::testing::Combine(::testing::Values(kCricket, kRandomCricket, k301, k501,
                                                              kRandomCountdown),
                                            ::testing::Range(1, 5), ::testing::Bool()));

TEST(RandomDraws, FromAFixedSource) {
  for (const auto& [r, start] : {std::pair{0.0f, 301}, {0.99999f, 900}, {1.0f, 900}}) {
    Session s([r] { return r; });
    s.start(kRandomCountdown, 2);
    EXPECT_EQ(s.seat(1).Score(), start) << r;
  }
  // A number drawn again is drawn anew: 3 comes up three times.
  const int numbers[] = {3, 3, 20, 1, 7, 3, 12, 9};
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(numbers[next++]) - 0.5f) / 20.0f; });
  s.start(kRandomCricket, 2);
  EXPECT_EQ(next, 8u);
  EXPECT_EQ(s.st().cricknums, (std::array<int16_t, 8>{0, 20, 12, 9, 7, 3, 1, 25}));
}

TEST(RandomDraws, FromTheClock) {
  Session s;
  std::set<int> targets, starts;
  for (int game = 0; game < 300; ++game) {
    s.start(kRandomCricket, 2);
    const auto& n = s.st().cricknums;
    ASSERT_EQ(n[7], 25);
    for (std::size_t i = 1; i <= 6; ++i) {
      ASSERT_TRUE(n[i] >= 1 && n[i] <= 20 && (i == 1 || n[i - 1] > n[i])) << "game " << game;
      targets.insert(n[i]);
    }
    s.start(kRandomCountdown, 3);
    const int start = s.seat(1).Score();
    ASSERT_TRUE(start >= 301 && start <= 900 && s.seat(4).Score() == start) << start;
    starts.insert(start);
  }
  EXPECT_EQ(targets.size(), 20u);  // every number from 1 to 20 turns up, not just 15..20
  EXPECT_GT(starts.size(), 100u);  // a fresh draw per game, spread over the range
}
