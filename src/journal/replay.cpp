#include "journal/replay.h"

void replayGame(Game& game, DrawSource& draws, const RecordedGame& record,
                const EntryObserver& observe) {
  const bool autoWin = game.autoWin;
  game.options = record.setup.options;
  game.setPlayerNames(record.setup.names);
  draws.startReplay(record.setup.draws);
  game.startGame(record.setup.firstThrower);
  for (const JournalEntry& entry : record.entries) {
    game.autoWin = entry.autoWin;
    if (observe) {
      const GameState before = game.state();
      game.apply(entry.input);
      observe(entry, before, game);
    } else {
      game.apply(entry.input);
    }
  }
  game.autoWin = autoWin;
  game.takeClips();
}

ReplayedGame::ReplayedGame(const RecordedGame& record, const EntryObserver& observe)
    : game_([this] { return draws_.next(); }) {
  game_.soundOn = false;
  game_.soundAvailable = false;
  replayGame(game_, draws_, record, observe);
}
