#include "ProjectDump.h"

#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::tools {
namespace {

void dumpDescriptions(const VoxPrmProjectData& data, std::wstring& out) {
  out += L"Description lines:\n";
  const auto& lines = data.getProjDescriptions();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!lines[i].empty()) out += L"  " + std::to_wstring(i + 1) + L": " + lines[i] + L"\n";
}

void dumpSettings(const VoxPrmProjectData& data, std::wstring& out) {
  out += L"Project settings:\n";
  std::wstring value;
  for (int i = 1; i <= VoxPrmMiscProjSettings::getMaxBracketIndex(); ++i)
    if (data.getMiscProjSettings().getValue(i, value) == VoxPrmMiscProjSettings::kOk)
      out += L"  [" + std::to_wstring(i) + L"] \"" + value + L"\"\n";
  out += L"Default drawing settings:\n";
  std::wstring tag;
  for (int i = 0; i <= VoxCfgDrawingSettings::getMaxBracketIndex(); ++i) {
    if (data.getProjDefWDMVals().getValue(i, value) != VoxCfgDrawingSettings::kOk) continue;
    VoxCfgDrawingSettings::getWD_MTagForIndex(i, tag);
    out += L"  [" + std::to_wstring(i) + L"] " + tag + L" = \"" + value + L"\"\n";
  }
}

void dumpEntries(const VoxPrmProjectData& data, std::wstring& out) {
  const auto& entries = data.getProjFileDetails();
  out += L"Drawings (" + std::to_wstring(entries.size()) + L"):\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const VoxPrmFileDetails& e = entries[i];
    out += L"  " + std::to_wstring(i + 1) + L". " + e.fileName + (e.isReference ? L"  (reference)" : L"") + L"\n";
    if (!e.section.empty()) out += L"     section: " + e.section + L"\n";
    if (!e.subSection.empty()) out += L"     sub-section: " + e.subSection + L"\n";
    for (const std::wstring& d : e.descriptions) out += L"     description: " + d + L"\n";
  }
}

}  // namespace

std::wstring dumpProject(const std::wstring& projectPath, const VoxPrmProjectData& data) {
  std::wstring out = L"Project file: " + projectPath + L"\n";
  dumpDescriptions(data, out);
  dumpSettings(data, out);
  dumpEntries(data, out);
  return out;
}

}  // namespace vox::tools
