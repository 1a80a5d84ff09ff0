#pragma once
// The module initialised in a headless host with the LISP core and sibling stand-ins, as the
// host's lifecycle messages would leave it; unloaded at the end.

#include <string>

#include "support/HostFixture.h"

namespace vox::test {

class ModuleFixture : public StandInHostFixture {
 protected:
  ModuleFixture();
  ~ModuleFixture() override;

  // Opens a drawing as a document and sends the module the load-document message.
  HcDocument* loadDocument(const std::wstring& name);
  // A LISP string literal of a text.
  static std::wstring quoted(const std::wstring& text);
};

}  // namespace vox::test
