#pragma once
// This run's part of the game journal: the game it plays, the draws that game made, and
// the games that earlier runs left unfinished. The window calls it around every new game
// and every input; when the journal is unavailable every call does nothing and the game
// plays on.
//
// Each running copy of the program holds a lock file of its own beside the database and
// signs the games it plays with it. A game still in progress whose copy no longer holds
// its lock (the program was closed, killed or crashed, or the machine went down) is left
// unfinished; a game whose copy still runs is that copy's own.

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

#include "journal/drawsource.h"
#include "journal/journal.h"

class JournalSession {
 public:
  // Nothing is opened until open(): until then, and whenever the journal is unavailable,
  // the game plays without one.
  JournalSession() = default;
  explicit JournalSession(const QString& path) { open(path); }
  ~JournalSession();
  JournalSession(const JournalSession&) = delete;
  JournalSession& operator=(const JournalSession&) = delete;
  void open(const QString& path = Journal::defaultPath());

  bool available() const { return journal_ && journal_->available(); }
  // Why there is no history, in words for the user.
  QString unavailableReason() const;

  // The source the window's game draws its random values from.
  float draw() { return draws_.next(); }
  // Before a new game is set up: its draws start afresh from the clock.
  void aboutToSetUp() { draws_.startLive(); }
  // After the new game is set up: the game it replaces is closed as unfinished and the
  // new one begins, as a match of one leg.
  void beginGame(const Game& game);
  // After a leg of a match is set up: its first leg begins the match, every other leg
  // goes on with the match of the leg before.
  void beginLeg(const Match& match);
  // Before an input reaches the game.
  void record(const GameInput& input, bool autoWin);
  // After an input: a game that was won is closed.
  void afterInput(const Game& game);

  // The latest game that an earlier run left in progress, now this run's; any older ones
  // are closed as unfinished, and one that turns out won is closed as won.
  std::optional<RecordedGame> takeUnfinished();
  // Continue it: game is rebuilt silently and the inputs that follow are added to it.
  void resume(Game& game, const RecordedGame& record);
  // The same for a leg of a match: the match is rebuilt as its earlier legs left it.
  void resume(Match& match, const RecordedGame& record);
  // Keep it in the history as unfinished.
  void decline(const RecordedGame& record);
  // The whole history as CSV into a file; false when it could not be written.
  bool exportHistory(const QString& path);

  // The database, once opened.
  Journal* journal() { return journal_.get(); }
  // The game this run plays, or played last.
  std::optional<int64_t> currentGame() const { return current_; }

 private:
  bool ownerAlive(const QString& owner) const;
  void begin(const GameSetup& setup, bool firstLeg);

  std::unique_ptr<Journal> journal_;
  QString owner_;
  QString locks_;
  std::unique_ptr<QLockFile> lock_;
  DrawSource draws_;
  std::optional<int64_t> current_;
  std::optional<int64_t> currentMatch_;
  bool playing_ = false;
  int sequence_ = 0;
};
