#include "ui/statisticswindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "journal/historycsv.h"
#include "journal/journalsession.h"
#include "journal/playerhistory.h"
#include "ui/formview.h"
#include "ui/heatmapview.h"
#include "ui/usertextlabel.h"

namespace {

// The widest the player column grows; a longer name is cut short with an ellipsis.
constexpr int kNameColumnWidth = 180;

QTableWidget* table(const QStringList& headers, const std::vector<QStringList>& rows,
                    const QString& name) {
  auto* t = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()));
  t->setObjectName(name);
  t->setAccessibleName(name);
  t->setHorizontalHeaderLabels(headers);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectItems);
  t->setTabKeyNavigation(false);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QStringList& cells = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);  // plain text, whatever a name holds
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c == 0) {
        // A player's name, on one line, whole in its tooltip and for screen readers.
        item->setText(visibleText(cells[c]));
        item->setToolTip(plainToolTip(cells[c]));
        item->setData(Qt::AccessibleTextRole, visibleText(cells[c]));
      }
      t->setItem(r, c, item);
    }
  }
  t->setWordWrap(false);
  t->resizeColumnsToContents();
  if (t->columnWidth(0) > kNameColumnWidth) t->setColumnWidth(0, kNameColumnWidth);
  return t;
}

QString number(int value) { return QString::number(value); }
QString decimals(std::optional<double> value) { return QString::fromStdString(twoDecimals(value)); }

const char* outcomeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::Playing:
      return "in progress";
    case Outcome::Won:
      return "won";
    case Outcome::Unfinished:
      return "unfinished";
  }
  return "";
}

}  // namespace

QTableWidget* countdownTable(const std::vector<PlayerFigures>& rows, const QString& name) {
  std::vector<QStringList> cells;
  for (const PlayerFigures& p : rows) {
    const CountdownFigures& f = p.countdown;
    cells.push_back({QString::fromStdString(p.name), number(f.games), number(f.won),
                     number(f.darts), decimals(f.average()), decimals(f.firstNineAverage()),
                     number(f.highestTurn), number(f.turns100), number(f.turns140),
                     number(f.turns180)});
  }
  return table({"Player", "Games", "Won", "Darts", "3-Dart Average", "First-Nine Average",
                "Highest Turn", "100+", "140+", "180"},
               cells, name);
}

QTableWidget* cricketTable(const std::vector<PlayerFigures>& rows, const QString& name) {
  std::vector<QStringList> cells;
  for (const PlayerFigures& p : rows) {
    const CricketFigures& f = p.cricket;
    cells.push_back({QString::fromStdString(p.name), number(f.games), number(f.won),
                     number(f.marks), number(f.turns), decimals(f.marksPerRound())});
  }
  return table({"Player", "Games", "Won", "Marks", "Turns", "Marks per Round"}, cells, name);
}

StatisticsWindow::StatisticsWindow(JournalSession& journal, QWidget* parent) : QDialog(parent) {
  setObjectName("frmstats");
  setWindowTitle("Statistics");
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName("cmdclose");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (!journal.available()) {
    auto* why = new QLabel("History is unavailable: " + journal.unavailableReason() + ".", this);
    why->setObjectName("lblunavailable");
    why->setTextFormat(Qt::PlainText);
    why->setWordWrap(true);
    layout->addWidget(why);
    layout->addWidget(buttons);
    resize(760, 360);
    return;
  }
  games_ = journal.journal()->games();
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabstats");
  if (games_.empty()) {
    auto* none = new QLabel("No games have been played yet.", this);
    none->setObjectName("lblnogames");
    layout->addWidget(none);
  } else {
    // This run's game, or the latest one in the history.
    const auto current =
        std::ranges::find(games_, journal.currentGame().value_or(-1), &RecordedGame::id);
    const RecordedGame& shown = current != games_.end() ? *current : games_.back();
    thisGame_ = shown.id;
    tabs_->addTab(thisGamePage(shown), "This Game");
    tabs_->addTab(playersPage(games_), "All Games by Player");
  }

  // The form chart and the heatmap are of one player, chosen here.
  auto* chooser = new QHBoxLayout;
  auto* playerLabel = new QLabel("&Player:", this);
  player_ = new QComboBox(this);
  player_->setObjectName("cboplayer");
  playerLabel->setBuddy(player_);
  // Each name shows on one line; the item keeps it as it was typed.
  for (const std::string& name : playerNames(games_)) {
    const QString typed = QString::fromStdString(name);
    player_->addItem(visibleText(typed), typed);
  }
  if (thisGame_) {
    const auto& names = std::ranges::find(games_, thisGame_, &RecordedGame::id)->setup.names;
    player_->setCurrentIndex(player_->findData(QString::fromStdString(names[1])));
  }
  chooser->addWidget(playerLabel);
  chooser->addWidget(player_);
  chooser->addStretch();
  layout->addLayout(chooser);
  tabs_->addTab(formPage(), "Form");
  tabs_->addTab(heatmapPage(), "Heatmap");
  layout->addWidget(tabs_);

  save_ = buttons->addButton("Save &Picture\u2026", QDialogButtonBox::ActionRole);
  save_->setObjectName("cmdsavepicture");
  // The chooser and the button belong to the chart and the heatmap.
  const auto pictureShown = [this] {
    const bool shown = !picture().isNull();
    save_->setEnabled(shown);
    player_->setEnabled(shown && player_->count() > 0);
  };
  connect(tabs_, &QTabWidget::currentChanged, this, pictureShown);
  connect(save_, &QPushButton::clicked, this, &StatisticsWindow::savePictureAs);
  connect(player_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showPlayer);
  layout->addWidget(buttons);
  choosePictureFile = [this] {
    return QFileDialog::getSaveFileName(this, "Save Picture", QDir::homePath() + "/brindlemark.png",
                                        "PNG pictures (*.png)");
  };
  showPlayer();
  pictureShown();
  resize(900, 720);
}

