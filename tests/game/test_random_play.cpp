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
// every step), scores, the player to throw and whether he is marked, the round, and on the board
// the darts of the turn (on the buttons the dart count only says whether the turn holds a mark).
using UndoView = std::tuple<Marks, bool, int16_t, int16_t, int>;

UndoView undoView(const Game& g) {
  const GameState& s = g.state();
  Marks marks{};
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int i = 0; i < 21; ++i) marks[seat][i] = g.player(seat).marks(kNumbers[i]);
    marks[seat][21] = g.player(seat).score();
  }
  const bool b = g.options.useBoard;
  return {marks, s.throwerMarked, s.thrower, s.round, b ? s.dartsThrown : 0};
}

class RandomPlay {
 public:
  explicit RandomPlay(unsigned start) : rng_(start), game_([this] { return unit(); }) { newGame(); }

  // One random input and the checks after it; an empty string when all is well.
  std::string step() {
    game_.takeClips();  // nobody listens here
    const GameState before = game_.state();
    const int roll = pick(1000);
    if (roll < 2) return newGame(), checkAlways();
    std::optional<UndoView> view;  // what an undo of this input, if it is a mark, brings back
    if (before.inPlay && game_.isCricket() && roll < 800) view = undoView(game_);
    bool entry = false;
    std::string fault;
    if (roll < 500) {
      const auto [x, y] = position();
      if (pick(3) == 0) game_.pointAt(x, y);  // a hidden picture only names the bed
      if ((entry = onBoard())) game_.throwDart(x, y);
    } else if (roll < 700) {
      // The buttons lie under the board picture and take presses only when it is hidden.
      const int index = pick(8);
      entry = !onBoard() && index != 0;
      if (!onBoard()) game_.pressTarget(index);
    } else if (roll < 800) {
      static constexpr std::u32string_view kKeys = U"056789-.+=14a \r\u00e9*";
      const char32_t key = pick(20) ? kKeys[static_cast<std::size_t>(pick(kKeys.size()))] : 0;
      entry = game_.keyTyped(key) && key != U'+' && key != U'=';
    } else if (roll < 880) {
      fault = undoInput(before);
    } else if (roll < 999) {
      editInput();
    } else {  // someone keeps pressing OK on 50 points: a score is driven to the 16-bit limit
      for (int i = 0, seat = anySeat(), add = pick(2); i < 700; ++i) game_.editScore(seat, 50, add);
    }
    if (entry && view) undoTarget_ = view;
    if (!fault.empty() || !(fault = checkAlways()).empty()) return fault;
    GameState expected = before;  // between games only the bed under the pointer is named
    expected.bed = game_.state().bed;
    if (!before.inPlay) return expected == game_.state() ? "" : "an input between games counted";
    if (game_.isCricket() || roll >= 880) return {};
    // Countdown: a score moves only when the turn is settled (the third dart on the board).
    const bool settled = roll < 500 && onBoard() && before.dartsThrown == 2;
    for (int seat = 1; seat <= kSeats; ++seat)
      if (!(settled && seat == before.thrower) &&
          game_.player(seat).score() != before.players[seat].score())
        return "a countdown score changed outside a settlement";
    return {};
  }

  long games = 0, undosDone = 0, undosRefused = 0;

 private:
  // The board picture takes the darts, except in Cricket played on the buttons.
  bool onBoard() const { return !game_.isCricket() || game_.options.useBoard; }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  float unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(rng_); }
  int anySeat() { return 1 + pick(std::max<int>(1, game_.options.playerCount)); }

  void newGame() {
    // The dialog writes the options while the user clicks; the game is set up after it.
    GameOptions& o = game_.options;
    o.gameType = static_cast<int16_t>(pick(5));
    o.playerCount = static_cast<int16_t>(1 + pick(4));
    o.inOutRule = static_cast<int16_t>(std::array{0, 2, 3}[static_cast<std::size_t>(pick(3))]);
    o.doubleBull = pick(2);
    o.useBoard = pick(2);
    game_.soundOn = pick(4);
    game_.autoWin = pick(4);
    if (pick(2)) game_.setPlayerNames({"", "Scorpion", "Ann", "", "Di"});
    game_.startGame();
    undoTarget_.reset();
    ++games;
  }

  // A grid pixel (the centre lines among them), a point right on a ring edge or a sector
  // line, or far off the picture.
  std::pair<float, float> position() {
    constexpr float kCentre = board::kCentreTwips;
    const auto grid = [this] { return float(pick(520) - 20) * board::kTwipsPerPixel; };
    if (pick(2)) return {grid(), grid()};
    if (pick(5) == 0) return {unit() * 2e6f - 1e6f, unit() * 2e6f - 1e6f};
    const double r = kRadii[pick(7)] + (pick(3) - 1) * 0.5;
    const double a = pick(2) ? pick(40) * M_PI / 20 : unit() * 2 * M_PI;
    return {float(kCentre + r * std::sin(a)), float(kCentre - r * std::cos(a))};
  }

  std::string undoInput(const GameState& before) {
    const UndoResult result = game_.undoLatestEntry();
    if (result == UndoResult::Done) {  // once used, the command is disabled until the next mark
      ++undosDone;
      const bool restored = undoTarget_ && undoView(game_) == *undoTarget_;
      undoTarget_.reset();
      return restored && !game_.state().undoEnabled ? "" : "the undo did not restore the state";
    }
    if (result == UndoResult::Unavailable && before.undoEnabled && before.inPlay)
      return "an enabled undo did nothing";
    undosRefused += result == UndoResult::Refused;
    GameState expected = before;  // a refusal only disables the command
    expected.undoEnabled = before.undoEnabled && result == UndoResult::Unavailable;
    return expected == game_.state() ? "" : "a refused or unavailable undo changed the game";
  }

  // The dialog offers the seated players and 1..20, 25 and 50 points. (What an edit does to
  // the scores is checked case by case in the countdown tests.)
  void editInput() {
    const int seat = anySeat(), points = pick(22) < 20 ? 1 + pick(20) : pick(2) ? 25 : 50;
    game_.editScore(seat, points, pick(2));
  }

  std::string checkAlways() {
    const GameState& s = game_.state();
    for (int seat = 1; seat <= kSeats; ++seat)
      for (int n : kNumbers)
        if (const int marks = game_.player(seat).marks(n);
            marks < 0 || game_.player(seat).isClosed(n) != (marks >= 3))
          return "marks and closed flag disagree on " + std::to_string(n);
    if (s.thrower < 1 || s.thrower > game_.options.playerCount) return "an empty seat throws";
    if (s.inPlay && (s.dartsThrown < 0 || s.dartsThrown > 2)) return "a fourth dart in a turn";
    if (s.inPlay && s.undoEnabled && !game_.isCricket()) return "Undo enabled in a countdown";
    return {};
  }

  std::mt19937 rng_;
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
  if (steps >= 100'000) {
    EXPECT_GT(play.games, steps / 2000);
    EXPECT_GT(play.undosDone, 0);
    EXPECT_GT(play.undosRefused, 0);
  }
}

}  // namespace
