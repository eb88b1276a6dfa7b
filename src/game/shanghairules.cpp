#include "game/shanghairules.h"

#include "game/game.h"
#include "game/int16.h"

// Every seat starts on 0 points, as a new game leaves it.
void ShanghaiRules::setUp(GameTable& /*table*/) const {}

void ShanghaiRules::scoreDart(GameTable& table, int16_t number, int16_t multiplier) const {
  table.announce(Clip::WAVHIT);
  GameState& state = table.state;
  if (number != state.round) return;
  state.turnTotal = clamp16(long{state.turnTotal} + number * multiplier);
  // A Shanghai: the single, the double and the triple of the round's number in this turn.
  state.turnRings = static_cast<int16_t>(state.turnRings | (1 << multiplier));
  if (state.turnRings == 0b1110) {
    PlayerRecord& p = table.thrower();
    p.setScore(clamp16(long{p.score()} + state.turnTotal));
    table.declareWin();
  }
}

void ShanghaiRules::settleTurn(GameTable& table, int16_t /*darts*/) const {
  PlayerRecord& p = table.thrower();
  p.setScore(clamp16(long{p.score()} + table.state.turnTotal));
  table.state.turnRings = 0;
  if (table.state.round >= kRounds && table.turnEndsRound()) table.declareHighestWins();
}
