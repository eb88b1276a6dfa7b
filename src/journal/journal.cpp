#include "journal/journal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <utility>

#include "journal/bed.h"
#include "journal/figurestore.h"
#include "journal/gamereader.h"
#include "journal/journalcodes.h"
#include "journal/journalschema.h"

Journal::Journal(const QString& path, BackgroundFlush::Flush flush)
    : path_(path), connection_("journal-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
  // The committed entries are in the write-ahead log, which is what has to reach the disk.
  flush_ = std::make_unique<BackgroundFlush>(QFile::encodeName(path_ + "-wal").toStdString(),
                                             std::move(flush));
  if (open() && migrate()) written();
}

Journal::~Journal() {
  flush_.reset();  // the latest entries reach the disk first
  insertEntry_.reset();
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

QString Journal::defaultPath() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/share";
  return base + "/brindlemark/games.sqlite";
}

int Journal::latestVersion() { return schemaSteps().back().version; }

bool Journal::writable() {
  if (!available()) return false;
  if (flush_->failed()) reason_ = "the history file could not be written to the disk";
  return available();
}

bool Journal::written() {
  flush_->request();
  return true;
}

void Journal::waitUntilOnDisk() { flush_->waitUntilFlushed(); }

bool Journal::fail(const QSqlError& error, const QString& doing) {
  if (reason_.isEmpty()) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    reason_ = numeric ? explain(code) : QString("the history file cannot be used");
    reason_ += " (" + doing + ": " + error.text() + ")";
  }
  return false;
}

bool Journal::open() {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    reason_ = "the folder " + folder + " cannot be created";
    return false;
  }
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
  if (!db.isValid()) {
    reason_ = "the SQLite driver of Qt is not installed";
    return false;
  }
  db.setDatabaseName(path_);
  // A short wait for another copy of the program, which holds the file only to write one row.
  db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=1500");
  if (!db.open()) return fail(db.lastError(), "opening");
  QSqlQuery q(db);
  // The file's own tables only: a check of every schema would also open the empty schema
  // of temporary tables, with a page cache of its own kept for as long as the journal is.
  if (!q.exec("PRAGMA main.quick_check") || !q.next()) return fail(q.lastError(), "checking");
  if (q.value(0).toString() != "ok") {
    reason_ = "the history file is damaged (" + q.value(0).toString() + ")";
    return false;
  }
  // Is the file writable, and not held by another program? Take the write lock once.
  if (!q.exec("BEGIN IMMEDIATE")) return fail(q.lastError(), "locking");
  q.exec("ROLLBACK");
  if (!isJournalFile()) return false;
  if (!q.exec("PRAGMA journal_mode=WAL") || !q.next()) return fail(q.lastError(), "opening");
  if (q.value(0).toString().compare("wal", Qt::CaseInsensitive) != 0) {
    reason_ = "the history file cannot be written";
    return false;
  }
  // A committed entry is in the log file before the window shows it, so a crash of the
  // program loses nothing. The flush to the disk, which takes milliseconds, runs on a
  // thread of its own (flush_); a power cut within those milliseconds can lose the latest
  // entry, never the file.
  if (!q.exec("PRAGMA synchronous=NORMAL")) return fail(q.lastError(), "opening");
  if (!q.exec("PRAGMA foreign_keys=ON")) return fail(q.lastError(), "opening");
  return true;
}

bool Journal::isJournalFile() {
  // Read before anything is written: a file that is not ours stays as it is.
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!q.exec("PRAGMA user_version") || !q.next())
    return fail(q.lastError(), "reading the version");
  const int version = q.value(0).toInt();
  if (version > latestVersion()) {
    reason_ = QString("the history file was written by a newer version of Brindlemark");
    return false;
  }
  if (version == 0) {
    if (!q.exec("SELECT count(*) FROM sqlite_master") || !q.next()) {
      return fail(q.lastError(), "reading the schema");
    }
    if (q.value(0).toInt() != 0) {
      reason_ = "the history file belongs to another program";
      return false;
    }
  }
  return true;
}

