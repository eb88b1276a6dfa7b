#include "game/cricketrules.h"

#include <algorithm>
#include <functional>

#include "game/game.h"
#include "game/int16.h"

void CricketRules::setUp(GameTable& table) const {
  auto& n = table.state.targets;  // all 0 as a new game leaves them
  if (variant_ == Variant::Random) {
    table.seedFromClock();
    for (std::size_t i = 1; i <= 6; ++i) {
      int16_t value = 0;
      do {
        value = static_cast<int16_t>(
            std::min(20, static_cast<int>(static_cast<double>(table.drawUniform()) * 20 + 1)));
      } while (std::find(n.begin() + 1, n.begin() + 7, value) != n.begin() + 7);
      n[i] = value;
    }
    std::sort(n.begin() + 1, n.begin() + 7, std::greater<>());
  } else {
    for (std::size_t i = 1; i <= 6; ++i) n[i] = static_cast<int16_t>(21 - i);
  }
  n[7] = 25;
}

void CricketRules::scoreDart(GameTable& table, int16_t number, int16_t multiplier) const {
  GameState& state = table.state;
  for (int i = 1; i <= kTargets; ++i) {
    if (number == state.targets[static_cast<std::size_t>(i)]) {
      for (int m = 0; m < multiplier && state.inPlay; ++m) markTarget(table, i);
      return;
    }
    state.undoEnabled = false;
  }
}

void CricketRules::markTarget(GameTable& table, int target) const {
  GameState& state = table.state;
  state.undoEnabled = true;
  if (!table.options.useBoard) state.dartsThrown = 1;
  table.announce(Clip::CHALK);
  const int16_t n = state.targets[static_cast<std::size_t>(target)];
  PlayerRecord& thrower = table.thrower();
  thrower.addMark(n);
  if (thrower.marks(n) >= 4) scoreMark(table, n);
  if (table.autoWin()) checkWin(table);
}

bool CricketRules::takesKeys(const GameOptions& options) const {
  return variant_ != Variant::Random && !options.useBoard;
}

void CricketRules::settleTurn(GameTable& table, int16_t darts) const {
  // On the buttons a turn passed without a mark leaves nothing of its own to undo, and
  // the entry before it belongs to an earlier turn: the undo can no longer reach it.
  if (!table.options.useBoard && darts == 0) table.state.undoEnabled = false;
}

int CricketRules::openOpponents(const GameTable& table, int16_t number) {
  int seats = 0;
  for (int i = 1; i <= table.options.playerCount; ++i) {
    if (i != table.state.thrower && !table.player(i).isClosed(number)) seats |= 1 << i;
  }
  return seats;
}

bool CricketRules::openForAnOpponent(const GameTable& table, int16_t number) {
  return openOpponents(table, number) != 0;
}

// A mark beyond the third: its number is scored, by the thrower or, in Cut-Throat, by each
// opponent who has it open.
void CricketRules::scoreMark(GameTable& table, int16_t number) const {
  if (variant_ != Variant::CutThroat) {
    if (openForAnOpponent(table, number)) {
      PlayerRecord& thrower = table.thrower();
      thrower.setScore(clamp16(long{thrower.score()} + number));
    }
    return;
  }
  const int seats = openOpponents(table, number);
  for (int i = 1; i <= table.options.playerCount; ++i) {
    if ((seats & (1 << i)) == 0) continue;
    PlayerRecord& p = table.player(i);
    p.setScore(clamp16(long{p.score()} + number));
  }
}

void CricketRules::checkWin(GameTable& table) const {
  const PlayerRecord& thrower = table.thrower();
  for (std::size_t i = 1; i <= kTargets; ++i) {
    if (!thrower.isClosed(table.state.targets[i])) return;
  }
  const bool lowestWins = variant_ == Variant::CutThroat;
  for (int i = 1; i <= table.options.playerCount; ++i) {
    const int16_t other = table.player(i).score();
    if (lowestWins ? thrower.score() > other : thrower.score() < other) return;
  }
  table.declareWin();
}

bool CricketRules::canTakeBack(const GameTable& table, int seat) const {
  const PlayerRecord& p = table.player(seat);
  const int16_t n = p.latestMark();
  return n != 0 && p.marks(n) <= 4;
}

void CricketRules::takeBack(GameTable& table) const {
  PlayerRecord& thrower = table.thrower();
  const int16_t n = thrower.latestMark();
  for (int m = 0; m < table.state.lastMultiplier; ++m) {
    const bool scored = thrower.marks(n) - 1 >= 3;
    const int seats = scored ? openOpponents(table, n) : 0;
    if (variant_ != Variant::CutThroat) {
      thrower.takeBackMark(seats != 0);
      continue;
    }
    thrower.takeBackMark(false);
    // Nobody's marks have changed since: the same opponents had the number open.
    for (int i = 1; i <= table.options.playerCount; ++i) {
      if ((seats & (1 << i)) == 0) continue;
      PlayerRecord& p = table.player(i);
      p.setScore(clamp16(long{p.score()} - n));
    }
  }
}
