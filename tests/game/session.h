#pragma once
// A game at the table for tests: a Game whose raised clips are written down in order,
// four named seats and a small script language for what the players do:
//   "S20" "D20" "T20"  a dart in the outer single, double or triple bed of a number
//   "IB" "OB" "M"      inner bull, outer bull, a miss off the board
//   "b1".."b7"         a target button; "n" the next-player button
//   "u", "e2-40"       Undo Hit; a score edit (seat, added or taken off, points)
// Board positions are computed from the board geometry, never guessed in pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "game/game.h"
#include "input/board.h"

// The clips the game raised, in order, by name and separated by blanks: "WAVHIT CHANGE".
struct HeardClips {
  Game& game;
  std::string heard;
  std::string& cues() {
    for (const ClipCue& cue : game.takeClips())
      heard += (heard.empty() ? "" : " ") + std::string(clipName(cue.clip));
    return heard;
  }
  std::string take() { return std::exchange(cues(), {}); }
};

struct Point {
  float x, y;
};

// The middle of the bed a dart token names, in twips on the 15-twip grid a pointer reports.
inline Point bedPoint(const std::string& t) {
  using namespace board;
  const double r = t == "IB"     ? 0
                   : t == "OB"   ? (kInnerBull + kOuterBull) / 2
                   : t == "M"    ? kDoubleOuter + 300
                   : t[0] == 'T' ? (kTripleInner + kTripleOuter) / 2
                   : t[0] == 'D' ? (kDoubleInner + kDoubleOuter) / 2
                                 : (kTripleOuter + kDoubleInner) / 2;
  // the bulls and the miss lie straight up, on the line through 20
  const int number = t == "M" || t[1] == 'B' ? 20 : std::stoi(t.substr(1));
  const double angle =
      static_cast<double>(std::ranges::find(kClockwise, number) - kClockwise.begin()) *
      std::numbers::pi / 10;
  auto grid = [](double v) {
    return static_cast<float>(std::round(v / kTwipsPerPixel) * kTwipsPerPixel);
  };
  return {grid(kCentreTwips + r * std::sin(angle)), grid(kCentreTwips - r * std::cos(angle))};
}

inline std::vector<GameInput> scriptInputs(const std::string& script) {
  std::vector<GameInput> inputs;
  std::istringstream in(script);
  for (std::string t; in >> t;) {
    if (t == "n" || t[0] == 'b') {
      inputs.push_back(GameInput::targetPress(t == "n" ? 0 : std::stoi(t.substr(1))));
    } else if (t == "u") {
      inputs.push_back(GameInput::undoEntry());
    } else if (t[0] == 'e') {
      inputs.push_back(GameInput::editScore(t[1] - '0', std::stoi(t.substr(3)), t[2] == '+'));
    } else {
      const Point p = bedPoint(t);
      inputs.push_back(GameInput::boardDart(p.x, p.y));
    }
  }
  return inputs;
}

struct Session {
  Game game;
  HeardClips clips{game, {}};

  explicit Session(std::function<float()> uniform = {}) : game(std::move(uniform)) {}
  Session(int16_t type, int players, int16_t rule = 0, bool useBoard = true, bool doubleBull = true)
      : Session() {
    start(type, players, rule, useBoard, doubleBull);
  }
  const GameState& st() const { return game.state(); }
  const PlayerRecord& seat(int n) const { return game.player(n); }

  void start(int16_t type, int players, int16_t rule = 0, bool useBoard = true,
             bool doubleBull = true) {
    game.options = {type, static_cast<int16_t>(players), rule, doubleBull, useBoard};
    game.setPlayerNames({"", "Ann", "Bob", "Cy", "Di"});
    game.startGame();
    clips.cues().clear();
  }

  void play(const std::string& script) {
    for (const GameInput& input : scriptInputs(script)) {
      if (input.kind == GameInput::Kind::BoardDart) game.pointAt(input.x, input.y);
      game.apply(input);
    }
  }

  // Sets a countdown score by hand, as the score editing does.
  void setScore(int n, int value) {
    game.editScore(n, std::abs(value - seat(n).score()), value >= seat(n).score());
  }
};

// A seat's score, "in" flag, and marks and closed flag on each number.
inline std::vector<int> record(const PlayerRecord& p) {
  std::vector<int> r = {p.score(), p.isIn()};
  for (int n = 1; n <= 25; ++n) r.insert(r.end(), {p.marks(n), p.isClosed(n)});
  return r;
}

// Every seat has the same record in both states; only the latest mark may differ.
inline void expectSameRecords(const GameState& want, const GameState& got) {
  for (int seat = 1; seat <= kSeats; ++seat)
    EXPECT_EQ(record(want.players[seat]), record(got.players[seat])) << seat;
}

// Names parameterised cases by their `what`.
inline constexpr auto kByWhat = [](const auto& info) { return std::string(info.param.what); };
