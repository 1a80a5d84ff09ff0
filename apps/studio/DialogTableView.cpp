#include "DialogTableView.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

namespace vox::studio {

DialogTableView::DialogTableView(QWidget* parent, SelectionEdited selected, LayoutEdited resized)
    : QTableView(parent), model_(this), selected_(std::move(selected)), resized_(std::move(resized)) {
  setModel(&model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  horizontalHeader()->setStretchLastSection(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (applying_ || !selected_) return;
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::wstring value;
    for (std::size_t i = 0; i < rows.size(); ++i) value += (i > 0 ? L"," : L"") + std::to_wstring(rows[i]);
    selected_(value);
  });
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { reportLayout(); });
  connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int size) {
    if (applying_) return;
    verticalHeader()->setDefaultSectionSize(size);  // every row keeps one height
    reportLayout();
  });
}

void DialogTableView::showField(const HcDialogField& field) {
  applying_ = true;
  model_.setTable(field.columns, field.rows);
  if (!laidOut_) applyLayout(field);
  selectRows(field.value);
  applying_ = false;
}

void DialogTableView::applyLayout(const HcDialogField& field) {
  laidOut_ = true;
  if (field.rowHeight > 0) verticalHeader()->setDefaultSectionSize(field.rowHeight);
  const int columns = std::min(static_cast<int>(field.columnWidths.size()), model_.columnCount());
  for (int c = 0; c < columns; ++c)
    if (field.columnWidths[static_cast<std::size_t>(c)] > 0) setColumnWidth(c, field.columnWidths[static_cast<std::size_t>(c)]);
}

void DialogTableView::selectRows(const std::wstring& value) {
  QItemSelection selection;
  const QStringList rows = QString::fromStdWString(value).split(u',', Qt::SkipEmptyParts);
  for (const QString& text : rows) {
    bool ok = false;
    const int row = text.toInt(&ok);
    if (ok && row >= 0 && row < model_.rowCount()) selection.select(model_.index(row, 0), model_.index(row, model_.columnCount() - 1));
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void DialogTableView::reportLayout() {
  if (applying_ || !resized_) return;
  std::vector<int> widths;
  for (int c = 0; c < model_.columnCount(); ++c) widths.push_back(columnWidth(c));
  resized_(verticalHeader()->defaultSectionSize(), widths);
}

}  // namespace vox::studio
