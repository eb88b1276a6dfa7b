#pragma once
// Cricket, Random Cricket and Cut-Throat Cricket: seven targets (the bull last), three marks
// close one, every further mark scores its number while an opponent still has it open;
// whoever has closed all seven with no lower score than anyone else wins. In Cut-Throat the
// points go instead to every opponent who has the number open, and the lowest score wins.

#include "game/gamerules.h"

class CricketRules final : public GameRules {
 public:
  enum class Variant : int8_t {
    Classic,    // 20..15 and the bull
    Random,     // six distinct numbers drawn from 1..20 instead of 20..15
    CutThroat,  // 20..15 and the bull; points go to the opponents
  };
  // Keys press the targets of the fixed numbers only, played on the buttons.
  explicit constexpr CricketRules(Variant variant) : variant_(variant) {}
  ScoringKind scoring() const override { return ScoringKind::Marks; }
  void setUp(GameTable& table) const override;
  void scoreDart(GameTable& table, int16_t number, int16_t multiplier) const override;
  void markTarget(GameTable& table, int target) const override;
  bool takesKeys(const GameOptions& options) const override;
  void settleTurn(GameTable& table, int16_t darts) const override;
  bool canTakeBack(const GameTable& table, int seat) const override;
  void takeBack(GameTable& table) const override;
  // The high-score table is Cricket's: the fewest rounds to a win of the classic scoring.
  bool keepsHighScores() const override { return variant_ != Variant::CutThroat; }

 private:
  static bool openForAnOpponent(const GameTable& table, int16_t number);
  // The opponents of the thrower who have number open: bit s for seat s.
  static int openOpponents(const GameTable& table, int16_t number);
  void scoreMark(GameTable& table, int16_t number) const;
  void checkWin(GameTable& table) const;

  Variant variant_;
};
