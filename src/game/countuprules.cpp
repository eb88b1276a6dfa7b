#include "game/countuprules.h"

#include "game/game.h"
#include "game/int16.h"

// Every seat starts on 0 points, as a new game leaves it.
void CountUpRules::setUp(GameTable& /*table*/) const {}

void CountUpRules::scoreDart(GameTable& table, int16_t number, int16_t multiplier) const {
  table.announce(Clip::WAVHIT);
  GameState& state = table.state;
  state.turnTotal = clamp16(long{state.turnTotal} + number * multiplier);
}

void CountUpRules::settleTurn(GameTable& table, int16_t /*darts*/) const {
  PlayerRecord& p = table.thrower();
  p.setScore(clamp16(long{p.score()} + table.state.turnTotal));
  if (table.state.round >= kRounds && table.turnEndsRound()) table.declareHighestWins();
}
