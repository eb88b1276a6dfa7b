#include "journal/historyfigures.h"

#include <QSqlQuery>
#include <QVariant>

#include "journal/figurestore.h"
#include "journal/journal.h"
#include "journal/journalcodes.h"

namespace {

constexpr int kLastGames = 10;

// The player's own row of a game: a name on two seats is read from its first.
constexpr const char* kPlayerRows = "f.name = ? AND f.seat = f.first_seat";

QVariant text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

HistoryFigures::HistoryFigures(Journal& journal) : db_(journal.database()) {
  journal.keepFiguresInProgress();
}

QString HistoryFigures::scopeCondition(GameScope scope) {
  switch (scope) {
    case GameScope::ThisGame:
      return " AND f.game = ?";
    case GameScope::ThisMatch:
      return " AND f.game IN (SELECT id FROM games"
             " WHERE match = (SELECT match FROM games WHERE id = ?))";
    case GameScope::LastTen:
      return QString(
                 " AND f.game IN (SELECT game FROM figures AS f WHERE %1"
                 " ORDER BY game DESC LIMIT %2)")
          .arg(kPlayerRows)
          .arg(kLastGames);
    case GameScope::All:
      break;
  }
  return {};
}

QVariantList HistoryFigures::scopeValues(const std::string& name, GameScope scope, int64_t shown) {
  switch (scope) {
    case GameScope::ThisGame:
    case GameScope::ThisMatch:
      return {text(name), static_cast<qlonglong>(shown)};
    case GameScope::LastTen:
      return {text(name), text(name)};
    case GameScope::All:
      break;
  }
  return {text(name)};
}

std::optional<int64_t> HistoryFigures::latestGame() const {
  QSqlQuery q(db_);
  if (!q.exec("SELECT max(id) FROM games") || !q.next() || q.value(0).isNull()) return {};
  return q.value(0).toLongLong();
}

std::vector<std::string> HistoryFigures::playerNames() const {
  std::vector<std::string> names;
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  if (!q.exec("SELECT name FROM figures GROUP BY name ORDER BY min(game * 10 + seat)"))
    return names;
  while (q.next()) names.push_back(q.value(0).toString().toStdString());
  return names;
}

std::vector<PlayerFigures> HistoryFigures::byName() const {
  std::vector<PlayerFigures> rows;
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  if (!q.exec("SELECT name, " + figureSums() +
              " FROM figures GROUP BY name ORDER BY min(game * 10 + seat)"))
    return rows;
  while (q.next()) {
    PlayerFigures& row = rows.emplace_back();
    row.name = q.value(0).toString().toStdString();
    readFigureSums(q, 1, row);
  }
  return rows;
}

PlayerFigures HistoryFigures::ofPlayer(const std::string& name, GameScope scope,
                                       int64_t shown) const {
  PlayerFigures figures{.name = name, .countdown = {}, .cricket = {}};
  QSqlQuery q(db_);
  q.prepare("SELECT " + figureSums() + " FROM figures AS f WHERE " + kPlayerRows +
            scopeCondition(scope));
  for (const QVariant& v : scopeValues(name, scope, shown)) q.addBindValue(v);
  if (q.exec() && q.next()) readFigureSums(q, 0, figures);
  return figures;
}

std::vector<PlayerGame> HistoryFigures::gamesOf(const std::string& name) const {
  std::vector<PlayerGame> played;
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  // One row a game: the player's first seat.
  q.prepare("SELECT f.game, g.started, g.game_type, g.outcome, " + figureColumnNames() +
            " FROM figures AS f JOIN games AS g ON g.id = f.game WHERE " + kPlayerRows +
            " ORDER BY f.game");
  q.addBindValue(text(name));
  if (!q.exec()) return played;
  while (q.next()) {
    PlayerGame& g = played.emplace_back();
    g.game = q.value(0).toLongLong();
    g.started = q.value(1).toString().toStdString();
    g.gameType = static_cast<int16_t>(q.value(2).toInt());
    g.outcome = outcomeFrom(q.value(3).toString());
    g.figures.name = name;
    readFigureSums(q, 4, g.figures);
    g.won = g.figures.countdown.won + g.figures.cricket.won > 0;
  }
  return played;
}

LandingCounts HistoryFigures::landingsOf(const std::string& name, GameScope scope, int64_t shown,
                                         const DensityGrid& grid) const {
  LandingCounts counts;
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  // Counted by the database: a few thousand rows at most, whatever the number of darts.
  q.prepare(QString("SELECT CAST(e.x / ? AS INTEGER), CAST(e.y / ? AS INTEGER), e.bed, count(*)"
                    " FROM figures AS f"
                    " JOIN entries AS e ON e.game = f.game AND e.thrower = f.seat"
                    " WHERE %1 AND e.kind = 'dart' AND e.x IS NOT NULL AND e.y IS NOT NULL%2"
                    " GROUP BY 1, 2, 3 ORDER BY 1, 2")
                .arg(kPlayerRows, scopeCondition(scope)));
  q.addBindValue(grid.cellTwips());
  q.addBindValue(grid.cellTwips());
  for (const QVariant& v : scopeValues(name, scope, shown)) q.addBindValue(v);
  if (!q.exec()) return counts;
  while (q.next()) {
    const int column = q.value(0).toInt();
    const int row = q.value(1).toInt();
    const int darts = q.value(3).toInt();
    if (counts.cells.empty() || counts.cells.back()[0] != column || counts.cells.back()[1] != row)
      counts.cells.push_back({column, row, 0});
    counts.cells.back()[2] += darts;
    counts.beds[q.value(2).toString().toStdString()] += darts;
    counts.darts += darts;
  }
  return counts;
}
