#include "ModuleFixture.h"

#include "host/HcResBuf.h"
#include "module/CVoxFolioApp.h"

namespace vox::test {

ModuleFixture::ModuleFixture() { voxFolioApp().On_kInitAppMsg(nullptr); }

ModuleFixture::~ModuleFixture() { voxFolioApp().On_kUnloadAppMsg(nullptr); }

HcDocument* ModuleFixture::loadDocument(const std::wstring& name) {
  HcDocument* doc = openDrawing(name);
  voxFolioApp().On_kLoadDwgMsg(nullptr);
  return doc;
}

std::wstring ModuleFixture::quoted(const std::wstring& text) { return hcLispQuoted(text); }

}  // namespace vox::test
