#include "ui/statisticswindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "journal/historycsv.h"
#include "journal/journalsession.h"
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
  std::vector<RecordedGame> games;
  if (journal.available()) games = journal.journal()->games();
  if (!journal.available()) {
    auto* why = new QLabel("History is unavailable: " + journal.unavailableReason() + ".", this);
    why->setObjectName("lblunavailable");
    why->setTextFormat(Qt::PlainText);
    why->setWordWrap(true);
    layout->addWidget(why);
  } else if (games.empty()) {
    auto* none = new QLabel("No games have been played yet.", this);
    none->setObjectName("lblnogames");
    layout->addWidget(none);
  } else {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("tabstats");
    // This run's game, or the latest one in the history.
    const auto current =
        std::ranges::find(games, journal.currentGame().value_or(-1), &RecordedGame::id);
    tabs->addTab(thisGamePage(current != games.end() ? *current : games.back()), "This Game");
    tabs->addTab(playersPage(games), "All Games by Player");
    layout->addWidget(tabs);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName("cmdclose");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 360);
}

QWidget* StatisticsWindow::thisGamePage(const RecordedGame& game) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const bool cricket = game.setup.options.gameType <= kRandomCricket;
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
