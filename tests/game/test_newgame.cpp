// Setting up a new game: every game type, 1..4 players, board or buttons, always from
// the leftovers of an earlier game; then the random draws, fixed and from the clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <tuple>
#include <vector>

#include "session.h"

using NewGameCase = std::tuple<int16_t /*type*/, int /*players*/, bool /*board*/>;

class NewGame : public ::testing::TestWithParam<NewGameCase> {};

TEST_P(NewGame, StartsCleanWithSeatOneToThrow) {
  const auto [type, players, useBoard] = GetParam();
  Session s;
  // An earlier game left marks, points, a later seat and round, and an enabled undo.
  s.start(kCricket, 2, 0, false);
  s.play("b1 b1 b1 b1 n b2 n b3");
  ASSERT_TRUE(s.state().undo_enabled);

  s.start(type, players, 2, useBoard);
  const GameState& st = s.state();
  const bool countdown = type >= k301;
  const bool onBoard = countdown || useBoard;
  EXPECT_TRUE(st.game_on);
  EXPECT_EQ(st.cur_player, 1);
  EXPECT_EQ(st.darts_thrown, 0);
  EXPECT_EQ(st.last_mult, 1);
  EXPECT_EQ(st.round_num, 1);
  EXPECT_EQ(st.turn_total, 0);
  EXPECT_EQ(st.panel[2], "Ann");
  EXPECT_EQ(st.panel[6], "0");
  EXPECT_EQ(st.panel[8], "1");
  EXPECT_EQ(st.escore_enabled, countdown);
  EXPECT_FALSE(st.undo_enabled);
  EXPECT_EQ(st.board_shown, onBoard);
  EXPECT_EQ(st.next_button_shown, !onBoard);
  EXPECT_EQ(st.cricket_form, !countdown);
  for (int p = 9; p <= 12; ++p) EXPECT_EQ(st.panel_shown[p], onBoard) << "panel " << p;

  // Cricket scores start at 0; the random start is drawn once for all four seats.
  const int16_t start[] = {0, 0, 301, 501, s.seat(1).Score()};
  EXPECT_TRUE(type != kRandomCountdown || (start[type] >= 301 && start[type] <= 900));
  for (int seat = 1; seat <= kSeats; ++seat) {
    SCOPED_TRACE("seat " + std::to_string(seat));
    EXPECT_EQ(st.green[seat], seat == 1);
    EXPECT_EQ(s.seat(seat).Score(), start[type]);
    EXPECT_FALSE(s.seat(seat).IsIn());
    for (int n = 1; n <= 25; ++n) EXPECT_EQ(s.seat(seat).TimesHit(n), 0);
    if (countdown) {
      EXPECT_EQ(st.score_pt[seat], seat == 1 ? 40 : 20);
    }
  }
  if (type == kCricket) {
    EXPECT_EQ(st.cricknums, (std::array<int16_t, 8>{0, 20, 19, 18, 17, 16, 15, 25}));
  }
}

INSTANTIATE_TEST_SUITE_P(AllGames, NewGame,
                         ::testing::Combine(::testing::Values(kCricket, kRandomCricket, k301,
                                                              k501, kRandomCountdown),
                                            ::testing::Range(1, 5), ::testing::Bool()));

struct StartDraw {
  float r;
  int16_t start;
  friend std::ostream& operator<<(std::ostream& os, const StartDraw& d) {
    return os << "r=" << d.r << " start=" << d.start;
  }
};

class RandomStart : public ::testing::TestWithParam<StartDraw> {};

TEST_P(RandomStart, IsTheIntegerPartOfSixHundredTimesRPlus301) {
  Session s([r = GetParam().r] { return r; });
  s.start(kRandomCountdown, 2);
  for (int seat = 1; seat <= kSeats; ++seat) EXPECT_EQ(s.seat(seat).Score(), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Draws, RandomStart,
                         ::testing::Values(StartDraw{0.0f, 301}, StartDraw{0.25f, 451},
                                           StartDraw{0.99999f, 900}, StartDraw{1.0f, 900}));

TEST(RandomCricket, RedrawsRepeatsAndSortsDescending) {
  // The draws give 3, 3 (again), 20, 1, 7, 3 (again), 12, 9.
  std::vector<int> numbers = {3, 3, 20, 1, 7, 3, 12, 9};
  std::size_t next = 0;
  Session s([&] { return (static_cast<float>(numbers.at(next++)) - 0.5f) / 20.0f; });
  s.start(kRandomCricket, 2);
  EXPECT_EQ(next, numbers.size());
  EXPECT_EQ(s.state().cricknums, (std::array<int16_t, 8>{0, 20, 12, 9, 7, 3, 1, 25}));
}

TEST(ClockDraws, RandomCricketTargetsAreSixDistinctDescendingNumbersAndTheBull) {
  Session s;
  std::set<int> seen;
  for (int game = 0; game < 300; ++game) {
    s.start(kRandomCricket, 2);
    const auto& n = s.state().cricknums;
    ASSERT_EQ(n[7], 25);
    for (std::size_t i = 1; i <= 6; ++i) {
      ASSERT_GE(n[i], 1);
      ASSERT_LE(n[i], 20);
      if (i > 1) {
        ASSERT_GT(n[i - 1], n[i]) << "game " << game;
      }
      seen.insert(n[i]);
    }
  }
  EXPECT_EQ(seen.size(), 20u);  // every number from 1 to 20 turns up, not just 15..20
}

TEST(ClockDraws, RandomCountdownStartsEqualFrom301To900) {
  Session s;
  std::set<int> starts;
  for (int game = 0; game < 300; ++game) {
    s.start(kRandomCountdown, 3);
    const int start = s.seat(1).Score();
    ASSERT_GE(start, 301);
    ASSERT_LE(start, 900);
    for (int seat = 2; seat <= kSeats; ++seat) ASSERT_EQ(s.seat(seat).Score(), start);
    starts.insert(start);
  }
  EXPECT_GT(starts.size(), 100u);  // a fresh draw per game, spread over the range
}
