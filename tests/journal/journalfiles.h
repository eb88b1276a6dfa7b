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

// A query on the database file through a connection of its own.
inline QVariant peek(const QString& path, const QString& sql) {
  const QString name = QUuid::createUuid().toString();
  QVariant value;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    db.setDatabaseName(path);
    if (db.open()) {
      QSqlQuery q(db);
      if (q.exec(sql) && q.next()) value = q.value(0);
    }
  }
  QSqlDatabase::removeDatabase(name);
  return value;
}

inline QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
