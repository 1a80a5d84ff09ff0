#include "host/LispCoreFunctions.h"

#include <cwchar>

#include "host/LispCoreCalls.h"
#include "host/VoxPmClientApp.h"

namespace vox::host::lispcore {
namespace {

// The strings of the list value `value` (a chain holding one list).
std::vector<std::wstring> stringsOf(const HcResBufChain& value) { return answerStrings(value).value_or(std::vector<std::wstring>{}); }

}  // namespace

std::optional<RecentProjects> recentProjectList() {
  const std::optional<HcResBufChain> answer = invokeLispCore(L"c:wd_get_recent_prj_lst", {});
  if (!answer || answer->empty() || (*answer)[0].type != kRtListBegin) return std::nullopt;
  HcResBufWalker walker(*answer);
  walker.next();  // the outer list
  std::vector<HcResBufChain> elements;
  while (walker.peek() != nullptr && walker.peek()->type != kRtListEnd) elements.push_back(walker.nextValue());
  if (elements.empty() || elements[0].empty() || elements[0][0].type != kRtListBegin) return std::nullopt;
  RecentProjects recent;
  recent.paths = stringsOf(elements[0]);
  if (elements.size() >= 5) recent.flags = stringsOf(elements[4]);
  return recent;
}

std::wstring recentProjectFlag(int code) {
  switch (code) {
    case 1: return L"0";
    case 2: return L"1";
    case 3: return L"2";
    case 4: return L"X";
    default: return {};
  }
}

bool updateRecentProject(int code, const std::wstring& projectPath, const std::array<std::wstring, 4>* descriptions) {
  const std::wstring flag = recentProjectFlag(code);
  if (flag.empty()) return false;
  if (PmIsHelperProcess()) return true;  // the monitor's background process leaves the list alone
  HcResBufChain args;
  args.nil().beginList().beginList().str(flag).str(projectPath);
  for (int i = 0; i < 4; ++i) {
    if (descriptions != nullptr) {
      args.str((*descriptions)[static_cast<std::size_t>(i)]);
    } else {
      args.nil();
    }
  }
  args.endList().endList();
  return invokeSucceeded(L"c:vox_LastProjFil_upd", args);
}

bool makeProjectActive(const std::wstring& projectPath) {
  return invokeSucceeded(L"vox_makeproj_active", HcResBufChain().str(projectPath));
}

bool rereadProject() { return invokeSucceeded(L"c:vox_wdp_reread", {}); }

bool sendRereadProject() { return sendToCurrentDocument(L"(c:vox_wdp_reread)"); }

std::optional<std::wstring> newProjectPath() {
  return answerString(invokeLispCore(L"c:vox_proj_new", HcResBufChain().shortInt(0), kModuleResources));
}

bool chooseRecentProject(std::optional<std::wstring>& path) {
  const std::optional<HcResBufChain> answer = invokeLispCore(L"c:vox_proj_recent", {}, kModuleResources);
  if (!answer) return false;
  path = answerString(answer);
  return true;
}

std::optional<std::wstring> globalText(const std::wstring& name) {
  return answerString(invokeLispCore(L"vox_get_var", HcResBufChain().str(name)));
}

std::optional<int> globalNumber(const std::wstring& name) {
  const std::optional<HcResBufChain> answer = invokeLispCore(L"vox_get_var", HcResBufChain().str(name));
  if (const std::optional<int> number = answerInteger(answer)) return number;
  const std::optional<std::wstring> text = answerString(answer);
  if (!text) return std::nullopt;
  const long value = std::wcstol(text->c_str(), nullptr, 10);
  if (value == 0 || value < INT32_MIN || value > INT32_MAX) return std::nullopt;  // "0" counts as not read
  return static_cast<int>(value);
}

std::optional<std::wstring> environmentValue(const std::wstring& name) {
  return answerString(invokeLispCore(L"c:wd_getenv", HcResBufChain().str(name)));
}

std::optional<std::wstring> message(const std::wstring& key, const std::wstring& defaultText) {
  return answerString(invokeLispCore(L"c:wd_msg", HcResBufChain().str(key).nil().str(defaultText)));
}

std::optional<std::wstring> titleBlockFileName(const std::wstring& projectPath) {
  const std::optional<HcResBufChain> answer = invokeLispCore(L"wd_proj_figure_wdtitle_fnam", HcResBufChain().str(projectPath));
  if (!answer) return std::nullopt;
  return answerString(answer).value_or(std::wstring());
}

std::optional<std::wstring> replaceableSubstitution(const std::wstring& text) {
  return answerString(invokeLispCore(L"wd_1_luk4_replaceable_substitution", HcResBufChain().str(text), kNeedsDocument));
}

}  // namespace vox::host::lispcore
