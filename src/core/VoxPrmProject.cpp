#include "core/VoxPrmProject.h"

#include <algorithm>

#include "host/HcLisp.h"
#include "host/HcResBuf.h"

namespace {

std::wstring withBackslashes(std::wstring path) {
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

// Whether the chain is one list from its first item to its last.
bool isSingleList(const std::vector<HcResBuf>& items) {
  if (items.size() < 2 || items.front().type != kRtListBegin) return false;
  int depth = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].type == kRtListBegin) ++depth;
    if (items[i].type == kRtListEnd && --depth == 0) return i + 1 == items.size();
  }
  return false;
}

// The non-empty strings of the second top-level element of `answer`, up to its first item that
// is not a string. A function returns one value, so when the answer is a single list its
// elements are the top-level elements.
void appendRelatedFiles(const HcResBufChain& answer, std::vector<std::wstring>& out) {
  const std::vector<HcResBuf>& all = answer.items();
  const bool strip = isSingleList(all);
  const std::vector<HcResBuf> items(all.begin() + (strip ? 1 : 0), all.end() - (strip ? 1 : 0));
  int depth = 0;
  int completed = 0;
  for (const HcResBuf& item : items) {
    if (item.type == kRtListBegin) {
      ++depth;
    } else if (item.type == kRtListEnd) {
      if (--depth == 0) ++completed;
    } else if (item.type == kRtNil && depth == 0) {
      ++completed;
    } else if (completed == 1) {
      const std::wstring* text = item.string();
      if (text == nullptr) return;
      if (!text->empty()) out.push_back(withBackslashes(*text));
    }
  }
}

}  // namespace

VoxPrmProject::VoxPrmProject()
    : m_data(std::make_unique<VoxPrmProjectData>()),
      m_oldData(std::make_unique<VoxPrmProjectData>()),
      m_filer(std::make_unique<VoxPrmWDPFiler>()) {}

VoxPrmProject::~VoxPrmProject() {
  m_filer.reset();
  m_oldData.reset();
  m_data.reset();
}

bool VoxPrmProject::readProject(const std::wstring& path) {
  m_projectID = path;
  if (!m_filer->openProject(path, true, false)) return false;
  // A file that opened but could not be read leaves the data as they were and is a failure.
  const bool read = m_filer->readProject(*m_data);
  m_filer->closeProject();
  if (!read) return false;
  m_oldData = std::make_unique<VoxPrmProjectData>(*m_data);
  return true;
}

bool VoxPrmProject::writeProject(const wchar_t* path) {
  const std::wstring target = path != nullptr ? std::wstring(path) : m_projectID;
  if (!m_filer->openProject(target, false, false)) return false;
  // A write that did not reach the file is a failure: the old data keep what the file holds.
  const bool written = m_filer->writeProject(*m_data);
  m_filer->closeProject();
  if (!written) return false;
  m_oldData = std::make_unique<VoxPrmProjectData>(*m_data);
  return true;
}

std::array<std::wstring, 4> VoxPrmProject::firstFourDescriptions() const {
  std::array<std::wstring, 4> lines;
  const std::vector<std::wstring>& descriptions = m_data->getProjDescriptions();
  for (std::size_t i = 0; i < lines.size() && i < descriptions.size(); ++i) lines[i] = descriptions[i];
  return lines;
}

void VoxPrmProject::getProjectDependents(std::vector<std::wstring>& out, int flags) const {
  if ((flags & kDrawingDependents) != 0) {
    for (const VoxPrmFileDetails& entry : m_data->getProjFileDetails()) out.push_back(entry.fileName);
  }
  if ((flags & kNonDrawingDependents) != 0) getNonDwgDependents(out);
}

bool VoxPrmProject::getNonDwgDependents(std::vector<std::wstring>& out) const {
  const HcResBufChain call = HcResBufChain().str(L"wd_cpyprj_chk4_related_files").str(m_projectID).str(L"1");
  HcResBufChain answer;
  if (hcedInvoke(call, answer) != kRtNorm) return false;
  appendRelatedFiles(answer, out);
  return true;
}
