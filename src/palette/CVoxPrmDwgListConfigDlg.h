#pragma once
// The drawing-list display configuration: which fields label a drawing node, in which order,
// the separator between them and whether the tree shows its selection without focus. Two lists
// (available fields in their master order, the display order), buttons to move fields between
// and within them, the separator and two radio choices. OK stores the setting through the
// project manager and the caller rebuilds the tree; Cancel stores nothing.

#include <string>
#include <vector>

#include "host/HcDialogController.h"

class CVoxPrmDwgListConfigDlg : public HcDialogController {
 public:
  // The field codes in their master order.
  static const std::vector<int>& masterOrder();

  // Reads the stored setting. `endsAtOnce()` tells that there is nothing to edit (no order and no
  // separator could be read), and a host then does not show the dialog.
  CVoxPrmDwgListConfigDlg();
  bool endsAtOnce() const { return endsAtOnce_; }

  const std::vector<int>& displayOrder() const { return order_; }
  const std::vector<int>& available() const { return available_; }

  std::wstring name() const override { return L"display-config"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

 private:
  enum Button { kAdd, kAddAll, kRemove, kRemoveAll, kUp, kDown, kButtonCount };

  void selectOrder(int row);
  void selectAvailable(int row);
  HcDialogOutcome add();
  HcDialogOutcome addAll();
  HcDialogOutcome remove();
  HcDialogOutcome removeAll();
  HcDialogOutcome move(int step);
  HcDialogOutcome accept();
  std::vector<std::wstring> labels(const std::vector<int>& codes) const;

  std::vector<int> order_;
  std::vector<int> available_;
  std::wstring separator_;
  bool showSelection_ = true;
  bool endsAtOnce_ = false;
  int orderRow_ = -1;      // selected row of the display order, -1 for none
  int availableRow_ = -1;  // selected row of the available fields
  bool enabled_[kButtonCount] = {};
};
