#pragma once
// Count-Up: eight rounds in which every dart scores its points; the highest total wins, and
// a tie is a shared win. Played alone it is a practice game that ends after the eighth round.

#include "game/gamerules.h"

class CountUpRules final : public GameRules {
 public:
  static constexpr int16_t kRounds = 8;
  ScoringKind scoring() const override { return ScoringKind::Totals; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
};
