#pragma once
// "Statistics": the figures of this game (or the last one) and of every player by name
// over all games, in tables a screen reader reads cell by cell, and for a chosen player
// their figures over this game, its match, their last ten games and all games, the form
// chart and the heatmap of where their darts landed. The figures are sums the database
// works out (journal/historyfigures.h), so the window opens as quickly with years of games
// as with one; the heatmap is drawn when its tab is shown. When the history cannot be
// read the window says so and why. Created when opened, destroyed when closed.

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "journal/gamerecord.h"
#include "journal/playerhistory.h"
#include "journal/statistics.h"

class FormView;
class HeatmapView;
class HistoryFigures;
class JournalSession;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;

class StatisticsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit StatisticsWindow(JournalSession& journal, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  // The picture of the tab shown, the chart or the heatmap; a null image on other tabs.
  QImage picture() const;
  // Saves that picture as a PNG file; false when there is none or it cannot be written.
  bool savePicture(const QString& path) const;
  // Asks where "Save Picture..." saves; an empty answer saves nothing.
  std::function<QString()> choosePictureFile;

 private:
  QWidget* thisGamePage(const RecordedGame& game);
  QWidget* playersPage();
  QWidget* formPage();
  QWidget* heatmapPage();
  void showPlayer();
  void showHeatmap();
  void savePictureAs();

  std::unique_ptr<HistoryFigures> history_;
  std::optional<int64_t> thisGame_;
  std::vector<GameScope> scopes_;  // the choices of games for one player
  QTabWidget* tabs_ = nullptr;
  QTableWidget* figures_ = nullptr;
  QComboBox* player_ = nullptr;
  QComboBox* scope_ = nullptr;
  FormView* form_ = nullptr;  // null when the chart cannot be loaded
  HeatmapView* heatmap_ = nullptr;
  bool heatmapShown_ = false;  // the heatmap shows the player and games chosen
  QPushButton* save_ = nullptr;
};
