#pragma once
// The computer opponent: where it aims and where its dart lands. It aims as a good player
// would for the game and the state of play; its dart lands at a point drawn from a
// two-dimensional normal scatter around the aim, wider the lower its level, and enters the
// game as a click at that point would.

#include <array>
#include <cstdint>
#include <random>

#include "game/game.h"

struct ComputerAim {
  int16_t number = 20;     // 1..20, 25 the bull
  int16_t multiplier = 3;  // 1, 2 or 3; for the bull 1 the outer ring, 2 the inner bull
  bool operator==(const ComputerAim&) const = default;
};

// A point on the board picture, in twips from its top-left corner.
struct BoardPoint {
  float x = 0;
  float y = 0;
};

namespace computer {

inline constexpr int16_t kLowestLevel = 1;
inline constexpr int16_t kHighestLevel = 10;

// The 501 three-dart average a level plays to: 25 at level 1, 100 at level 10, evenly between.
double nominalAverage(int level);
// The spread of the scatter at a level: the standard deviation, in twips, of the landing
// point along each axis.
double scatterOf(int level);

// The bed the thrower aims at next.
ComputerAim aimFor(const GameOptions& options, const GameState& state);
// The middle of a bed: where a dart aimed at it is meant to land.
BoardPoint aimPoint(const ComputerAim& aim);
// Where a dart thrown at aim lands, drawn with the spread sigma.
BoardPoint landing(BoardPoint aim, double sigma, std::mt19937& engine);

}  // namespace computer

// The computer at the board: its next dart in the game, as a board click where it landed.
class ComputerThrower {
 public:
  explicit ComputerThrower(std::mt19937::result_type seed) : engine_(seed) {}
  // True when the seat to throw is the computer's and the game is in play.
  static bool toThrow(const Game& game);
  // The dart the computer throws now: where it landed.
  GameInput nextDart(const Game& game);

 private:
  std::mt19937 engine_;
};
