// Random play: millions of inputs of every kind the window can deliver (clicks anywhere on
// and off the board, target buttons, keys, next player, undo, score edits, new games with
// any options), with the rules that must hold checked after every single step.
//
// Step count: BRINDLEMARK_RANDOM_STEPS (default 40 million in an optimised build, fewer
// under the sanitizers). Start value of the generator: BRINDLEMARK_RANDOM_START, otherwise
// started from the clock; it is printed, so a failing run can be repeated:
//   BRINDLEMARK_RANDOM_START=1234 build/default/tests/game/test_random_play

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>

#include "game/game.h"
#include "input/board.h"

namespace {

#ifndef __has_feature
#define __has_feature(x) 0  // GCC before 14 names only __SANITIZE_ADDRESS__
#endif
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
constexpr long kDefaultSteps = 1'500'000;
#elif defined(NDEBUG)
constexpr long kDefaultSteps = 40'000'000;
#else
constexpr long kDefaultSteps = 4'000'000;
#endif

long envLong(const char* name, long fallback) {
  const char* text = std::getenv(name);
  char* end = nullptr;
  const long value = (text && *text) ? std::strtol(text, &end, 10) : -1;
  return (end && *end == '\0' && value >= 0) ? value : fallback;
}

struct SilentClips : ClipPlayer {
  void play(Clip) override {}
};

const int kNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25};
constexpr double kRadii[] = {0,
                             board::kInnerBull,
                             board::kOuterBull,
                             board::kTripleInner,
                             board::kTripleOuter,
                             board::kDoubleInner,
                             board::kDoubleOuter};
using Marks = std::array<std::array<int, 22>, kSeats + 1>;  // the marks on 1..20 and 25, the score
// What an allowed undo must bring back: marks (the closed flags follow them, checked after
// every step), scores, the player to throw and his panels, the round, and on the board the
// darts of the turn (on the buttons the dart count only says whether the turn holds a mark).
using UndoView = std::tuple<Marks, std::array<bool, kSeats + 1>, int16_t, int16_t, std::string,
                            std::string, std::array<int, 3>>;

UndoView undoView(const Game& g) {
  const GameState& s = g.state();
  Marks marks{};
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int i = 0; i < 21; ++i) marks[seat][i] = g.player(seat).TimesHit(kNumbers[i]);
    marks[seat][21] = g.player(seat).Score();
  }
  const bool b = g.options.use_board;
  return {marks,
          s.green,
          s.cur_player,
          s.round_num,
          s.panel[2],
          s.panel[8],
          {b ? s.darts_thrown : 0, b && s.panel_shown[11], b && s.panel_shown[12]}};
}

class RandomPlay {
 public:
  explicit RandomPlay(unsigned start) : rng_(start), game_(clips_, [this] { return unit(); }) {
    newGame();
  }

  // One random input and the checks after it; an empty string when all is well.
  std::string step() {
    const GameState before = game_.state();
    const int roll = pick(1000);
    if (roll < 2) return newGame(), checkAlways();
    std::optional<UndoView> view;  // what an undo of this input, if it is a mark, brings back
    if (before.game_on && game_.isCricket() && roll < 800) view = undoView(game_);
    bool entry = false;
    std::string fault;
    if (roll < 500) {
      const auto [x, y] = position();
      if (pick(3) == 0) game_.boardMove(x, y);  // a hidden picture only names the bed
      if ((entry = before.board_shown)) game_.boardClick(x, y);
    } else if (roll < 700) {
      // The buttons lie under the board picture and take presses only when it is hidden.
      const int index = pick(8);
      entry = before.next_button_shown && index != 0;
      if (before.next_button_shown) game_.CmdHit_Click(index);
    } else if (roll < 800) {
      static constexpr std::u32string_view kKeys = U"056789-.+=14a \r\u00e9*";
      const char32_t key = pick(20) ? kKeys[static_cast<std::size_t>(pick(kKeys.size()))] : 0;
      entry = game_.keyTyped(key) && key != U'+' && key != U'=';
    } else if (roll < 880) {
      fault = undoInput(before);
    } else if (roll < 999) {
      fault = editInput(before);
    } else {  // someone keeps pressing OK on 50 points: a score is driven to the 16-bit limit
      for (int i = 0, seat = anySeat(), add = pick(2); i < 700; ++i) game_.editScore(seat, 50, add);
    }
    if (entry && view) undoTarget_ = view;
    if (!fault.empty() || !(fault = checkAlways()).empty()) return fault;
    GameState expected = before;  // between games only the bed under the pointer is named
    expected.panel[4] = game_.state().panel[4];
    if (!before.game_on) return expected == game_.state() ? "" : "an input between games counted";
    if (game_.isCricket() || roll >= 880) return {};
    // Countdown: a score moves only when the turn is settled (the third dart on the board).
    const bool settled = roll < 500 && before.board_shown && before.darts_thrown == 2;
    for (int seat = 1; seat <= kSeats; ++seat)
      if (!(settled && seat == before.cur_player) &&
          game_.player(seat).Score() != before.players[seat].Score())
        return "a countdown score changed outside a settlement";
    return {};
  }

