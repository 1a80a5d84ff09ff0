#pragma once
// The navigation manager's host reactors. The input-context reactor tells the palette when the
// editor is busy (a command or LISP evaluation runs) through its one event; the document
// reactor follows activation and the last document closing; the editor reactor watches the
// clean-screen mode.

#include "core/ProjectEvent.h"
#include "host/HcDocument.h"
#include "host/HcEditor.h"

class VoxPrmNavManager;

namespace vox::module {

class InputContextReactor : public HcEdInputContextReactor {
 public:
  explicit InputContextReactor(VoxPrmNavManager& nav) : nav_(nav) {}
  void beginQuiescentState() override;
  void endQuiescentState() override { onCommandOrLispEvent.raise(true); }

  // Subscribers hear true while the editor is busy, false when it is idle again.
  core::ProjectEvent<bool> onCommandOrLispEvent;

 private:
  VoxPrmNavManager& nav_;
};

class DocManagerReactor : public HcDocManagerReactor {
 public:
  explicit DocManagerReactor(VoxPrmNavManager& nav) : nav_(nav) {}
  void documentCreated(HcDocument* doc) override;
  void documentToBeDestroyed(HcDocument* doc) override;
  void documentDestroyed(const std::wstring& fileName) override;
  void documentActivated(HcDocument* doc) override;

  // The frame menu hook stands while no document is open.
  bool menuHookInstalled() const { return menuHook_; }

 private:
  VoxPrmNavManager& nav_;
  bool menuHook_ = false;
};

class EditorReactor : public HcEditorReactor {
 public:
  explicit EditorReactor(VoxPrmNavManager& nav) : nav_(nav) {}
  void sysVarChanged(const std::wstring& name, bool success) override;

 private:
  VoxPrmNavManager& nav_;
};

}  // namespace vox::module
