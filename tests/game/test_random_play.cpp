// Random play: millions of inputs of every kind the window can deliver (clicks anywhere
// on and off the board, target buttons, keys, next player, undo, score edits, new games
// with any options), with the rules that must hold checked after every single step.
//
// Step count: BRINDLEMARK_RANDOM_STEPS (default about a minute in an optimised build,
// less under the sanitizers). Start value of the generator: BRINDLEMARK_RANDOM_START,
// otherwise started from the clock; it is printed, so a failing run can be repeated:
//   BRINDLEMARK_RANDOM_START=1234 BRINDLEMARK_RANDOM_STEPS=50000000
//   build/default/tests/game/test_random_play

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "game/game.h"
#include "input/board.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

#ifdef NDEBUG
constexpr long kDefaultSteps = kSanitized ? 1'500'000 : 40'000'000;
#else
constexpr long kDefaultSteps = kSanitized ? 1'500'000 : 4'000'000;
#endif

long envLong(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return (end && *end == '\0' && value >= 0) ? value : fallback;
}

class SilentClips : public ClipPlayer {
 public:
  void play(Clip) override {}
};

constexpr std::array<int, 21> kNumbers = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                          12, 13, 14, 15, 16, 17, 18, 19, 20, 25};
constexpr std::array<int, 22> kEditPoints = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                             12, 13, 14, 15, 16, 17, 18, 19, 20, 25, 50};
constexpr std::array<double, 7> kRadii = {0,
                                          board::kInnerBull,
                                          board::kOuterBull,
                                          board::kTripleInner,
                                          board::kTripleOuter,
                                          board::kDoubleInner,
                                          board::kDoubleOuter};

// What an allowed undo must bring back: the marks, closed flags and points of every seat,
// the player to throw and the turn. On the buttons the dart count only says whether the
// turn holds a mark, so it is left out there.
struct UndoView {
  std::array<std::array<int16_t, 21>, kSeats + 1> marks{};
  std::array<std::array<bool, 21>, kSeats + 1> closed{};
  std::array<int16_t, kSeats + 1> score{};
  int16_t cur_player = 0;
  int16_t round_num = 0;
  int16_t darts_thrown = 0;
  std::array<bool, kSeats + 1> green{};
  std::string player_panel;
  std::string round_panel;
  bool dart11 = false;
  bool dart12 = false;
  bool operator==(const UndoView&) const = default;
};

UndoView undoView(const Game& g) {
  const GameState& s = g.state();
  UndoView v;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
      v.marks[seat][i] = g.player(seat).TimesHit(kNumbers[i]);
      v.closed[seat][i] = g.player(seat).Closed(kNumbers[i]);
    }
    v.score[seat] = g.player(seat).Score();
  }
  v.cur_player = s.cur_player;
  v.round_num = s.round_num;
  v.green = s.green;
  v.player_panel = s.panel[2];
  v.round_panel = s.panel[8];
  if (g.options.use_board) {
    v.darts_thrown = s.darts_thrown;
    v.dart11 = s.panel_shown[11];
    v.dart12 = s.panel_shown[12];
  }
  return v;
}

std::string describe(const UndoView& v) {
  std::ostringstream out;
  out << "player " << v.cur_player << " round " << v.round_num << " darts " << v.darts_thrown
      << " panels '" << v.player_panel << "' '" << v.round_panel << "'";
  for (int seat = 1; seat <= kSeats; ++seat) {
    out << "\n  seat " << seat << " score " << v.score[seat] << (v.green[seat] ? " green" : "")
        << " marks";
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
      if (v.marks[seat][i] != 0 || v.closed[seat][i]) {
        out << ' ' << kNumbers[i] << ':' << v.marks[seat][i] << (v.closed[seat][i] ? "c" : "");
      }
    }
  }
  return out.str();
}

class RandomPlay {
 public:
  explicit RandomPlay(unsigned start) : rng_(start), game_(clips_, [this] { return unit(); }) {}

