#pragma once
// Reading recorded games, with their entries, from the journal's database.

#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <vector>

#include "journal/gamerecord.h"

class QSqlDatabase;

// Appends the games that `where` (a WHERE clause on the games table, with its values)
// selects, oldest first, each with its entries in order; returns an invalid error when
// it succeeds. The caller holds the transaction they are read in.
QSqlError readGames(QSqlDatabase& db, const QString& where, const QVariantList& values,
                    std::vector<RecordedGame>& games);
