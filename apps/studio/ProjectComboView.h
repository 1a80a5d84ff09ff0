#pragma once
// The project combo box as a QComboBox over the module's combo controller: its items (separators,
// greyed commands, the active project checked), the current item, and a face drawn by the view:
// the lock mark (a padlock with a square in the lock state's colour) before the controller's
// text, shortened to the room left, with the tooltips. Choosing an item goes to the controller;
// the view is refilled whenever the controller says it changed.

#include <QComboBox>

#include "host/HcPaletteControllers.h"

class HcComboController;

namespace vox::studio {

class ProjectComboView : public QComboBox {
 public:
  ProjectComboView(HcComboController& combo, QWidget* parent = nullptr);
  ~ProjectComboView() override;

  // Re-reads the items, the current item and the face.
  void refill();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Asks the controller for the face at the text's room and sets the tooltip.
  void refreshFace();

  HcComboController& combo_;
  HcComboFace face_;
  bool filling_ = false;
};

}  // namespace vox::studio
