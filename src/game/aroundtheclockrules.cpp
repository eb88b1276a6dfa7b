#include "game/aroundtheclockrules.h"

#include "game/game.h"

void AroundTheClockRules::setUp(GameTable& table) const {
  for (int seat = 1; seat <= kSeats; ++seat) table.player(seat).setScore(1);
}

void AroundTheClockRules::scoreDart(GameTable& table, int16_t number, int16_t multiplier) const {
  table.announce(Clip::WAVHIT);
  PlayerRecord& p = table.thrower();
  const int16_t next = p.score();
  if (number != next) return;
  if (next == kBull) {
    table.declareWin();
    return;
  }
  // The turn's total counts the numbers the player moved on.
  const int16_t reached = static_cast<int16_t>(next + multiplier);
  const int16_t after = reached > kLastNumber ? kBull : reached;
  table.state.turnTotal = static_cast<int16_t>(table.state.turnTotal + multiplier);
  p.setScore(after);
}

void AroundTheClockRules::settleTurn(GameTable& /*table*/, int16_t /*darts*/) const {}