  // One random input and the checks after it; an empty string when all is well.
  std::string step() {
    const GameState before = game_.state();
    const bool wasOn = before.game_on;
    std::array<int16_t, kSeats + 1> scores{};
    for (int seat = 1; seat <= kSeats; ++seat) scores[seat] = game_.player(seat).Score();
    const bool inBefore = game_.player(before.cur_player).IsIn();

    Input input = Input::NewGame;
    const int roll = pick(1000);
    if (roll < 2) {
      newGame();
    } else if (roll < 500) {
      input = Input::Board;
      boardInput();
    } else if (roll < 700) {
      input = Input::Button;
      buttonInput();
    } else if (roll < 800) {
      input = Input::Key;
      keyInput();
    } else if (roll < 880) {
      input = Input::Undo;
      if (std::string f = undoInput(before); !f.empty()) return f;
    } else if (roll < 999) {
      input = Input::Edit;
      if (std::string f = editInput(scores); !f.empty()) return f;
    } else {
      input = Input::EditRun;
      editRun();
    }

    const GameState& s = game_.state();
    if (std::string f = checkAlways(); !f.empty()) return f;
    if (input != Input::NewGame && !wasOn) {
      // Between games nothing moves; only the status bar names the bed under the pointer.
      GameState expected = before;
      expected.panel[4] = s.panel[4];
      if (!(expected == s)) return "an input changed the game between games";
      return {};
    }
    if (input == Input::NewGame || game_.isCricket()) return {};
    if (input == Input::Edit || input == Input::EditRun) return {};

    // Countdown: a score moves only when the turn is settled, by the turn total or not at
    // all (a bust), and reaching exactly 0 wins.
    const int settler = before.cur_player;
    const bool settled = input == Input::Board && lastBoardOnTarget_ && before.darts_thrown == 2;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const int16_t now = game_.player(seat).Score();
      if (seat == settler && settled) continue;
      if (now != scores[seat]) return "a countdown score changed outside a settlement";
    }
    if (!settled) return {};
    const bool in = game_.player(settler).IsIn();
    const long total = in ? (inBefore ? before.turn_total : 0) + lastHit_.points() : 0;
    const long next = long{scores[settler]} - total;
    const long least = game_.options.in_out_rule;
    const bool accepted = next == 0 || next >= least;
    const int16_t now = game_.player(settler).Score();
    const int16_t expected = accepted ? static_cast<int16_t>(next) : scores[settler];
    if (now != expected) {
      return "settlement of " + std::to_string(total) + " on " + std::to_string(scores[settler]) +
             " gave " + std::to_string(now) + ", expected " + std::to_string(expected);
    }
    if ((now == 0) == s.game_on) return "a countdown game did not end exactly at 0";
    return {};
  }

  std::string options() const {
    const GameOptions& o = game_.options;
    std::ostringstream out;
    out << "game " << o.game_type << ", " << o.num_players << " players, in/out " << o.in_out_rule
        << ", double bull " << o.double_bull << ", board " << o.use_board << ", sound "
        << game_.sound_on << ", auto win " << game_.auto_win;
    return out.str();
  }

  long games = 0;
  long undosDone = 0;
  long undosRefused = 0;

 private:
  enum class Input { NewGame, Board, Button, Key, Undo, Edit, EditRun };

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  float unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(rng_); }

  void newGame() {
    // The dialog writes the options while the user clicks; the game is set up after it.
    GameOptions& o = game_.options;
    o.game_type = static_cast<int16_t>(pick(5));
    o.num_players = static_cast<int16_t>(1 + pick(4));
    o.in_out_rule =
        static_cast<int16_t>(std::array<int, 3>{0, 2, 3}[static_cast<std::size_t>(pick(3))]);
    o.double_bull = pick(2) == 0;
    o.use_board = pick(2) == 0;
    game_.sound_on = pick(4) != 0;
    game_.auto_win = pick(4) != 0;
    if (pick(2) == 0) game_.letsBegin({"", "Scorpion", "Ann", "", "Di"});
    game_.reset_game();
    undoTarget_.reset();
    ++games;
  }

  // A position anywhere: a grid pixel, a point right on a ring edge or a sector line, the
  // centre lines, or far off the picture.
  std::pair<float, float> position() {
    const int kind = pick(10);
    if (kind < 5) {
      return {static_cast<float>(pick(board::kPicturePixels + 40) - 20) * board::kTwipsPerPixel,
              static_cast<float>(pick(board::kPicturePixels + 40) - 20) * board::kTwipsPerPixel};
    }
    if (kind < 8) {
      const double r = kRadii[static_cast<std::size_t>(pick(7))] + (pick(3) - 1) * 0.5;
      const double angle =
          pick(2) == 0 ? (pick(40) * std::numbers::pi / 20) : unit() * 2 * std::numbers::pi;
      return {static_cast<float>(board::kCentreTwips + r * std::sin(angle)),
              static_cast<float>(board::kCentreTwips - r * std::cos(angle))};
    }
    if (kind == 8) {
      const float along = static_cast<float>(pick(board::kPictureTwips + 1));
      return pick(2) == 0 ? std::pair{along, float{board::kCentreTwips}}
                          : std::pair{float{board::kCentreTwips}, along};
    }
    return {unit() * 2e6f - 1e6f, unit() * 2e6f - 1e6f};
  }

  void boardInput() {
    // A hidden picture takes no clicks; its movement only names the bed.
    const auto [x, y] = position();
    lastHit_ = board::hitAt(x, y, game_.options.double_bull);
    lastBoardOnTarget_ = game_.state().board_shown;
    if (pick(3) == 0) game_.boardMove(x, y);
    if (!game_.state().board_shown) return;
    markEntry();
    game_.boardClick(x, y);
  }

  void buttonInput() {
    // The buttons lie under the board picture and take presses only when it is hidden.
    if (!game_.state().next_button_shown) return;
    const int index = pick(8);
    if (index != 0) markEntry();
    game_.CmdHit_Click(index);
  }

  void keyInput() {
    static constexpr std::array<char32_t, 18> kKeys = {U'0', U'5', U'6',  U'7',      U'8',  U'9',
                                                       U'-', U'.', U'+',  U'=',      U'1',  U'4',
                                                       U'a', U' ', U'\r', U'\u00e9', U'\0', U'*'};
    const char32_t key = kKeys[static_cast<std::size_t>(pick(kKeys.size()))];
    const UndoView before = undoView(game_);
    if (game_.keyTyped(key) && key != U'+' && key != U'=') undoTarget_ = before;
  }

  // The state an undo of the next entry must bring back.
  void markEntry() {
    if (game_.state().game_on && game_.isCricket()) undoTarget_ = undoView(game_);
  }

  std::string undoInput(const GameState& before) {
    const UndoResult result = game_.mnuundo_Click();
    const GameState& s = game_.state();
    if (result == UndoResult::Unavailable) {
      if (before.undo_enabled && before.game_on && game_.isCricket())
        return "an enabled undo did nothing";
      if (!(before == s)) return "an unavailable undo changed the game";
      return {};
    }
    if (s.undo_enabled) return "the undo stayed enabled after use";
    if (result == UndoResult::Refused) {
      ++undosRefused;
      GameState expected = before;
      expected.undo_enabled = false;
      if (!(expected == s)) return "a refused undo changed the game";
      return {};
    }
    ++undosDone;
    if (!undoTarget_) return "an undo was carried out with no entry to take back";
    const UndoView now = undoView(game_);
    if (!(now == *undoTarget_)) {
      return "the undo did not restore the state before the entry\nexpected " +
             describe(*undoTarget_) + "\ngot      " + describe(now);
    }
    undoTarget_.reset();
    return {};
  }

  std::string editInput(const std::array<int16_t, kSeats + 1>& scores) {
    // The dialog offers the seated players and the amounts 1..20, 25 and 50.
    const int seat = 1 + pick(std::max<int>(1, game_.options.num_players));
    const int points = kEditPoints[static_cast<std::size_t>(pick(kEditPoints.size()))];
    const bool add = pick(2) == 0;
    const bool enabled = game_.state().escore_enabled;
    game_.editScore(seat, points, add);
    const long wanted = long{scores[seat]} + (add ? points : -points);
    const long held = std::clamp<long>(wanted, std::numeric_limits<int16_t>::min(),
                                       std::numeric_limits<int16_t>::max());
    const int16_t now = game_.player(seat).Score();
    if (enabled && now != held)
      return "an edit gave " + std::to_string(now) + " for " + std::to_string(wanted);
    for (int other = 1; other <= kSeats; ++other) {
      if ((other != seat || !enabled) && game_.player(other).Score() != scores[other]) {
        return "an edit changed a score it was not for";
      }
    }
    return {};
  }

  // Someone keeps pressing OK on 50 points: a score is driven to the 16-bit limit.
  void editRun() {
    const int seat = 1 + pick(std::max<int>(1, game_.options.num_players));
    const bool add = pick(2) == 0;
    for (int i = 0; i < 700; ++i) game_.editScore(seat, 50, add);
  }

  std::string checkAlways() {
    const GameState& s = game_.state();
    const GameOptions& o = game_.options;
    for (int seat = 1; seat <= kSeats; ++seat) {
      for (int n : kNumbers) {
        const int16_t marks = game_.player(seat).TimesHit(n);
        if (marks < 0) return "negative marks on " + std::to_string(n);
        if (game_.player(seat).Closed(n) != (marks >= 3)) {
          return "seat " + std::to_string(seat) + " has " + std::to_string(marks) + " marks on " +
                 std::to_string(n) + " and closed " + std::to_string(game_.player(seat).Closed(n));
        }
      }
    }
    if (games == 0) return {};
    if (s.cur_player < 1 || s.cur_player > o.num_players) {
      return "player " + std::to_string(s.cur_player) + " of " + std::to_string(o.num_players) +
             " to throw";
    }
    if (s.round_num < 1) return "round " + std::to_string(s.round_num);
    if (!s.game_on) return {};
    if (s.darts_thrown < 0 || s.darts_thrown > 2)
      return "darts thrown " + std::to_string(s.darts_thrown);
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (s.green[seat] != (seat == s.cur_player)) return "the wrong name is green";
    }
    if (s.escore_enabled == game_.isCricket()) return "Edit Score enabled in the wrong game";
    if (s.undo_enabled && !game_.isCricket()) return "Undo Hit enabled in a countdown game";
    if (game_.isCricket()) {
      for (std::size_t i = 1; i <= 6; ++i) {
        if (s.cricknums[i] < 1 || s.cricknums[i] > 20) return "a target outside 1..20";
        if (s.cricknums[i] <= s.cricknums[i + 1] && i < 6)
          return "targets not distinct and descending";
      }
      if (s.cricknums[7] != 25) return "the last target is not the bull";
    }
    return {};
  }

  std::mt19937 rng_;
  SilentClips clips_;
  Game game_;
  std::optional<UndoView> undoTarget_;
  board::Hit lastHit_;
  bool lastBoardOnTarget_ = false;
};

TEST(RandomPlay, EveryStepKeepsTheRules) {
  const long steps = envLong("BRINDLEMARK_RANDOM_STEPS", kDefaultSteps);
  const auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto start = static_cast<unsigned>(envLong("BRINDLEMARK_RANDOM_START", clock & 0x7fffffff));
  std::printf("random play: %ld steps, BRINDLEMARK_RANDOM_START=%u\n", steps, start);
  RecordProperty("steps", std::to_string(steps));
  RecordProperty("start", std::to_string(start));

  RandomPlay play(start);
  for (long i = 0; i < steps; ++i) {
    const std::string fault = play.step();
    if (!fault.empty()) {
      FAIL() << fault << "\nat step " << i << " with BRINDLEMARK_RANDOM_START=" << start << "\n"
             << play.options();
    }
  }
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
