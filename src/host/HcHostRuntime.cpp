// Forwarding of the host functions to the installed runtime.

#include "host/HcHostRuntime.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <vector>

#include "host/HcCommandStack.h"
#include "host/HcDocument.h"
#include "host/HcEditor.h"
#include "host/HcEventLoop.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcLisp.h"
#include "host/HcMessageCatalog.h"
#include "host/HcSettingsStore.h"

namespace {

HcHostRuntime& installed() {
  static HcHostRuntime runtime;
  return runtime;
}

HcLispHost* lisp() { return installed().lisp; }
HcHostServices* services() { return installed().services; }

// Wide printf formats as the module writes them: "%s" and "%c" take wide arguments, "%hs" and
// "%hc" narrow ones. The C library's wide printf wants "%ls" / "%lc" and "%s" / "%c" instead.
std::wstring toLibraryFormat(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p != L'\0'; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    while (*p != L'\0' && std::wcschr(L"-+ #0123456789.*", *p) != nullptr) out += *p++;
    if (*p == L'\0') break;
    if ((*p == L'h') && (p[1] == L's' || p[1] == L'c')) {
      out += *++p;  // narrow argument: plain conversion
    } else if (*p == L's' || *p == L'c') {
      out += L'l';
      out += *p;
    } else {
      out += *p;
    }
  }
  return out;
}

int setResult(HcResBufChain result) {
  return lisp() != nullptr ? lisp()->setResult(std::move(result)) : kRtError;
}

}  // namespace

void hcInstallHostRuntime(const HcHostRuntime& runtime) { installed() = runtime; }
const HcHostRuntime& hcHostRuntime() { return installed(); }

HcRxObject* hcrxSysRegistryLookup(std::wstring_view name) {
  return installed().registry != nullptr ? installed().registry->lookup(name) : nullptr;
}
HcEditor* hcEditorPtr() { return dynamic_cast<HcEditor*>(hcrxSysRegistryLookup(kHcEditorEntry)); }
HcCommandStack* hcCommandStackPtr() {
  return dynamic_cast<HcCommandStack*>(hcrxSysRegistryLookup(kHcRegisteredCommandsEntry));
}
HcDocManager* hcDocManagerPtr() { return installed().documents; }

bool hcHasDocument() {
  const HcDocManager* documents = hcDocManagerPtr();
  return documents != nullptr && documents->documentCount() > 0;
}

bool hcCurrentDocumentQuiescent() {
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
  return current != nullptr && current->isQuiescent();
}
HcEventLoop* hcEventLoop() { return installed().loop; }
HcSettingsStore* hcSettingsStore() { return installed().settings; }
HcInteraction* hcInteraction() { return installed().interaction; }

std::optional<std::vector<std::wstring>> HcInteraction::chooseFiles(const std::wstring& title, const std::wstring& startPath,
                                                                    const std::wstring& filter) {
  const std::optional<std::wstring> answer = chooseFile(title, startPath, filter, false);
  if (!answer) return std::nullopt;
  std::vector<std::wstring> files;
  std::size_t start = 0;
  while (start <= answer->size()) {
    const std::size_t bar = std::min(answer->find(L'|', start), answer->size());
    std::wstring file = answer->substr(start, bar - start);
    file.erase(0, file.find_first_not_of(L' '));
    file.erase(file.find_last_not_of(L' ') + 1);
    if (!file.empty()) files.push_back(std::move(file));
    start = bar + 1;
  }
  return files;
}
HcMessageCatalog* hcMessageCatalog() { return installed().messages; }
HcDynamicLinker* hcrxDynamicLinker() { return installed().linker; }

