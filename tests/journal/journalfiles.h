#pragma once
// Helpers for journal tests: a temporary folder, a game played through the rules while it
// is recorded, and a look into a database file from outside the journal.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

#include "game/session.h"
#include "journal/journalcodes.h"
#include "journal/journalschema.h"
#include "journal/journalsession.h"
#include "journal/replay.h"

inline void ensureApplication() {
  static int argc = 1;
  static char name[] = "journal_test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

struct JournalFolder {
  QTemporaryDir dir;
  JournalFolder() { ensureApplication(); }
  QString path() const { return dir.path() + "/brindlemark/games.sqlite"; }
};

// A game in the window's place: every input goes to the journal first, then to the game.
struct RecordedPlay {
  JournalSession& session;
  Game game;

  explicit RecordedPlay(JournalSession& s) : session(s), game([this] { return session.draw(); }) {}

  void start(GameOptions options,
             const std::array<std::string, kSeats + 1>& names = {"", "Ann", "Bob", "Cy", "Di"}) {
    game.options = options;
    game.setPlayerNames(names);
    session.aboutToSetUp();
    game.startGame();
    session.beginGame(game);
  }
  void apply(const GameInput& input) {
    session.record(input, game.autoWin);
    game.apply(input);
    session.afterInput(game);
  }
  void play(const std::string& script) {
    for (const GameInput& input : scriptInputs(script)) apply(input);
  }
};

// A connection of its own to a database file, as another program would open it.
struct Connection {
  QString name = QUuid::createUuid().toString();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
  explicit Connection(const QString& path) {
    db.setDatabaseName(path);
    db.open();
  }
  ~Connection() {
    db = {};  // closes it, and with it any transaction it holds
    QSqlDatabase::removeDatabase(name);
  }
  // The first value a statement gives, if any.
  QVariant value(const QString& sql) {
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0) : QVariant();
  }
};

inline QVariant peek(const QString& path, const QString& sql) {
  return Connection(path).value(sql);
}

// A match in the window's place: every input goes to the journal first, then to the match,
// and a leg won is followed by the next, recorded as the window records it.
struct RecordedMatch {
  JournalSession& session;
  Game game;
  Match match{game};

  explicit RecordedMatch(JournalSession& s) : session(s), game([this] { return session.draw(); }) {}

  void start(GameOptions options, MatchOptions legs) {
    game.options = options;
    game.setPlayerNames({"", "Ann", "Bob", "Cy", "Di"});
    match.options = legs;
    session.aboutToSetUp();
    match.start();
    session.beginLeg(match);
  }
  void apply(const GameInput& input) {
    session.record(input, game.autoWin);
    match.apply(input);
    session.afterInput(game);
    if (!match.score().legAwaitsStart) return;
    session.aboutToSetUp();
    match.startNextLeg();
    session.beginLeg(match);
  }
  void play(const std::string& script) {
    for (const GameInput& input : scriptInputs(script)) apply(input);
  }
};

// A journal file as an earlier version of the program left it: the schema's steps up to
// that version, and the games with the columns it had.
inline void writeOldJournal(const QString& path, int version,
                            const std::vector<RecordedGame>& games) {
  Connection c(path);
  QSqlQuery q(c.db);
  for (const SchemaStep& step : schemaSteps()) {
    if (step.version > version) break;
    for (const char* statement : step.statements) EXPECT_TRUE(q.exec(statement)) << statement;
  }
  EXPECT_TRUE(q.exec(QString("PRAGMA user_version = %1").arg(version)));
  for (const RecordedGame& g : games) {
    q.prepare(
        "INSERT INTO games (id, started, owner, game_type, num_players, in_out_rule,"
        " double_bull, use_board, name1, name2, name3, name4, draws, outcome)"
        " VALUES (?, ?, 'gone', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const GameOptions& o = g.setup.options;
    for (const QVariant& v : QVariantList{
             static_cast<qlonglong>(g.id), QString::fromStdString(g.started), o.gameType,
             o.playerCount, o.inOutRule, o.doubleBull, o.useBoard,
             QString::fromStdString(g.setup.names[1]), QString::fromStdString(g.setup.names[2]),
             QString::fromStdString(g.setup.names[3]), QString::fromStdString(g.setup.names[4]),
             drawsText(g.setup.draws), QString::fromLatin1(outcomeName(g.outcome))})
      q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    int sequence = 0;
    for (const JournalEntry& e : g.entries) {
      const GameInput& in = e.input;
      const bool dart = in.kind == GameInput::Kind::BoardDart;
      const bool edit = in.kind == GameInput::Kind::EditScore;
      q.prepare(QString("INSERT INTO entries (game, sequence, kind, x, y, target, seat, points,"
                        " added, auto_win%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2)")
                    .arg(version >= 2 ? ", bed" : "", version >= 2 ? ", ?" : ""));
      QVariantList values{
          static_cast<qlonglong>(g.id),
          ++sequence,
          QString::fromLatin1(kindName(in.kind)),
          dart ? QVariant(static_cast<double>(in.x)) : QVariant(),
          dart ? QVariant(static_cast<double>(in.y)) : QVariant(),
          in.kind == GameInput::Kind::TargetPress ? QVariant(in.target) : QVariant(),
          edit ? QVariant(in.seat) : QVariant(),
          edit ? QVariant(in.points) : QVariant(),
          edit ? QVariant(in.add ? 1 : 0) : QVariant(),
          e.autoWin ? 1 : 0};
      if (version >= 2) values << QString::fromStdString(e.bed);
      for (const QVariant& v : values) q.addBindValue(v);
      EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
  }
  // From version 3 on every game is a leg of a match: here each a match of its own.
  if (version >= 3) {
    EXPECT_TRUE(q.exec("INSERT INTO matches SELECT id, 1, 1 FROM games"));
    EXPECT_TRUE(q.exec("UPDATE games SET match = id"));
  }
}

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
