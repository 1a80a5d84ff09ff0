#pragma once
// The row above the project tree: the filter box (typing narrows the drawings to those whose
// text or file name holds the typed text), how many drawings it hides, and buttons that expand
// or collapse every project (Ctrl+Shift+Plus and Ctrl+Shift+Minus anywhere in the palette;
// Ctrl+F puts the cursor in the filter box).

#include <QWidget>

class HcTreeController;
class QAbstractItemModel;
class QLabel;
class QLineEdit;

namespace vox::studio {

class TreeFilterBar : public QWidget {
 public:
  // `rows` is the tree's item model: the hidden count is read again whenever its rows change.
  TreeFilterBar(HcTreeController& tree, QAbstractItemModel& rows, QWidget* parent = nullptr);

  QLineEdit* filterBox() const { return box_; }
  // Re-reads the filter text and the hidden count.
  void refresh();

 private:
  HcTreeController& tree_;
  QLineEdit* box_;
  QLabel* hidden_;
};

}  // namespace vox::studio
