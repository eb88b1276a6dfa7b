#pragma once
// A game at the table for tests: a Game with a recording clip player, four named seats
// and a small script language for what the players do:
//   "S20" "D20" "T20"  a dart in the outer single, double or triple bed of a number
//   "IB" "OB" "M"      inner bull, outer bull, a miss off the board
//   "b1".."b7"         a target button; "n" the next-player button
// Board positions are computed from the board geometry, never guessed in pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <sstream>
#include <string>

#include "game/game.h"
#include "input/board.h"
#include "recordingclips.h"

enum class Ring { InnerBull, OuterBull, InnerSingle, Triple, OuterSingle, Double, Off };

struct Point {
  float x;
  float y;
};

// The middle of the bed of sector `number` in `ring`, in twips from the picture's corner,
// on the 15-twip grid a pointer reports. The bull rings ignore the number.
inline Point bedPoint(int number, Ring ring) {
  using namespace board;
  double r = 0;
  switch (ring) {
    case Ring::InnerBull: r = 0; break;
    case Ring::OuterBull: r = (kInnerBull + kOuterBull) / 2; break;
    case Ring::InnerSingle: r = (kOuterBull + kTripleInner) / 2; break;
    case Ring::Triple: r = (kTripleInner + kTripleOuter) / 2; break;
    case Ring::OuterSingle: r = (kTripleOuter + kDoubleInner) / 2; break;
    case Ring::Double: r = (kDoubleInner + kDoubleOuter) / 2; break;
    case Ring::Off: r = kDoubleOuter + 300; break;
  }
  const auto at = std::find(kClockwise.begin(), kClockwise.end(), number);
  const double angle = static_cast<double>(at - kClockwise.begin()) * std::numbers::pi / 10;
  auto grid = [](double v) { return static_cast<float>(std::round(v / kTwipsPerPixel) * kTwipsPerPixel); };
  return {grid(kCentreTwips + r * std::sin(angle)), grid(kCentreTwips - r * std::cos(angle))};
}

struct Session {
  RecordingClips clips;
  Game game;

  explicit Session(std::function<float()> uniform = {}) : game(clips, std::move(uniform)) {}

  const GameState& state() const { return game.state(); }
  const clsPlayer& seat(int n) const { return game.player(n); }

  void start(int16_t type, int players, int16_t rule = 0, bool useBoard = true) {
    game.options.game_type = type;
    game.options.num_players = static_cast<int16_t>(players);
    game.options.in_out_rule = rule;
    game.options.use_board = useBoard;
    game.letsBegin({"", "Ann", "Bob", "Cy", "Di"});
    game.reset_game();
    clips.cues.clear();
  }

  void dart(Point p) {
    game.boardMove(p.x, p.y);
    game.boardClick(p.x, p.y);
  }

  void play(const std::string& script) {
    std::istringstream in(script);
    std::string t;
    while (in >> t) {
      if (t == "n") {
        game.CmdHit_Click(0);
      } else if (t[0] == 'b') {
        game.CmdHit_Click(std::stoi(t.substr(1)));
      } else if (t == "M") {
        dart(bedPoint(20, Ring::Off));
      } else if (t == "IB" || t == "OB") {
        dart(bedPoint(25, t == "IB" ? Ring::InnerBull : Ring::OuterBull));
      } else {
        const Ring ring = t[0] == 'T' ? Ring::Triple : t[0] == 'D' ? Ring::Double : Ring::OuterSingle;
        dart(bedPoint(std::stoi(t.substr(1)), ring));
      }
    }
  }

  // Sets a countdown score by hand, as the score editing does.
  void setScore(int seatNo, int value) {
    const int now = seat(seatNo).Score();
    game.editScore(seatNo, std::abs(value - now), value >= now);
  }
};

// The marks of two records agree on every number, with the same score and "in" flag.
inline void expectSameRecord(const clsPlayer& want, const clsPlayer& got, int seatNo) {
  SCOPED_TRACE("seat " + std::to_string(seatNo));
  for (int n = 1; n <= 25; ++n) {
    EXPECT_EQ(want.TimesHit(n), got.TimesHit(n)) << "marks on " << n;
    EXPECT_EQ(want.Closed(n), got.Closed(n)) << "closed " << n;
  }
  EXPECT_EQ(want.Score(), got.Score());
  EXPECT_EQ(want.IsIn(), got.IsIn());
}
