#include "journal/figurestore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>

#include "journal/gamereader.h"

namespace {

constexpr int kGamesAtOnce = 250;

// The first seat of a name in a game: the one a player's history reads.
int firstSeatOf(const std::vector<PlayerFigures>& seats, const std::string& name) {
  return static_cast<int>(std::ranges::find(seats, name, &PlayerFigures::name) - seats.begin()) + 1;
}

}  // namespace

const std::vector<FigureColumn>& figureColumns() {
  using F = PlayerFigures;
  static const std::vector<FigureColumn> kColumns = {
      {"countdown_games", "sum(%1)", [](F& f) -> int& { return f.countdown.games; }},
      {"countdown_won", "sum(%1)", [](F& f) -> int& { return f.countdown.won; }},
      {"darts", "sum(%1)", [](F& f) -> int& { return f.countdown.darts; }},
      {"settled_darts", "sum(%1)", [](F& f) -> int& { return f.countdown.settledDarts; }},
      {"points", "sum(%1)", [](F& f) -> int& { return f.countdown.points; }},
      {"first_nine_darts", "sum(%1)", [](F& f) -> int& { return f.countdown.firstNineDarts; }},
      {"first_nine_points", "sum(%1)", [](F& f) -> int& { return f.countdown.firstNinePoints; }},
      {"highest_turn", "max(%1)", [](F& f) -> int& { return f.countdown.highestTurn; }},
      {"turns100", "sum(%1)", [](F& f) -> int& { return f.countdown.turns100; }},
      {"turns140", "sum(%1)", [](F& f) -> int& { return f.countdown.turns140; }},
      {"turns180", "sum(%1)", [](F& f) -> int& { return f.countdown.turns180; }},
      {"finish_darts", "sum(%1)", [](F& f) -> int& { return f.countdown.finishDarts; }},
      {"checkouts", "sum(%1)", [](F& f) -> int& { return f.countdown.checkouts; }},
      {"highest_checkout", "max(%1)", [](F& f) -> int& { return f.countdown.highestCheckout; }},
      // 0 is no leg won, which is no best leg
      {"best_leg", "min(nullif(%1, 0))", [](F& f) -> int& { return f.countdown.bestLeg; }},
      {"cricket_games", "sum(%1)", [](F& f) -> int& { return f.cricket.games; }},
      {"cricket_won", "sum(%1)", [](F& f) -> int& { return f.cricket.won; }},
      {"marks", "sum(%1)", [](F& f) -> int& { return f.cricket.marks; }},
      {"cricket_turns", "sum(%1)", [](F& f) -> int& { return f.cricket.turns; }},
  };
  return kColumns;
}

QString figureSums() {
  QStringList sums;
  for (const FigureColumn& c : figureColumns()) sums << QString(c.sum).arg(c.column);
  return sums.join(", ");
}

QString figureColumnNames() {
  QStringList names;
  for (const FigureColumn& c : figureColumns()) names << c.column;
  return names.join(", ");
}

void readFigureSums(const QSqlQuery& query, int first, PlayerFigures& figures) {
  int column = first;
  for (const FigureColumn& c : figureColumns()) c.field(figures) = query.value(column++).toInt();
}

QSqlError keepFigures(QSqlDatabase& db, const RecordedGame& game) {
  GameTally tally = tallyGame(game);
  const QVariant id = static_cast<qlonglong>(game.id);
  QSqlQuery q(db);
  q.prepare("DELETE FROM figures WHERE game = ?");
  q.addBindValue(id);
  if (!q.exec()) return q.lastError();
  q.prepare("INSERT INTO figures (game, seat, name, first_seat, " + figureColumnNames() +
            ") VALUES (?, ?, ?, ?" +
            QString(", ?").repeated(static_cast<int>(figureColumns().size())) + ")");
  for (std::size_t i = 0; i < tally.seats.size(); ++i) {
    PlayerFigures& seat = tally.seats[i];
    q.addBindValue(id);
    q.addBindValue(static_cast<int>(i) + 1);
    q.addBindValue(QString::fromStdString(seat.name));
    q.addBindValue(firstSeatOf(tally.seats, seat.name));
    for (const FigureColumn& c : figureColumns()) q.addBindValue(c.field(seat));
    if (!q.exec()) return q.lastError();
  }
  // The entries in the order read, by their sequence numbers.
  QSqlQuery sequences(db);
  sequences.setForwardOnly(true);
  sequences.prepare("SELECT sequence FROM entries WHERE game = ? ORDER BY sequence");
  sequences.addBindValue(id);
  if (!sequences.exec()) return sequences.lastError();
  q.prepare("UPDATE entries SET thrower = ? WHERE game = ? AND sequence = ?");
  for (std::size_t i = 0; i < game.entries.size() && sequences.next(); ++i) {
    if (!game.entries[i].hasLandingPoint()) continue;
    const int thrower = tally.throwers[i];
    q.addBindValue(thrower > 0 ? QVariant(thrower) : QVariant());
    q.addBindValue(id);
    q.addBindValue(sequences.value(0));
    if (!q.exec()) return q.lastError();
  }
  return {};
}

QSqlError keepFiguresOf(QSqlDatabase& db, const QString& condition) {
  qlonglong after = 0;
  for (;;) {
    std::vector<RecordedGame> games;
    QSqlError read = readGames(
        db,
        QString("WHERE id IN (SELECT id FROM games WHERE (%1) AND id > ? ORDER BY id LIMIT %2)")
            .arg(condition.isEmpty() ? QString("1") : condition)
            .arg(kGamesAtOnce),
        {after}, games);
    if (read.isValid()) return read;
    if (games.empty()) return {};
    for (const RecordedGame& game : games) {
      QSqlError kept = keepFigures(db, game);
      if (kept.isValid()) return kept;
    }
    after = games.back().id;
  }
}
