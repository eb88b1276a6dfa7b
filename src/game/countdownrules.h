#pragma once
// 301, 501 and Random Countdown: every seat counts down from one start to exactly 0. A
// player scores once in (with the dart the in rule asks for); the turn's total comes off
// when the turn ends, and a turn that would leave less than the least finish is a bust
// that leaves the score as it was.

#include "game/gamerules.h"

class CountdownRules final : public GameRules {
 public:
  // start: the score every seat starts from; 0 draws a shared start from 301 to 900.
  explicit constexpr CountdownRules(int16_t start) : start_(start) {}
  ScoringKind scoring() const override { return ScoringKind::Countdown; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
  bool editsScores() const override { return true; }

 private:
  int16_t start_;
};