bool Journal::migrate() {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery q(db);
  if (!q.exec("PRAGMA user_version") || !q.next())
    return fail(q.lastError(), "reading the version");
  const int version = q.value(0).toInt();
  for (const SchemaStep& step : schemaSteps()) {
    if (step.version <= version) continue;
    if (!db.transaction()) return fail(db.lastError(), "updating the history file");
    for (const char* statement : step.statements) {
      if (!q.exec(statement)) {
        const QSqlError error = q.lastError();
        db.rollback();
        return fail(error, "updating the history file");
      }
    }
    if (step.fill) {
      const QSqlError error = step.fill(db);
      if (error.isValid()) {
        db.rollback();
        return fail(error, "updating the history file");
      }
    }
    if (!q.exec(QString("PRAGMA user_version=%1").arg(step.version)) || !db.commit()) {
      const QSqlError error = q.lastError().isValid() ? q.lastError() : db.lastError();
      db.rollback();
      return fail(error, "updating the history file");
    }
  }
  return true;
}

std::optional<int64_t> Journal::beginMatch(const MatchOptions& match) {
  if (!writable()) return std::nullopt;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare("INSERT INTO matches (legs_to_win, sets_to_win) VALUES (?, ?)");
  q.addBindValue(int{match.legsToWin});
  q.addBindValue(int{match.setsToWin});
  if (!q.exec()) {
    fail(q.lastError(), "beginning a match");
    return std::nullopt;
  }
  return q.lastInsertId().toLongLong();
}

std::optional<int64_t> Journal::beginGame(const GameSetup& setup, const QString& owner,
                                          std::optional<int64_t> match) {
  if (!match) match = beginMatch(setup.match);
  if (!match || !writable()) return std::nullopt;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare(
      "INSERT INTO games (started, owner, game_type, num_players, in_out_rule, double_bull,"
      " use_board, name1, name2, name3, name4, draws, match, set_number, leg_number,"
      " first_thrower, computer_levels, outcome)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'playing')");
  q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
  q.addBindValue(owner);
  const GameOptions& o = setup.options;
  for (int value : {int{o.gameType}, int{o.playerCount}, int{o.inOutRule}, int{o.doubleBull},
                    int{o.useBoard}}) {
    q.addBindValue(value);
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    q.addBindValue(QString::fromStdString(setup.names[static_cast<std::size_t>(seat)]) + "");
  }
  q.addBindValue(drawsText(setup.draws));
  q.addBindValue(static_cast<qlonglong>(*match));
  for (int value : {int{setup.set}, int{setup.leg}, int{setup.firstThrower}}) q.addBindValue(value);
  q.addBindValue(levelsText(o.computerLevels));
  if (!q.exec()) {
    fail(q.lastError(), "beginning a game");
    return std::nullopt;
  }
  written();
  return q.lastInsertId().toLongLong();
}

bool Journal::record(int64_t game, int sequence, const JournalEntry& entry) {
  if (!writable()) return false;
  // Prepared once: one row per input is the journal's busiest path.
  if (!insertEntry_) {
    insertEntry_ = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection_, false));
    insertEntry_->prepare(
        "INSERT INTO entries (game, sequence, kind, x, y, bed, target, seat, points, added,"
        " auto_win) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  }
  QSqlQuery& q = *insertEntry_;
  const GameInput& in = entry.input;
  const bool dart = in.kind == GameInput::Kind::BoardDart;
  const bool landed = dart && !in.typed;  // a typed dart has its bed and no landing point
  const bool edit = in.kind == GameInput::Kind::EditScore;
  q.addBindValue(static_cast<qlonglong>(game));
  q.addBindValue(sequence);
  q.addBindValue(QString::fromLatin1(kindName(in.kind)));
  q.addBindValue(landed ? QVariant(static_cast<double>(in.x)) : QVariant());
  q.addBindValue(landed ? QVariant(static_cast<double>(in.y)) : QVariant());
  q.addBindValue(dart ? QVariant(QString::fromStdString(bedOf(in))) : QVariant());
  q.addBindValue(in.kind == GameInput::Kind::TargetPress ? QVariant(in.target) : QVariant());
  q.addBindValue(edit ? QVariant(in.seat) : QVariant());
  q.addBindValue(edit ? QVariant(in.points) : QVariant());
  q.addBindValue(edit ? QVariant(in.add ? 1 : 0) : QVariant());
  q.addBindValue(entry.autoWin ? 1 : 0);
  if (!q.exec()) return fail(q.lastError(), "recording an entry");
  return written();
}

