#pragma once
// The tables of figures in the statistics window, each cell plain text that a screen
// reader reads as it stands. Every figure is one row of figureRows(): its caption and how
// its value is written; the tables take their figures from there.

#include <QString>
#include <vector>

#include "journal/statistics.h"

class QTableWidget;

struct FigureRow {
  const char* caption;
  bool cricket;  // a Cricket figure; the others are of countdown games
  QString (*value)(const PlayerFigures& figures);
};
const std::vector<FigureRow>& figureRows();

// "33.3% (1/3)"; "-" without a dart at a finish (always so in Any In/Out games).
QString checkoutText(const CountdownFigures& figures);

// One player's figures: a row per figure, a column per choice of games (its header, then
// the figures over those games).
struct FigureScope {
  QString header;
  PlayerFigures figures;
};
QTableWidget* figuresTable(const QString& name);
void showFigures(QTableWidget* table, const std::vector<FigureScope>& scopes);

// A table of countdown or Cricket figures, one row per player.
QTableWidget* countdownTable(const std::vector<PlayerFigures>& rows, const QString& name);
QTableWidget* cricketTable(const std::vector<PlayerFigures>& rows, const QString& name);
