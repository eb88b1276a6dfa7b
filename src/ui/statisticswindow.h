#pragma once
// "Statistics": the figures of this game (or the last one) and of every player by name
// over all games, in tables a screen reader reads cell by cell, and for a chosen player
// the form chart and the heatmap of where their darts landed. When the history cannot be
// read the window says so and why. Created when opened, destroyed when closed.

#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>
#include <vector>

#include "journal/statistics.h"

class FormView;
class HeatmapView;
class JournalSession;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;

class StatisticsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit StatisticsWindow(JournalSession& journal, QWidget* parent = nullptr);

  // The picture of the tab shown, the chart or the heatmap; a null image on other tabs.
  QImage picture() const;
  // Saves that picture as a PNG file; false when there is none or it cannot be written.
  bool savePicture(const QString& path) const;
  // Asks where "Save Picture..." saves; an empty answer saves nothing.
  std::function<QString()> choosePictureFile;

 private:
  QWidget* thisGamePage(const RecordedGame& game);
  QWidget* playersPage(const std::vector<RecordedGame>& games);
  QWidget* formPage();
  QWidget* heatmapPage();
  void showPlayer();
  void savePictureAs();

  std::vector<RecordedGame> games_;
  std::optional<int64_t> thisGame_;
  QTabWidget* tabs_ = nullptr;
  QComboBox* player_ = nullptr;
  QComboBox* scope_ = nullptr;
  FormView* form_ = nullptr;  // null when the chart cannot be loaded
  HeatmapView* heatmap_ = nullptr;
  QPushButton* save_ = nullptr;
};

// A table of countdown or Cricket figures, one row per player.
QTableWidget* countdownTable(const std::vector<PlayerFigures>& rows, const QString& name);
QTableWidget* cricketTable(const std::vector<PlayerFigures>& rows, const QString& name);
