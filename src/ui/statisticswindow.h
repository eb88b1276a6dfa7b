#pragma once
// "Statistics": the figures of this game (or the last one) and of every player by name
// over all games, in tables a screen reader reads cell by cell. When the history cannot
// be read the window says so and why. Created when opened, destroyed when closed.

#include <QDialog>
#include <vector>

#include "journal/statistics.h"

class JournalSession;
class QTableWidget;

class StatisticsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit StatisticsWindow(JournalSession& journal, QWidget* parent = nullptr);

 private:
  QWidget* thisGamePage(const RecordedGame& game);
  QWidget* playersPage(const std::vector<RecordedGame>& games);
};

// A table of countdown or Cricket figures, one row per player.
QTableWidget* countdownTable(const std::vector<PlayerFigures>& rows, const QString& name);
QTableWidget* cricketTable(const std::vector<PlayerFigures>& rows, const QString& name);
