#pragma once
// Shanghai: seven rounds, round N aimed at the number N. A dart on it scores the number times
// its ring; a single, a double and a triple of it in one turn is a Shanghai and wins at once.
// Otherwise the highest total after the seventh round wins, and a tie is a shared win.

#include "game/gamerules.h"

class ShanghaiRules final : public GameRules {
 public:
  static constexpr int16_t kRounds = 7;
  ScoringKind scoring() const override { return ScoringKind::Totals; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
};
