#pragma once
// Cricket and Random Cricket: seven targets (the bull last), three marks close one, every
// further mark scores its number while an opponent still has it open; whoever has closed
// all seven with no lower score than anyone else wins.

#include "game/gamerules.h"

class CricketRules final : public GameRules {
 public:
  // randomTargets: six distinct numbers drawn from 1..20 instead of 20..15. Keys press the
  // targets of the fixed numbers only, played on the buttons.
  explicit constexpr CricketRules(bool randomTargets) : randomTargets_(randomTargets) {}
  ScoringKind scoring() const override { return ScoringKind::Marks; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void markTarget(GameTable& table, int target) const override;
  bool takesKeys(const GameOptions& options) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
  bool canTakeBack(const GameTable& table, int seat) const override;
  void takeBack(GameTable& table) const override;
  bool keepsHighScores() const override { return true; }

 private:
  static bool openForAnOpponent(const GameTable& table, int16_t number);
  static void checkWin(GameTable& table);

  bool randomTargets_;
};
