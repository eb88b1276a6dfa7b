#include "journal/gamereader.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <map>

#include "journal/bed.h"
#include "journal/journalcodes.h"

QSqlError readGames(QSqlDatabase& db, const QString& where, const QVariantList& values,
                    std::vector<RecordedGame>& games) {
  QSqlQuery q(db);
  q.setForwardOnly(true);
  q.prepare(
      "SELECT id, started, game_type, num_players, in_out_rule, double_bull, use_board,"
      " name1, name2, name3, name4, draws, outcome, match, set_number, leg_number,"
      " first_thrower,"
      " (SELECT legs_to_win FROM matches WHERE matches.id = games.match),"
      " (SELECT sets_to_win FROM matches WHERE matches.id = games.match), computer_levels"
      " FROM games " +
      where + " ORDER BY id");
  for (const QVariant& v : values) q.addBindValue(v);
  if (!q.exec()) return q.lastError();
  std::map<int64_t, std::size_t> index;
  while (q.next()) {
    RecordedGame g;
    g.id = q.value(0).toLongLong();
    g.started = q.value(1).toString().toStdString();
    GameOptions& o = g.setup.options;
    o.gameType = static_cast<int16_t>(q.value(2).toInt());
    o.playerCount = static_cast<int16_t>(q.value(3).toInt());
    o.inOutRule = static_cast<int16_t>(q.value(4).toInt());
    o.doubleBull = q.value(5).toInt() != 0;
    o.useBoard = q.value(6).toInt() != 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
      g.setup.names[static_cast<std::size_t>(seat)] = q.value(6 + seat).toString().toStdString();
    }
    g.setup.draws = drawsFrom(q.value(11).toString());
    g.outcome = outcomeFrom(q.value(12).toString());
    g.match = q.value(13).toLongLong();
    // Held to what the program plays, whatever a damaged file says.
    const auto within = [&](int column, int most) {
      return static_cast<int16_t>(std::clamp(q.value(column).toInt(), 1, most));
    };
    g.setup.set = within(14, std::numeric_limits<int16_t>::max());
    g.setup.leg = within(15, std::numeric_limits<int16_t>::max());
    g.setup.firstThrower = within(16, kSeats);
    g.setup.match = {.legsToWin = within(17, MatchOptions::kMostLegs),
                     .setsToWin = within(18, MatchOptions::kMostSets)};
    o.computerLevels = levelsFrom(q.value(19).toString());
    index[g.id] = games.size();
    games.push_back(std::move(g));
  }
  QSqlQuery e(db);
  e.setForwardOnly(true);
  e.prepare(
      "SELECT game, kind, x, y, target, seat, points, added, auto_win, bed FROM entries"
      " WHERE game IN (SELECT id FROM games " +
      where + ") ORDER BY game, sequence");
  for (const QVariant& v : values) e.addBindValue(v);
  if (!e.exec()) return e.lastError();
  while (e.next()) {
    const auto found = index.find(e.value(0).toLongLong());
    if (found == index.end()) continue;
    JournalEntry entry;
    GameInput& in = entry.input;
    in.kind = kindFrom(e.value(1).toString());
    in.x = static_cast<float>(e.value(2).toDouble());
    in.y = static_cast<float>(e.value(3).toDouble());
    in.target = e.value(4).toInt();
    in.seat = e.value(5).toInt();
    in.points = e.value(6).toInt();
    in.add = e.value(7).isNull() || e.value(7).toInt() != 0;
    entry.autoWin = e.value(8).toInt() != 0;
    // A dart with no landing point was typed by its bed; one without a bed either
    // (written by hand, or damaged) still counts as thrown.
    if (in.kind == GameInput::Kind::BoardDart) {
      entry.bed = e.value(9).toString().toStdString();
      if (e.value(2).isNull() || e.value(3).isNull()) typedFrom(entry);
    }
    games[found->second].entries.push_back(entry);
  }
  return {};
}