int hcedDefun(const wchar_t* name, int code) {
  return lisp() != nullptr && name != nullptr ? lisp()->defun(name, code) : kRtError;
}
int hcedRegFunc(HcLispHandler handler, int code) {
  return lisp() != nullptr ? lisp()->regFunc(std::move(handler), code) : kRtError;
}
HcResBufChain hcedGetArgs() { return lisp() != nullptr ? lisp()->arguments() : HcResBufChain(); }
int hcedRetT() { return setResult(HcResBufChain().t()); }
int hcedRetNil() { return setResult(HcResBufChain().nil()); }
int hcedRetInt(int value) {
  if (value >= INT16_MIN && value <= INT16_MAX) return setResult(HcResBufChain().shortInt(static_cast<std::int16_t>(value)));
  return setResult(HcResBufChain().longInt(value));
}
int hcedRetStr(const wchar_t* value) { return setResult(HcResBufChain().str(value != nullptr ? value : L"")); }
int hcedRetList(const HcResBufChain& list) {
  HcResBufChain result;
  result.beginList().append(list).endList();
  return setResult(std::move(result));
}
int hcedFail(const std::wstring& reason) {
  if (lisp() != nullptr) lisp()->setFailureReason(reason);
  return kRsError;
}
int hcedInvoke(const HcResBufChain& call, HcResBufChain& result) {
  return lisp() != nullptr ? lisp()->invoke(call, result) : kRtError;
}

int hcedGetVar(const wchar_t* name, HcResBuf& value) {
  if (services() == nullptr || name == nullptr) return kRtError;
  const std::optional<HcResBuf> found = services()->getVar(name);
  if (!found) return kRtError;
  value = *found;
  return kRtNorm;
}
int hcedSetVar(const wchar_t* name, const HcResBuf& value) {
  return services() != nullptr && name != nullptr && services()->setVar(name, value) ? kRtNorm : kRtError;
}
int hcedCommand(const HcResBufChain& args) { return services() != nullptr ? services()->command(args) : kRtError; }
int hcedGetFileD(const wchar_t* title, const wchar_t* defaultPath, const wchar_t* extension, int flags,
                 HcResBuf& result) {
  if (services() == nullptr) return kRtError;
  const auto text = [](const wchar_t* s) { return std::wstring(s != nullptr ? s : L""); };
  const std::optional<std::wstring> file = services()->getFile(text(title), text(defaultPath), text(extension), flags);
  if (!file) return kRtError;
  result = HcResBuf{kRtStr, *file};
  return kRtNorm;
}
int hcedHelp(const wchar_t* file, const wchar_t* topic, int command) {
  return services() != nullptr ? services()->help(file != nullptr ? file : L"", topic != nullptr ? topic : L"", command)
                               : kRtError;
}
int hcedUsrBrk() { return services() != nullptr && services()->userBreak() ? 1 : 0; }

int hcutPrintf(const wchar_t* format, ...) {
  if (format == nullptr) return 0;
  const std::wstring libraryFormat = toLibraryFormat(format);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buffer.data(), buffer.size(), libraryFormat.c_str(), args);
    va_end(args);
    if (n >= 0) {
      if (services() != nullptr) services()->print(std::wstring(buffer.data(), static_cast<std::size_t>(n)));
      return n;
    }
    if (buffer.size() >= (1u << 24)) return -1;  // not a size problem: a bad format
    buffer.resize(buffer.size() * 4);
  }
}

std::wstring hcrxProductKey() { return services() != nullptr ? services()->productKey() : std::wstring(); }

std::wstring hcResourceString(unsigned id) {
  if (HcMessageCatalog* catalog = hcMessageCatalog()) {
    if (std::optional<std::wstring> s = catalog->string(id)) return *s;
  }
  return L"#" + std::to_wstring(id);
}

HcResourceScope::HcResourceScope() {
  if (HcDocManager* docs = hcDocManagerPtr()) {
    docs->pushResourceHandle();
    pushed_ = true;
  }
}

HcResourceScope::~HcResourceScope() {
  if (!pushed_) return;
  if (HcDocManager* docs = hcDocManagerPtr()) docs->popResourceHandle();
}
