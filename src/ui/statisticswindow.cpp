#include "ui/statisticswindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "journal/historycsv.h"
#include "journal/historyfigures.h"
#include "journal/journalsession.h"
#include "ui/figuretables.h"
#include "ui/formview.h"
#include "ui/heatmapview.h"
#include "ui/usertextlabel.h"

namespace {

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

QString scopeCaption(GameScope scope) {
  switch (scope) {
    case GameScope::ThisGame:
      return "This Game";
    case GameScope::ThisMatch:
      return "This Match";
    case GameScope::LastTen:
      return "Last Ten Games";
    case GameScope::All:
      break;
  }
  return "All Games";
}

}  // namespace

StatisticsWindow::~StatisticsWindow() = default;

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
  history_ = std::make_unique<HistoryFigures>(*journal.journal());
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabstats");
  // This run's game, or the latest one in the history.
  std::optional<RecordedGame> shown;
  if (journal.currentGame()) shown = journal.journal()->game(*journal.currentGame());
  if (!shown) {
    if (const std::optional<int64_t> latest = history_->latestGame())
      shown = journal.journal()->game(*latest);
  }
  scopes_ = {GameScope::ThisGame, GameScope::LastTen, GameScope::All};
  if (!shown) {
    auto* none = new QLabel("No games have been played yet.", this);
    none->setObjectName("lblnogames");
    layout->addWidget(none);
  } else {
    thisGame_ = shown->id;
    const MatchOptions& match = shown->setup.match;
    if (match.legsToWin > 1 || match.setsToWin > 1)
      scopes_.insert(scopes_.begin() + 1, GameScope::ThisMatch);
    tabs_->addTab(thisGamePage(*shown), scopeCaption(GameScope::ThisGame));
    tabs_->addTab(playersPage(), "All Games by Player");
  }
  figures_ = figuresTable("Figures of the player");
  tabs_->addTab(figures_, "Player's Figures");

  // The player's figures, the form chart and the heatmap are of one player, chosen here.
  auto* chooser = new QHBoxLayout;
  auto* playerLabel = new QLabel("&Player:", this);
  player_ = new QComboBox(this);
  player_->setObjectName("cboplayer");
  playerLabel->setBuddy(player_);
  // Each name shows on one line; the item keeps it as it was typed.
  for (const std::string& name : history_->playerNames()) {
    const QString typed = QString::fromStdString(name);
    player_->addItem(visibleText(typed), typed);
  }
  if (shown)
    player_->setCurrentIndex(player_->findData(QString::fromStdString(shown->setup.names[1])));
  chooser->addWidget(playerLabel);
  chooser->addWidget(player_);
  chooser->addStretch();
  layout->addLayout(chooser);
  tabs_->addTab(formPage(), "Form");
  tabs_->addTab(heatmapPage(), "Heatmap");
  layout->addWidget(tabs_);

  save_ = buttons->addButton("Save &Picture\u2026", QDialogButtonBox::ActionRole);
  save_->setObjectName("cmdsavepicture");
  // The chooser belongs to the player's figures, the chart and the heatmap, the button to
  // the chart and the heatmap, which is drawn once it is shown.
  const auto pictureShown = [this] {
    if (tabs_->currentWidget() == heatmap_->parentWidget()) showHeatmap();
    const bool shown = !picture().isNull();
    save_->setEnabled(shown);
    player_->setEnabled((shown || tabs_->currentWidget() == figures_) && player_->count() > 0);
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
  for (GameScope scope : scopes_) scope_->addItem(scopeCaption(scope), static_cast<int>(scope));
  scope_->setCurrentIndex(scope_->count() - 1);
  connect(scope_, &QComboBox::currentIndexChanged, this, [this] {
    heatmapShown_ = false;
    showHeatmap();
  });
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
  const std::string name = player_->currentData().toString().toStdString();
  std::vector<FigureScope> scopes;
  for (GameScope scope : scopes_) {
    scopes.push_back({.header = scopeCaption(scope),
                      .figures = history_->ofPlayer(name, scope, thisGame_.value_or(0))});
  }
  showFigures(figures_, scopes);
  if (form_) form_->showForm(playerForm(history_->gamesOf(name)));
  heatmapShown_ = false;
  if (tabs_->currentWidget() == heatmap_->parentWidget()) showHeatmap();
}

void StatisticsWindow::showHeatmap() {
  if (heatmapShown_) return;
  heatmapShown_ = true;
  const auto scope = static_cast<GameScope>(scope_->currentData().toInt());
  heatmap_->showLandings(history_->landingsOf(player_->currentData().toString().toStdString(),
                                              scope, thisGame_.value_or(0)));
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

QWidget* StatisticsWindow::playersPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  std::vector<PlayerFigures> countdown;
  std::vector<PlayerFigures> cricket;
  for (const PlayerFigures& p : history_->byName()) {
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
