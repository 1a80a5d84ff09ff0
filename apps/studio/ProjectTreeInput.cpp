#include "ProjectTreeInput.h"

namespace vox::studio {

std::optional<HcKey> treeKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up: return HcKey::kUp;
    case Qt::Key_Down: return HcKey::kDown;
    case Qt::Key_Left: return HcKey::kLeft;
    case Qt::Key_Right: return HcKey::kRight;
    case Qt::Key_Home: return HcKey::kHome;
    case Qt::Key_End: return HcKey::kEnd;
    case Qt::Key_PageUp: return HcKey::kPageUp;
    case Qt::Key_PageDown: return HcKey::kPageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return HcKey::kEnter;
    case Qt::Key_Escape: return HcKey::kEscape;
    case Qt::Key_Delete: return HcKey::kDelete;
    case Qt::Key_F2: return HcKey::kF2;
    case Qt::Key_Space: return HcKey::kSpace;
    default: return std::nullopt;
  }
}

unsigned treeModifiersOf(Qt::KeyboardModifiers modifiers) {
  unsigned flags = kHcNoModifier;
  if (modifiers.testFlag(Qt::ShiftModifier)) flags |= kHcShift;
  if (modifiers.testFlag(Qt::ControlModifier)) flags |= kHcCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) flags |= kHcAlt;
  return flags;
}

}  // namespace vox::studio
