#include "DialogTableModel.h"

namespace vox::studio {

void DialogTableModel::setTable(const std::vector<std::wstring>& columns,
                                const std::vector<std::vector<HcTableCell>>& rows) {
  if (columns != columns_ || rows.size() != rows_.size()) {
    beginResetModel();
    columns_ = columns;
    rows_ = rows;
    endResetModel();
    return;
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r] == rows_[r]) continue;
    rows_[r] = rows[r];
    const int row = static_cast<int>(r);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  }
}

int DialogTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DialogTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const HcTableCell* DialogTableModel::cell(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return nullptr;
  const std::vector<HcTableCell>& row = rows_[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  return column < row.size() ? &row[column] : nullptr;
}

QVariant DialogTableModel::data(const QModelIndex& index, int role) const {
  const HcTableCell* found = cell(index);
  if (found == nullptr) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return QString::fromStdWString(found->text);
  if (role == Qt::BackgroundRole && found->highlighted) return highlightColor();
  return {};
}

QVariant DialogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Vertical) return section < rowCount() ? QVariant(section + 1) : QVariant();
  return section < columnCount() ? QString::fromStdWString(columns_[static_cast<std::size_t>(section)]) : QVariant();
}

}  // namespace vox::studio
