#pragma once
// Each game's figures as the journal keeps them: one row per seat in the figures table,
// written when the game ends (and, for a game still in progress, whenever the figures are
// asked for), and the seat that threw each board dart in its entry. The statistics are
// sums of those rows, worked out by the database, so no game is replayed to show them.
//   A figure is one field of CountdownFigures or CricketFigures, one column of the table
// and one entry of figureColumns(): its column and how the database sums it.

#include <QSqlError>
#include <QString>
#include <vector>

#include "journal/gamerecord.h"
#include "journal/statistics.h"

class QSqlDatabase;
class QSqlQuery;

struct FigureColumn {
  const char* column;
  const char* sum;  // an SQL aggregate of %1, the column
  int& (*field)(PlayerFigures& figures);
};
const std::vector<FigureColumn>& figureColumns();

// "sum(darts), max(highest_turn), ...": the sums of every figure column, in their order.
QString figureSums();
// "darts, highest_turn, ...": the figure columns themselves, in the same order.
QString figureColumnNames();
// Reads the sums (or the columns) from a query's columns from `first` on (a missing sum
// reads as 0).
void readFigureSums(const QSqlQuery& query, int first, PlayerFigures& figures);

// Replays the game and keeps its figures and throwers, in place of any kept before; the
// caller holds the transaction.
QSqlError keepFigures(QSqlDatabase& db, const RecordedGame& game);
// The same for every game that condition (on the games table; empty for all) selects, a
// few hundred at a time.
QSqlError keepFiguresOf(QSqlDatabase& db, const QString& condition);
