#include "ui/figuretables.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/usertextlabel.h"

namespace {

// The widest the player column grows; a longer name is cut short with an ellipsis.
constexpr int kNameColumnWidth = 180;
// What a figure without a value shows.
constexpr const char* kNone = "-";

QString number(int value) { return QString::number(value); }
QString decimals(std::optional<double> value) {
  return value ? QString::fromStdString(twoDecimals(value)) : QString(kNone);
}
// A countdown figure: none without a countdown game.
QString countdown(const PlayerFigures& f, const QString& value) {
  return f.countdown.games > 0 ? value : QString(kNone);
}
QString countIn(const PlayerFigures& f, int value) { return countdown(f, number(value)); }
QString positive(const PlayerFigures& f, int value) {
  return countdown(f, value > 0 ? number(value) : QString(kNone));
}

QTableWidget* newTable(const QString& name) {
  auto* t = new QTableWidget;
  t->setObjectName(name);
  t->setAccessibleName(name);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectItems);
  t->setTabKeyNavigation(false);
  t->setWordWrap(false);
  return t;
}

// Fills a table: the first column names its row (a player's name is shown on one line,
// whole in its tooltip and for screen readers), the rest are figures.
void fill(QTableWidget* t, const QStringList& headers, const std::vector<QStringList>& rows) {
  t->clear();
  t->setRowCount(static_cast<int>(rows.size()));
  t->setColumnCount(static_cast<int>(headers.size()));
  t->setHorizontalHeaderLabels(headers);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QStringList& cells = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);  // plain text, whatever a name holds
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c == 0) {
        item->setText(visibleText(cells[c]));
        item->setToolTip(plainToolTip(cells[c]));
        item->setData(Qt::AccessibleTextRole, visibleText(cells[c]));
      }
      t->setItem(r, c, item);
    }
  }
  t->resizeColumnsToContents();
  if (t->columnWidth(0) > kNameColumnWidth) t->setColumnWidth(0, kNameColumnWidth);
}

QTableWidget* playerTable(const QStringList& headers, const std::vector<QStringList>& rows,
                          const QString& name) {
  QTableWidget* t = newTable(name);
  fill(t, headers, rows);
  return t;
}

}  // namespace

const std::vector<FigureRow>& figureRows() {
  using F = PlayerFigures;
  static const std::vector<FigureRow> kRows = {
      {"3-dart average", false,
       [](const F& f) { return countdown(f, decimals(f.countdown.average())); }},
      {"First-nine average", false,
       [](const F& f) { return countdown(f, decimals(f.countdown.firstNineAverage())); }},
      {"Checkout %", false, [](const F& f) { return countdown(f, checkoutText(f.countdown)); }},
      {"Highest checkout", false,
       [](const F& f) { return positive(f, f.countdown.highestCheckout); }},
      {"Best leg", false, [](const F& f) { return positive(f, f.countdown.bestLeg); }},
      {"180s", false, [](const F& f) { return countIn(f, f.countdown.turns180); }},
      {"140+", false, [](const F& f) { return countIn(f, f.countdown.turns140); }},
      {"100+", false, [](const F& f) { return countIn(f, f.countdown.turns100); }},
      {"Marks per round", true,
       [](const F& f) {
         return f.cricket.games > 0 ? decimals(f.cricket.marksPerRound()) : QString(kNone);
       }},
  };
  return kRows;
}

QString checkoutText(const CountdownFigures& f) {
  const std::optional<double> percent = f.checkoutPercent();
  if (!percent) return kNone;
  return QString("%1% (%2/%3)").arg(*percent, 0, 'f', 1).arg(f.checkouts).arg(f.finishDarts);
}

QTableWidget* figuresTable(const QString& name) { return newTable(name); }

void showFigures(QTableWidget* table, const std::vector<FigureScope>& scopes) {
  QStringList headers{"Figure"};
  for (const FigureScope& scope : scopes) headers << scope.header;
  std::vector<QStringList> rows;
  for (const FigureRow& row : figureRows()) {
    QStringList cells{row.caption};
    for (const FigureScope& scope : scopes) cells << row.value(scope.figures);
    rows.push_back(cells);
  }
  fill(table, headers, rows);
}

QTableWidget* countdownTable(const std::vector<PlayerFigures>& rows, const QString& name) {
  QStringList headers{"Player", "Games", "Won", "Darts"};
  for (const FigureRow& figure : figureRows())
    if (!figure.cricket) headers << figure.caption;
  headers << "Highest Turn";
  std::vector<QStringList> cells;
  for (const PlayerFigures& p : rows) {
    const CountdownFigures& f = p.countdown;
    QStringList row{QString::fromStdString(p.name), number(f.games), number(f.won),
                    number(f.darts)};
    for (const FigureRow& figure : figureRows())
      if (!figure.cricket) row << figure.value(p);
    row << number(f.highestTurn);
    cells.push_back(row);
  }
  return playerTable(headers, cells, name);
}

QTableWidget* cricketTable(const std::vector<PlayerFigures>& rows, const QString& name) {
  QStringList headers{"Player", "Games", "Won", "Marks", "Turns"};
  for (const FigureRow& figure : figureRows())
    if (figure.cricket) headers << figure.caption;
  std::vector<QStringList> cells;
  for (const PlayerFigures& p : rows) {
    const CricketFigures& f = p.cricket;
    QStringList row{QString::fromStdString(p.name), number(f.games), number(f.won), number(f.marks),
                    number(f.turns)};
    for (const FigureRow& figure : figureRows())
      if (figure.cricket) row << figure.value(p);
    cells.push_back(row);
  }
  return playerTable(headers, cells, name);
}
