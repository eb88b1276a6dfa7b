#pragma once
// Helpers for journal tests: a temporary folder, a game played through the rules while it
// is recorded, and a look into a database file from outside the journal.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

#include "game/session.h"
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

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
