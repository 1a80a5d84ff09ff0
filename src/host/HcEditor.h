#pragma once
// The host's editor ("HcEditor" in the system registry) with its reactors, and the
// input-context reactor that a document's input-point manager notifies.

#include <string>

#include "host/HcRxObject.h"

// Editor notifications; every member has an empty default.
class HcEditorReactor {
 public:
  virtual ~HcEditorReactor() = default;
  virtual void commandWillStart(const std::wstring& /*name*/) {}
  virtual void commandEnded(const std::wstring& /*name*/) {}
  virtual void lispWillStart(const std::wstring& /*expression*/) {}
  virtual void lispEnded() {}
  virtual void sysVarChanged(const std::wstring& /*name*/, bool /*success*/) {}
};

// Quiescence of a document's editor: begin when it becomes idle, end when a command or LISP
// evaluation starts.
class HcEdInputContextReactor {
 public:
  virtual ~HcEdInputContextReactor() = default;
  virtual void beginQuiescentState() {}
  virtual void endQuiescentState() {}
};

class HcEditor : public HcRxObject {
 public:
  virtual void addReactor(HcEditorReactor* reactor) = 0;
  virtual void removeReactor(HcEditorReactor* reactor) = 0;
};

// The editor found by name in the host's system registry, or null.
HcEditor* hcEditorPtr();
