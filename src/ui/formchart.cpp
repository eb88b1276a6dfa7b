#include "ui/formchart.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "journal/statistics.h"
#include "ui/formtablemodel.h"

namespace {

QLineSeries* addSeries(QChart* chart, const QString& name, const QColor& colour, bool points) {
  auto* series = new QLineSeries(chart);
  series->setName(name);
  series->setObjectName(name);
  QPen pen(colour);
  pen.setWidthF(points ? 2.0 : 1.5);
  if (!points) pen.setStyle(Qt::DashLine);
  series->setPen(pen);
  series->setPointsVisible(points);
  chart->addSeries(series);
  return series;
}

void fill(QLineSeries* figure, QLineSeries* mean, const std::vector<FormPoint>& points) {
  QList<QPointF> values;
  QList<QPointF> means;
  for (const FormPoint& p : points) {
    values.append(QPointF(p.order, p.value));
    means.append(QPointF(p.order, p.movingAverage));
  }
  figure->replace(values);
  mean->replace(means);
}

// From 0 to a little above the highest value in five equal steps of `unit` multiples, so
// that the grid lines of both value axes meet; never lower than `least`.
void fitRange(QValueAxis* axis, const std::vector<FormPoint>& points, double least, double unit) {
  double top = least;
  for (const FormPoint& p : points) top = std::max(top, p.value * 1.05);
  const double step = std::ceil(top / 5 / unit) * unit;
  axis->setRange(0, 5 * step);
  axis->setTickCount(6);
  axis->setVisible(!points.empty());
}

}  // namespace

FormChart::FormChart(QWidget* parent) : QWidget(parent), chart_(new QChart) {
  setObjectName("pnlform");
  chart_->setTitle("Form");
  chart_->legend()->setAlignment(Qt::AlignBottom);
  averages_ = addSeries(chart_, "3-Dart Average", QColor(206, 36, 40), true);
  averagesMean_ = addSeries(chart_, "3-Dart Average, Last Five", QColor(206, 36, 40), false);
  marks_ = addSeries(chart_, "Marks per Round", QColor(22, 96, 180), true);
  marksMean_ = addSeries(chart_, "Marks per Round, Last Five", QColor(22, 96, 180), false);

  gameAxis_ = new QValueAxis(chart_);
  gameAxis_->setTitleText("Game");
  gameAxis_->setLabelFormat("%d");
  averageAxis_ = new QValueAxis(chart_);
  averageAxis_->setTitleText("3-Dart Average");
  averageAxis_->setLabelFormat("%.0f");
  marksAxis_ = new QValueAxis(chart_);
  marksAxis_->setTitleText("Marks per Round");
  marksAxis_->setLabelFormat("%.1f");
  chart_->addAxis(gameAxis_, Qt::AlignBottom);
  chart_->addAxis(averageAxis_, Qt::AlignLeft);
  chart_->addAxis(marksAxis_, Qt::AlignRight);
  for (QLineSeries* s : {averages_, averagesMean_, marks_, marksMean_}) s->attachAxis(gameAxis_);
  for (QLineSeries* s : {averages_, averagesMean_}) s->attachAxis(averageAxis_);
  for (QLineSeries* s : {marks_, marksMean_}) s->attachAxis(marksAxis_);
  for (QLineSeries* s : {averages_, marks_}) {
    connect(s, &QLineSeries::hovered, this,
            [this, s](const QPointF& value, bool entered) { hovered(s, value, entered); });
  }

  view_ = new QChartView(chart_, this);
  view_->setObjectName("chtform");
  view_->setAccessibleName("Form chart");
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(560, 300);
  empty_ = new QLabel(this);
  empty_->setObjectName("lblnoform");
  table_ = new QTableView(this);
  table_->setObjectName("Form by game");
  table_->setAccessibleName("Form by game");
  rows_ = new FormTableModel(table_);
  table_->setModel(rows_);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(empty_);
  layout->addWidget(view_, 3);
  layout->addWidget(table_, 1);
  FormChart::showForm({});
}

void FormChart::showForm(const PlayerForm& form) {
  form_ = form;
  fill(averages_, averagesMean_, form.countdown);
  fill(marks_, marksMean_, form.cricket);
  int games = 0;
  for (const auto* points : {&form.countdown, &form.cricket}) {
    if (!points->empty()) games = std::max(games, points->back().order);
  }
  gameAxis_->setRange(0.5, games + 0.5);
  gameAxis_->setTickType(QValueAxis::TicksDynamic);
  gameAxis_->setTickAnchor(1);
  gameAxis_->setTickInterval(std::max(1, (games + 9) / 10));
  fitRange(averageAxis_, form.countdown, 60, 5);
  fitRange(marksAxis_, form.cricket, 3, 0.5);
  empty_->setText("No games to chart yet.");
  empty_->setVisible(games == 0);

  rows_->showForm(form_);
  table_->resizeColumnsToContents();
}

QString FormChart::gameNear(const QXYSeries* series, QPointF value) const {
  const std::vector<FormPoint>& points = series == marks_ ? form_.cricket : form_.countdown;
  const FormPoint* nearest = nullptr;
  for (const FormPoint& p : points) {
    if (!nearest || std::abs(p.order - value.x()) < std::abs(nearest->order - value.x()))
      nearest = &p;
  }
  return nearest ? QString::fromStdString(nearest->label) : QString();
}

void FormChart::hovered(const QXYSeries* series, QPointF value, bool entered) {
  if (!entered) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(QCursor::pos(), gameNear(series, value), view_);
}

QImage FormChart::picture() const { return view_->grab().toImage(); }

extern "C" Q_DECL_EXPORT FormView* brindlemarkCreateFormChart(QWidget* parent) {
  return new FormChart(parent);
}
