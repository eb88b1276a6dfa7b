#pragma once
// The table under the form chart: one row per game of the chart, in the order played, with
// its date, type, result and figures. Each cell is written when the view asks for it, so a
// history of thousands of games costs a few bytes a game and nothing more until scrolled.

#include <QAbstractTableModel>
#include <vector>

#include "journal/playerhistory.h"

class FormTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FormTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // The form must outlive the model's next showForm.
  void showForm(const PlayerForm& form);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    const FormPoint* point;
    bool cricket;
  };
  std::vector<Row> rows_;
};
