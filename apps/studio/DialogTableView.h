#pragma once
// A dialog's table field drawn as a QTableView over a DialogTableModel: whole rows are selected,
// several at a time; the selected rows go to the controller as the field's value ("0,3"), and a
// row height or column width the user drags goes to the controller's table layout. The layout
// the field asks for is applied the first time the field is shown.

#include <QTableView>

#include <functional>
#include <string>
#include <vector>

#include "DialogTableModel.h"

namespace vox::studio {

class DialogTableView : public QTableView {
 public:
  using SelectionEdited = std::function<void(const std::wstring& rows)>;
  using LayoutEdited = std::function<void(int rowHeight, const std::vector<int>& columnWidths)>;

  DialogTableView(QWidget* parent, SelectionEdited selected, LayoutEdited resized);

  // Shows the field's rows and selection (and its layout, the first time).
  void showField(const HcDialogField& field);
  DialogTableModel& tableModel() { return model_; }

 private:
  void selectRows(const std::wstring& value);
  void applyLayout(const HcDialogField& field);
  void reportLayout();

  DialogTableModel model_;
  SelectionEdited selected_;
  LayoutEdited resized_;
  bool applying_ = false;
  bool laidOut_ = false;
};

}  // namespace vox::studio
