#pragma once
// Around the Clock: every seat hits 1, 2, ... 20 in order, then the bull. A single moves a
// player on one number, a double two and a triple three; past the 20 the next is the bull,
// and the first to hit it wins at once. A player's score is the number to hit next.

#include "game/gamerules.h"

class AroundTheClockRules final : public GameRules {
 public:
  static constexpr int16_t kLastNumber = 20;
  static constexpr int16_t kBull = 25;
  ScoringKind scoring() const override { return ScoringKind::Steps; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
};