  long games = 0, undosDone = 0, undosRefused = 0;

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  float unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(rng_); }
  int anySeat() { return 1 + pick(std::max<int>(1, game_.options.num_players)); }

  void newGame() {
    // The dialog writes the options while the user clicks; the game is set up after it.
    GameOptions& o = game_.options;
    o.game_type = static_cast<int16_t>(pick(5));
    o.num_players = static_cast<int16_t>(1 + pick(4));
    o.in_out_rule = static_cast<int16_t>(std::array{0, 2, 3}[static_cast<std::size_t>(pick(3))]);
    o.double_bull = pick(2);
    o.use_board = pick(2);
    game_.sound_on = pick(4);
    game_.auto_win = pick(4);
    if (pick(2)) game_.letsBegin({"", "Scorpion", "Ann", "", "Di"});
    game_.reset_game();
    undoTarget_.reset();
    ++games;
  }

  // A grid pixel (the centre lines among them), a point right on a ring edge or a sector
  // line, or far off the picture.
  std::pair<float, float> position() {
    constexpr float c = board::kCentreTwips;
    const auto grid = [this] { return float(pick(520) - 20) * board::kTwipsPerPixel; };
    if (pick(2)) return {grid(), grid()};
    if (pick(5) == 0) return {unit() * 2e6f - 1e6f, unit() * 2e6f - 1e6f};
    const double r = kRadii[pick(7)] + (pick(3) - 1) * 0.5;
    const double a = pick(2) ? pick(40) * M_PI / 20 : unit() * 2 * M_PI;
    return {float(c + r * std::sin(a)), float(c - r * std::cos(a))};
  }

  std::string undoInput(const GameState& before) {
    const UndoResult result = game_.mnuundo_Click();
    if (result == UndoResult::Done) {  // once used, the command is disabled until the next mark
      ++undosDone;
      const bool restored = undoTarget_ && undoView(game_) == *undoTarget_;
      undoTarget_.reset();
      return restored && !game_.state().undo_enabled ? "" : "the undo did not restore the state";
    }
    if (result == UndoResult::Unavailable && before.undo_enabled && before.game_on)
      return "an enabled undo did nothing";
    undosRefused += result == UndoResult::Refused;
    GameState expected = before;  // a refusal only disables the command
    expected.undo_enabled = before.undo_enabled && result == UndoResult::Unavailable;
    return expected == game_.state() ? "" : "a refused or unavailable undo changed the game";
  }

  // The dialog offers the seated players and 1..20, 25 and 50 points; a score stays in 16 bits.
  std::string editInput(const GameState& before) {
    const int seat = anySeat(), points = pick(22) < 20 ? 1 + pick(20) : pick(2) ? 25 : 50;
    const bool add = pick(2), enabled = game_.state().escore_enabled;
    game_.editScore(seat, points, add);
    for (int n = 1; n <= kSeats; ++n) {
      const int old = before.players[n].Score(), sum = old + (add ? points : -points);
      if (game_.player(n).Score() != (enabled && n == seat ? std::clamp(sum, -32768, 32767) : old))
        return "an edit gave the wrong score to seat " + std::to_string(n);
    }
    return {};
  }

  std::string checkAlways() {
    const GameState& s = game_.state();
    for (int seat = 1; seat <= kSeats; ++seat)
      for (int n : kNumbers)
        if (const int marks = game_.player(seat).TimesHit(n);
            marks < 0 || game_.player(seat).Closed(n) != (marks >= 3))
          return "marks and closed flag disagree on " + std::to_string(n);
    if (s.cur_player < 1 || s.cur_player > game_.options.num_players) return "an empty seat throws";
    if (s.game_on && (s.darts_thrown < 0 || s.darts_thrown > 2)) return "a fourth dart in a turn";
    if (s.game_on && s.undo_enabled && !game_.isCricket()) return "Undo enabled in a countdown";
    return {};
  }

  std::mt19937 rng_;
  SilentClips clips_;
  Game game_;
  std::optional<UndoView> undoTarget_;
};

TEST(RandomPlay, EveryStepKeepsTheRules) {
  const long steps = envLong("BRINDLEMARK_RANDOM_STEPS", kDefaultSteps);
  const auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto start = unsigned(envLong("BRINDLEMARK_RANDOM_START", clock & 0x7fffffff));
  std::printf("random play: %ld steps, BRINDLEMARK_RANDOM_START=%u\n", steps, start);
  RandomPlay play(start);
  for (long i = 0; i < steps; ++i)
    if (const std::string fault = play.step(); !fault.empty())
      FAIL() << fault << "\nat step " << i << " with BRINDLEMARK_RANDOM_START=" << start;
  std::printf("random play: %ld games, %ld undos carried out, %ld refused\n", play.games,
              play.undosDone, play.undosRefused);
  // A run long enough to mean something reaches every corner it is meant to.
  EXPECT_TRUE(steps < 100'000 ||
              (play.games > steps / 2000 && play.undosDone > 0 && play.undosRefused > 0));
}

}  // namespace
