// Countdown games and the turn cycle: whole turns under each in/out rule, busts and
// wins with their cues, rounds and seats, the darts display, score editing, and that
// nothing moves outside a game.

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"

using Cues = std::vector<std::string>;
const Cues kChange = {"WAVHIT", "WAVHIT", "WAVHIT", "CHANGE"};
const Cues kBust = {"WAVHIT", "WAVHIT", "WAVHIT", "BREAK", "CHANGE"};
const Cues kWin = {"WAVHIT", "WAVHIT", "WAVHIT", "PLAYER", "ONE", "WINS"};

struct TurnCase {
  const char* what;
  int16_t rule;
  bool doubleBull;
  bool alreadyIn;  // came in on an earlier turn
  int score;       // before the turn
  const char* darts;
  int totalTwo;    // turn total after the first two darts
  int scoreAfter;
  bool inAfter;
  Cues cues;
  friend std::ostream& operator<<(std::ostream& os, const TurnCase& c) { return os << c.what; }
};

class CountdownTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(CountdownTurn, SettlesAtTheEndOfTheTurn) {
  const TurnCase& c = GetParam();
  Session s;
  s.game.options.double_bull = c.doubleBull;
  s.start(k501, 1, c.rule);
  if (c.alreadyIn) s.play(c.rule == 3 ? "T1 M M" : c.rule == 2 ? "D1 M M" : "S1 M M");
  s.setScore(1, c.score);
  s.clips.cues.clear();

