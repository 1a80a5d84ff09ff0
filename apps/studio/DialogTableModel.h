#pragma once
// The rows of a dialog's table field as a Qt table model: the field's column titles as the
// horizontal header, one item per cell with its text, and the highlight background (red 205,
// green 228, blue 245) behind the cells the controller marks. The model takes the field again
// after every change; it resets only when the shape changes and otherwise tells which cells
// changed, so views keep their scroll position.

#include <QAbstractTableModel>
#include <QColor>

#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::studio {

class DialogTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  static QColor highlightColor() { return QColor(205, 228, 245); }

  // Shows the columns and rows of a kTable field.
  void setTable(const std::vector<std::wstring>& columns, const std::vector<std::vector<HcTableCell>>& rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const HcTableCell* cell(const QModelIndex& index) const;

  std::vector<std::wstring> columns_;
  std::vector<std::vector<HcTableCell>> rows_;
};

}  // namespace vox::studio
