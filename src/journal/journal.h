#pragma once
// The game journal: an SQLite database of every game's setup and inputs. Nothing that goes
// wrong with the file (damaged, not a journal, made by a newer version, locked by another
// program, a full disk, a folder that cannot be written) stops the program: the journal
// becomes unavailable, says why, and every later call does nothing.

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "journal/gamerecord.h"
#include "store/backgroundflush.h"

class QSqlError;
class QSqlQuery;

class Journal {
 public:
  // Opens the database at path, creating it and its folder when missing, and brings its
  // schema up to date. flush brings the written entries to the disk, on a thread of its own.
  explicit Journal(const QString& path, BackgroundFlush::Flush flush = BackgroundFlush::flushFile);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // $XDG_DATA_HOME/brindlemark/games.sqlite, ~/.local/share when the variable is unset.
  static QString defaultPath();
  // The schema version this program writes.
  static int latestVersion();

  bool available() const { return reason_.isEmpty(); }
  // Why the journal is unavailable, in words for the user; empty while it works.
  const QString& unavailableReason() const { return reason_; }
  const QString& path() const { return path_; }

  // Each write is committed when it returns true, and so survives a crash of the program;
  // it reaches the disk a few milliseconds later, off the caller's path. On false the
  // journal is unavailable.
  std::optional<int64_t> beginMatch(const MatchOptions& match);
  // A game, as a leg of a match begun before (without one, a match of its own is begun).
  std::optional<int64_t> beginGame(const GameSetup& setup, const QString& owner,
                                   std::optional<int64_t> match = std::nullopt);
  bool record(int64_t game, int sequence, const JournalEntry& entry);
  // A game that ends has its figures kept (figurestore.h).
  bool setOutcome(int64_t game, Outcome outcome);
  // Brings the figures of the games still in progress up to date.
  bool keepFiguresInProgress();
  bool setOwner(int64_t game, const QString& owner);

  // Every game with its entries, oldest first.
  std::vector<RecordedGame> games();
  std::optional<RecordedGame> game(int64_t id);
  // The legs of a match, in the order played.
  std::vector<RecordedGame> legsOf(int64_t match);
  // The games still in progress, with the session that plays them.
  std::vector<std::pair<int64_t, QString>> gamesInProgress();
  // The open database, for reading the kept figures (historyfigures.h); an invalid one
  // while the journal is unavailable.
  QSqlDatabase database() const;
  // Waits until every committed write is on the disk.
  void waitUntilOnDisk();

 private:
  bool open();
  bool isJournalFile();
  bool migrate();
  bool fail(const QSqlError& error, const QString& doing);
  // Before a write: false, and unavailable, when an earlier write did not reach the disk.
  bool writable();
  bool written();
  std::vector<RecordedGame> load(const QString& where, const QVariantList& values);

  QString path_;
  QString connection_;
  QString reason_;
  std::unique_ptr<QSqlQuery> insertEntry_;
  std::unique_ptr<BackgroundFlush> flush_;
};
