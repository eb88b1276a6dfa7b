#include "journal/replay.h"

void replayGame(Game& game, DrawSource& draws, const RecordedGame& record,
                const EntryObserver& observe) {
  const bool autoWin = game.auto_win;
  game.options = record.setup.options;
  game.letsBegin(record.setup.names);
  draws.startReplay(record.setup.draws);
  game.reset_game();
  for (const JournalEntry& entry : record.entries) {
    game.auto_win = entry.autoWin;
    if (observe) {
      const GameState before = game.state();
      game.apply(entry.input);
      observe(entry, before, game);
    } else {
      game.apply(entry.input);
    }
  }
  game.auto_win = autoWin;
}

ReplayedGame::ReplayedGame(const RecordedGame& record, const EntryObserver& observe)
    : game_(silence_, [this] { return draws_.next(); }) {
  game_.sound_on = false;
  game_.sound_ok = false;
  replayGame(game_, draws_, record, observe);
}
