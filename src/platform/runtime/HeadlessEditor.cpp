#include "platform/runtime/HeadlessEditor.h"

#include <algorithm>

namespace vox::runtime {

void HeadlessEditor::addReactor(HcEditorReactor* reactor) {
  if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end())
    reactors_.push_back(reactor);
}

void HeadlessEditor::removeReactor(HcEditorReactor* reactor) { std::erase(reactors_, reactor); }

void HeadlessEditor::notify(const std::function<void(HcEditorReactor&)>& notify) {
  const std::vector<HcEditorReactor*> snapshot = reactors_;
  for (HcEditorReactor* r : snapshot)
    if (std::find(reactors_.begin(), reactors_.end(), r) != reactors_.end()) notify(*r);
}

}  // namespace vox::runtime