QWidget* StatisticsWindow::formPage() {
  QString whyNot;
  form_ = createFormView(nullptr, &whyNot);
  if (form_) return form_->widget();
  // The figures of every game still stand in the table of all games.
  auto* why = new QLabel("The form chart cannot be shown: " + whyNot + ".");
  why->setObjectName("lblformunavailable");
  why->setTextFormat(Qt::PlainText);
  why->setWordWrap(true);
  return why;
}

QWidget* StatisticsWindow::heatmapPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("&Games:", page);
  scope_ = new QComboBox(page);
  scope_->setObjectName("cboscope");
  label->setBuddy(scope_);
  scope_->addItem("This Game", static_cast<int>(GameScope::ThisGame));
  scope_->addItem("Last Ten Games", static_cast<int>(GameScope::LastTen));
  scope_->addItem("All Games", static_cast<int>(GameScope::All));
  scope_->setCurrentIndex(2);
  connect(scope_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showPlayer);
  row->addWidget(label);
  row->addWidget(scope_);
  row->addStretch();
  layout->addLayout(row);
  heatmap_ = new HeatmapView(page);
  layout->addWidget(heatmap_);
  layout->addStretch();
  return page;
}

void StatisticsWindow::showPlayer() {
  const std::vector<PlayerGame> played =
      gamesOf(games_, player_->currentData().toString().toStdString());
  if (form_) form_->showForm(playerForm(played));
  const auto scope = static_cast<GameScope>(scope_->currentData().toInt());
  heatmap_->showLandings(landingsOf(played, scope, thisGame_));
}

QImage StatisticsWindow::picture() const {
  if (!tabs_) return {};
  if (form_ && tabs_->currentWidget() == form_->widget()) return form_->picture();
  if (heatmap_ && tabs_->currentWidget() == heatmap_->parentWidget()) return heatmap_->picture();
  return {};
}

bool StatisticsWindow::savePicture(const QString& path) const {
  const QImage shown = picture();
  return !shown.isNull() && shown.save(path, "PNG");
}

void StatisticsWindow::savePictureAs() {
  const QString path = choosePictureFile ? choosePictureFile() : QString();
  if (path.isEmpty()) return;
  if (!savePicture(path)) {
    QMessageBox::warning(this, "Save Picture", "The picture could not be saved to " + path + ".");
  }
}

QWidget* StatisticsWindow::thisGamePage(const RecordedGame& game) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const bool cricket = rulesFor(game.setup.options.gameType).scoring() == ScoringKind::Marks;
  auto* about =
      new QLabel(QString("%1, started %2 (UTC), %3")
                     .arg(QString::fromStdString(gameTypeName(game.setup.options.gameType)),
                          QString::fromStdString(game.started).replace('T', ' ').remove('Z'),
                          outcomeText(game.outcome)),
                 page);
  about->setObjectName("lblthisgame");
  about->setTextFormat(Qt::PlainText);
  layout->addWidget(about);
  const std::vector<PlayerFigures> seats = seatFigures(game);
  layout->addWidget(cricket ? cricketTable(seats, "Cricket figures of this game")
                            : countdownTable(seats, "Countdown figures of this game"));
  return page;
}

QWidget* StatisticsWindow::playersPage(const std::vector<RecordedGame>& games) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const std::vector<PlayerFigures> players = figuresByName(games);
  std::vector<PlayerFigures> countdown;
  std::vector<PlayerFigures> cricket;
  for (const PlayerFigures& p : players) {
    if (p.countdown.games > 0) countdown.push_back(p);
    if (p.cricket.games > 0) cricket.push_back(p);
  }
  auto* countdownLabel = new QLabel("301, 501 and Random Countdown", page);
  layout->addWidget(countdownLabel);
  layout->addWidget(countdownTable(countdown, "Countdown figures by player"));
  auto* cricketLabel = new QLabel("Cricket and Random Cricket", page);
  layout->addWidget(cricketLabel);
  layout->addWidget(cricketTable(cricket, "Cricket figures by player"));
  return page;
}
