#pragma once
// Rebuilding a game from its record: the setup with the draws it made, then every entry
// in order through the rules.

#include <functional>

#include "game/game.h"
#include "journal/drawsource.h"
#include "journal/gamerecord.h"

// Sees each entry as it is replayed: the state before it and the game after it.
using EntryObserver =
    std::function<void(const JournalEntry& entry, const GameState& before, const Game& after)>;

// Sets game up as the record began and applies its entries. game must draw its random
// values from draws. A replay is silent: the clips the inputs raise are dropped. The
// game's Auto Detect Win flag is restored afterwards.
void replayGame(Game& game, DrawSource& draws, const RecordedGame& record,
                const EntryObserver& observe = {});

// A game rebuilt on its own, silently, for reading what became of it.
class ReplayedGame {
 public:
  explicit ReplayedGame(const RecordedGame& record, const EntryObserver& observe = {});
  ReplayedGame(const ReplayedGame&) = delete;
  ReplayedGame& operator=(const ReplayedGame&) = delete;
  const Game& game() const { return game_; }

 private:
  DrawSource draws_;
  Game game_;
};
