#include "ui/formtablemodel.h"

#include <QStringList>
#include <algorithm>

namespace {

const QStringList& headers() {
  static const QStringList kHeaders = {"Game",
                                       "Started (UTC)",
                                       "Type",
                                       "Result",
                                       "3-Dart Average",
                                       "Marks per Round",
                                       "Mean of Last Five"};
  return kHeaders;
}

QString cell(double value) { return QString::fromStdString(twoDecimals(value)); }

}  // namespace

void FormTableModel::showForm(const PlayerForm& form) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(form.countdown.size() + form.cricket.size());
  for (const FormPoint& p : form.countdown) rows_.push_back({&p, false});
  for (const FormPoint& p : form.cricket) rows_.push_back({&p, true});
  std::ranges::sort(rows_, {}, [](const Row& r) { return r.point->order; });
  endResetModel();
}

int FormTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FormTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers().size());
}

QVariant FormTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const int column = index.column();
  if (role == Qt::TextAlignmentRole && (column == 0 || column >= 4))
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (column) {
    case 0:
      return QString::number(row.point->order);
    case 1:
    case 2:
    case 3:
      // "2026-12-08 05:11, 501, won"
      return QString::fromStdString(row.point->label).split(", ").value(column - 1);
    case 4:
      return row.cricket ? QString() : cell(row.point->value);
    case 5:
      return row.cricket ? cell(row.point->value) : QString();
    default:
      return cell(row.point->movingAverage);
  }
}

QVariant FormTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return headers().value(section);
}
