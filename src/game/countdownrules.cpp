#include "game/countdownrules.h"

#include <algorithm>

#include "game/callwords.h"
#include "game/game.h"
#include "game/int16.h"

void CountdownRules::setUp(GameTable& table) const {
  int16_t start = start_;
  if (start == 0) {
    table.seedFromClock();
    start = static_cast<int16_t>(
        std::min(900, static_cast<int>(static_cast<double>(table.drawUniform()) * 600 + 301)));
  }
  for (int seat = 1; seat <= kSeats; ++seat) table.player(seat).setScore(start);
}

void CountdownRules::scoreDart(GameTable& table, int16_t number, int16_t multiplier) const {
  table.announce(Clip::WAVHIT);
  PlayerRecord& p = table.thrower();
  const GameOptions& options = table.options;
  if (!p.isIn()) {
    if (options.inOutRule == 0 || multiplier == options.inOutRule) p.setIn(true);
  }
  GameState& state = table.state;
  if (p.isIn()) state.turnTotal = clamp16(long{state.turnTotal} + number * multiplier);
}

void CountdownRules::settleTurn(GameTable& table, int16_t /*darts*/) const {
  PlayerRecord& p = table.thrower();
  const GameOptions& options = table.options;
  const long next = long{p.score()} - table.state.turnTotal;
  const long least = options.inOutRule == 0 ? 0 : options.inOutRule;
  const bool accepted = next == 0 || next >= least;
  if (accepted) p.setScore(clamp16(next));
  if (p.score() == 0) {
    table.declareWin();
  } else if (!accepted) {
    table.announce(Clip::BREAK);
    table.call(callwords::kBust);
  } else {
    table.call(callwords::turnScore(table.state.turnTotal));
  }
}
