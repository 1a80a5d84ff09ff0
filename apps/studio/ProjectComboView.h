#pragma once
// The project combo box as a QComboBox over the module's combo controller: its items (separators,
// greyed commands, the active project checked), the current item, the closed face's lock mark as
// a coloured square before the text, and the tooltips. Choosing an item goes to the controller;
// the view is refilled whenever the controller says it changed.

#include <QComboBox>

class HcComboController;

namespace vox::studio {

class ProjectComboView : public QComboBox {
 public:
  ProjectComboView(HcComboController& combo, QWidget* parent = nullptr);
  ~ProjectComboView() override;

  // Re-reads the items, the current item and the face.
  void refill();

 private:
  HcComboController& combo_;
  bool filling_ = false;
};

}  // namespace vox::studio
