#pragma once
// The form chart of one player: the 3-dart average of each countdown game and the marks
// per round of each Cricket game in the order played, each with the mean of the last five
// games of its kind. Hovering a game's point names it. The same figures stand in a table
// below the chart, so a screen reader loses nothing. Built into the module
// brindlemark-formchart.so (see formview.h).

#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "journal/playerhistory.h"
#include "ui/formview.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QTableView;
class FormTableModel;
class QValueAxis;
class QXYSeries;

class FormChart : public QWidget, public FormView {
  Q_OBJECT
 public:
  explicit FormChart(QWidget* parent = nullptr);

  QWidget* widget() override { return this; }
  void showForm(const PlayerForm& form) override;
  QImage picture() const override;

 private:
  // The label of the game whose point lies nearest to a point of the series (in the
  // chart's values); empty when the series has none.
  QString gameNear(const QXYSeries* series, QPointF value) const;
  void hovered(const QXYSeries* series, QPointF value, bool entered);

  PlayerForm form_;
  QChart* chart_;
  QChartView* view_;
  QValueAxis* gameAxis_;
  QValueAxis* averageAxis_;
  QValueAxis* marksAxis_;
  QLineSeries* averages_;
  QLineSeries* averagesMean_;
  QLineSeries* marks_;
  QLineSeries* marksMean_;
  QLabel* empty_;
  QTableView* table_;
  FormTableModel* rows_;
};