bool Journal::setOutcome(int64_t game, Outcome outcome) {
  if (!writable()) return false;
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  // The game's figures are kept with its end, in the same transaction.
  if (!db.transaction()) return fail(db.lastError(), "closing a game");
  QSqlQuery q(db);
  q.prepare("UPDATE games SET outcome = ? WHERE id = ?");
  q.addBindValue(QString::fromLatin1(outcomeName(outcome)));
  q.addBindValue(static_cast<qlonglong>(game));
  QSqlError error = q.exec() ? QSqlError() : q.lastError();
  if (!error.isValid() && outcome != Outcome::Playing)
    error = keepFiguresOf(db, QString("id = %1").arg(game));
  if (error.isValid() || !db.commit()) {
    if (!error.isValid()) error = db.lastError();
    db.rollback();
    return fail(error, "closing a game");
  }
  return written();
}

bool Journal::keepFiguresInProgress() {
  if (!writable()) return false;
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  if (!db.transaction()) return fail(db.lastError(), "reading the figures");
  // Also a game whose figures were never kept, whatever became of it.
  QSqlError error =
      keepFiguresOf(db, "outcome = 'playing' OR id NOT IN (SELECT DISTINCT game FROM figures)");
  if (error.isValid() || !db.commit()) {
    if (!error.isValid()) error = db.lastError();
    db.rollback();
    return fail(error, "reading the figures");
  }
  return written();
}

QSqlDatabase Journal::database() const {
  return available() ? QSqlDatabase::database(connection_, false) : QSqlDatabase();
}

bool Journal::setOwner(int64_t game, const QString& owner) {
  if (!writable()) return false;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.prepare("UPDATE games SET owner = ? WHERE id = ?");
  q.addBindValue(owner);
  q.addBindValue(static_cast<qlonglong>(game));
  if (!q.exec()) return fail(q.lastError(), "taking over a game");
  return written();
}

std::vector<RecordedGame> Journal::games() { return load({}, {}); }

std::optional<RecordedGame> Journal::game(int64_t id) {
  std::vector<RecordedGame> found = load("WHERE id = ?", {static_cast<qlonglong>(id)});
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

std::vector<RecordedGame> Journal::legsOf(int64_t match) {
  return load("WHERE match = ?", {static_cast<qlonglong>(match)});
}

std::vector<std::pair<int64_t, QString>> Journal::gamesInProgress() {
  std::vector<std::pair<int64_t, QString>> found;
  if (!available()) return found;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!q.exec("SELECT id, owner FROM games WHERE outcome = 'playing' ORDER BY id")) {
    fail(q.lastError(), "reading the games");
    return found;
  }
  while (q.next()) found.emplace_back(q.value(0).toLongLong(), q.value(1).toString());
  return found;
}

std::vector<RecordedGame> Journal::load(const QString& where, const QVariantList& values) {
  std::vector<RecordedGame> games;
  if (!available()) return games;
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  // One read transaction, so that the games and their entries belong together.
  db.transaction();
  const QSqlError error = readGames(db, where, values, games);
  db.rollback();
  if (error.isValid()) {
    fail(error, "reading the games");
    return {};
  }
  return games;
}