  std::istringstream darts(c.darts);
  std::string first, second, third;
  darts >> first >> second >> third;
  s.play(first + " " + second);
  EXPECT_EQ(s.state().turn_total, c.totalTwo);
  EXPECT_EQ(s.state().panel[6], std::to_string(c.totalTwo));
  s.play(third);
  EXPECT_EQ(s.seat(1).Score(), c.scoreAfter);
  EXPECT_EQ(s.seat(1).IsIn(), c.inAfter);
  EXPECT_EQ(s.clips.cues, c.cues);
  const bool won = c.scoreAfter == 0;
  EXPECT_EQ(s.state().game_on, !won);
  EXPECT_EQ(s.state().escore_enabled, !won);
  EXPECT_EQ(s.state().round_num, 1 + c.alreadyIn + !won);  // a win does not count a round
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CountdownTurn,
    ::testing::Values(
        TurnCase{"any_40_double20_wins", 0, true, false, 40, "D20 M M", 40, 0, true, kWin},
        TurnCase{"any_1_single1_wins", 0, true, true, 1, "S1 M M", 1, 0, true, kWin},
        TurnCase{"any_40_turn60_busts", 0, true, true, 40, "T20 M M", 60, 40, true, kBust},
        TurnCase{"double_40_turn60_busts", 2, true, true, 40, "T20 M M", 60, 40, true, kBust},
        TurnCase{"triple_40_turn60_busts", 3, true, true, 40, "T20 M M", 60, 40, true, kBust},
        TurnCase{"double_41_leaves1_busts", 2, true, true, 41, "S20 D10 M", 40, 41, true, kBust},
        TurnCase{"double_3_leaves2_stands", 2, true, true, 3, "S1 M M", 1, 2, true, kChange},
        TurnCase{"double_2_leaves1_busts", 2, true, true, 2, "S1 M M", 1, 2, true, kBust},
        TurnCase{"double_40_singles_finish", 2, true, true, 40, "S20 S20 M", 40, 0, true, kWin},
        TurnCase{"triple_62_turn60_busts", 3, true, true, 62, "T20 M M", 60, 62, true, kBust},
        TurnCase{"triple_62_turn59_stands", 3, true, true, 62, "T19 S2 M", 59, 3, true, kChange},
        TurnCase{"triple_4_leaves3_stands", 3, true, true, 4, "S1 M M", 1, 3, true, kChange},
        TurnCase{"triple_4_leaves2_busts", 3, true, true, 4, "S2 M M", 2, 4, true, kBust},
        TurnCase{"triple_4_leaves1_busts", 3, true, true, 4, "S3 M M", 3, 4, true, kBust},
        TurnCase{"double_in_counts_from_the_double", 2, true, false, 301, "S20 D20 S5", 40, 256,
                 true, kChange},
        TurnCase{"double_in_never_in_scores_nothing", 2, true, false, 301, "S20 T19 OB", 0, 301,
                 false, kChange},
        TurnCase{"double_in_double_bull_brings_in", 2, true, false, 301, "IB M M", 50, 251, true,
                 kChange},
        TurnCase{"double_in_single_bull_does_not", 2, false, false, 301, "IB S20 M", 0, 301, false,
                 kChange},
        TurnCase{"triple_in_no_bull_brings_in", 3, true, false, 301, "IB OB M", 0, 301, false,
                 kChange},
        TurnCase{"triple_in_from_a_triple", 3, true, false, 301, "S20 T7 S1", 21, 279, true,
                 kChange},
        TurnCase{"bust_keeps_the_player_in", 2, true, false, 40, "D20 S5 M", 45, 40, true,
                 kBust}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(TurnCycle, WinBySeatTwoEndsTheGameWhereItStands) {
  Session s;
  s.start(k301, 3);
  s.setScore(2, 20);
  s.play("M M M");
  s.clips.cues.clear();
  s.play("D10 M M");
  EXPECT_EQ(s.clips.cues, (Cues{"WAVHIT", "WAVHIT", "WAVHIT", "PLAYER", "TWO", "WINS"}));
  const GameState& st = s.state();
  EXPECT_FALSE(st.game_on);
  EXPECT_EQ(st.cur_player, 2);
  EXPECT_EQ(st.round_num, 1);
  EXPECT_EQ(st.green, (std::array<bool, 5>{}));  // the winner has already turned blue
  EXPECT_EQ(st.score_pt[2], 40);
  EXPECT_FALSE(st.escore_enabled);
  EXPECT_FALSE(st.undo_enabled);
}

TEST(TurnCycle, SeatsRoundsColoursAndScoreSizes) {
  struct Seating {
    int players;
    std::vector<int> seats;   // to throw after each turn
    std::vector<int> rounds;  // shown after each turn
  };
  for (const Seating& c : {Seating{1, {1, 1, 1}, {2, 3, 4}},
                           Seating{3, {2, 3, 1, 2, 3, 1}, {1, 1, 2, 2, 2, 3}}}) {
    Session s;
    s.start(k501, c.players);
    for (std::size_t turn = 0; turn < c.seats.size(); ++turn) {
      SCOPED_TRACE(std::to_string(c.players) + " players, turn " + std::to_string(turn + 1));
      s.play("S1 M S1");
      const GameState& st = s.state();
      ASSERT_EQ(st.cur_player, c.seats[turn]);
      EXPECT_EQ(st.round_num, c.rounds[turn]);
      EXPECT_EQ(st.panel[8], std::to_string(c.rounds[turn]));
      EXPECT_EQ(st.panel[2], st.names[st.cur_player]);
      EXPECT_EQ(st.panel[6], "0");
      EXPECT_EQ(s.clips.take().back(), "CHANGE");
      for (int seat = 1; seat <= kSeats; ++seat) {
        EXPECT_EQ(st.green[seat], seat == st.cur_player) << seat;
        EXPECT_EQ(st.score_pt[seat], seat == st.cur_player ? 40 : 20) << seat;
      }
    }
    EXPECT_EQ(s.seat(4).Score(), 501);  // seat 4 never throws
  }
}

TEST(TurnCycle, DartPicturesCountDownAndRefillForTheNextPlayer) {
  Session s;
  s.start(k301, 2);
  const bool shown12[] = {false, false, true}, shown11[] = {true, false, true};
  for (int d = 0; d < 3; ++d) {
    s.play("S5");
    EXPECT_EQ(s.state().panel_shown[12], shown12[d]) << "dart " << d + 1;
    EXPECT_EQ(s.state().panel_shown[11], shown11[d]) << "dart " << d + 1;
  }
  EXPECT_EQ(s.state().cur_player, 2);
  EXPECT_EQ(s.state().darts_thrown, 0);
}

TEST(TurnCycle, NoSoundNoCues) {
  Session s;
  s.game.sound_on = false;
  s.start(k301, 1);
  s.setScore(1, 45);
  s.play("T20 M M T15 M M");  // a bust, then a win
  EXPECT_FALSE(s.state().game_on);
  EXPECT_TRUE(s.clips.cues.empty());
}

// Score editing to 0, 1 or below: the settlement at the end of the player's next turn.
struct EditedCase {
  const char* what;
  int16_t rule;
  int edited;
  const char* darts;
  int scoreAfter;
  Cues cues;
  friend std::ostream& operator<<(std::ostream& os, const EditedCase& c) { return os << c.what; }
};

class EditedScore : public ::testing::TestWithParam<EditedCase> {};

TEST_P(EditedScore, SettlesOnTheNextTurn) {
  const EditedCase& c = GetParam();
  Session s;
  s.start(k301, 2, c.rule);
  s.play(c.rule == 2 ? "D1 M M M M M" : "S1 M M M M M");  // in; seat 1 to throw again
  s.setScore(1, c.edited);
  EXPECT_TRUE(s.state().game_on);  // an edit alone never ends the game
  s.clips.cues.clear();
  s.play(c.darts);
  EXPECT_EQ(s.seat(1).Score(), c.scoreAfter);
  EXPECT_EQ(s.clips.cues, c.cues);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EditedScore,
    ::testing::Values(EditedCase{"zero_with_points_wins_without_break", 0, 0, "S20 M M", 0, kWin},
                      EditedCase{"zero_without_points_wins", 2, 0, "M M M", 0, kWin},
                      EditedCase{"negative_busts", 0, -5, "M M M", -5, kBust},
                      EditedCase{"one_under_double_out_busts_without_points", 2, 1, "M M M", 1,
                                 kBust},
                      EditedCase{"one_under_double_out_wins_with_one", 2, 1, "S1 M M", 0, kWin}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(EditScore, ChangesOneScoreOnlyAndHoldsAtTheLimits) {
  Session s;
  s.start(k301, 2);
  s.play("S20");
  GameState expected = s.state();
  s.game.editScore(2, 25, false);
  expected.players[2].Score(276);
  EXPECT_EQ(s.state(), expected);  // turn total, seat, darts and "in" stay

  s.game.editScore(1, 32000, true);
  s.game.editScore(1, 32000, true);
  EXPECT_EQ(s.seat(1).Score(), INT16_MAX);
  for (int i = 0; i < 3; ++i) s.game.editScore(2, 30000, false);
  EXPECT_EQ(s.seat(2).Score(), INT16_MIN);
  s.play("S20 S20");  // seat 1's turn ends: 60 off the highest score
  EXPECT_EQ(s.seat(1).Score(), INT16_MAX - 60);
  s.play("S20 S20 S20");  // seat 2 busts from the lowest score; nothing wraps
  EXPECT_EQ(s.seat(2).Score(), INT16_MIN);
}

// Outside a countdown game in progress nothing moves: no dart, button, key, turn
// change, undo or score edit changes any part of the state.
class OutsideAGame : public ::testing::TestWithParam<const char*> {};

TEST_P(OutsideAGame, EveryInputIsIgnored) {
  const std::string when = GetParam();
  Session s;
  if (when == "countdown_won") {
    s.start(k301, 2);
    s.setScore(1, 40);
    s.play("D20 M M");
  } else if (when == "cricket_won") {
    s.start(kCricket, 1, 0, false);
    s.play("b1 b1 b1 b2 b2 b2 b3 b3 b3 b4 b4 b4 b5 b5 b5 b6 b6 b6 b7 b7 b7");
  } else if (when == "cricket_in_play") {
    s.start(kCricket, 2);
  }
  const Point spot = bedPoint(20, Ring::Triple);
  s.game.boardMove(spot.x, spot.y);
  s.clips.cues.clear();
  const GameState before = s.state();
  const bool inPlay = when == "cricket_in_play";
  s.game.editScore(1, 5, true);
  s.game.editScore(1, 5, false);
  if (!inPlay) {
    s.game.boardClick(spot.x, spot.y);
    for (int i = 0; i <= kTargets; ++i) s.game.CmdHit_Click(i);
    for (char32_t ch : std::u32string_view(U"+0-5")) s.game.keyTyped(ch);
    s.game.Advance_Player();
  }
  EXPECT_NE(s.game.mnuundo_Click(), UndoResult::Done);
  EXPECT_EQ(s.state(), before);
  EXPECT_TRUE(s.clips.cues.empty());
}

INSTANTIATE_TEST_SUITE_P(When, OutsideAGame,
                         ::testing::Values("before_the_first_game", "countdown_won", "cricket_won",
                                           "cricket_in_play"));

// A game set up before the number of players was ever chosen (0), or with more players
// than seats, must never hand the throw to a seat that does not exist.
TEST(TurnCycle, APlayerCountOutsideTheSeatsStaysOnTheSeats) {
  for (int players : {0, 5}) {
    Session s;
    s.start(k301, players);
    for (int turn = 1; turn <= 9; ++turn) {
      s.play("S1 M M");
      const int seat = s.state().cur_player;
      ASSERT_TRUE(players == 0 ? seat == 1 : seat >= 1 && seat <= kSeats)
          << players << " players, turn " << turn << ": seat " << seat;
    }
  }
}
