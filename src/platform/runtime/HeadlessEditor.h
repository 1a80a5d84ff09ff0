#pragma once
// The reference host's editor: keeps the editor reactors and tells them what the command line
// does. Reactors may add or remove reactors while being notified.

#include <functional>
#include <vector>

#include "host/HcEditor.h"

namespace vox::runtime {

class HeadlessEditor : public HcEditor {
 public:
  void addReactor(HcEditorReactor* reactor) override;
  void removeReactor(HcEditorReactor* reactor) override;

  // Calls `notify` for each reactor present when the call began and still present.
  void notify(const std::function<void(HcEditorReactor&)>& notify);
  std::size_t reactorCount() const { return reactors_.size(); }

 private:
  std::vector<HcEditorReactor*> reactors_;
};

}  // namespace vox::runtime
