#include "records/VoxPrmProjectData.h"

#include <algorithm>
#include <stdexcept>

#include "platform/os/CaseMapping.h"
#include "records/WantedNames.h"

namespace {

template <typename Iterator>
Iterator findByName(Iterator first, Iterator last, const std::wstring& fileName) {
  return std::find_if(first, last,
                      [&fileName](const VoxPrmFileDetails& e) { return vox::os::iequals(e.fileName, fileName); });
}

}  // namespace

VoxPrmProjectData& VoxPrmProjectData::operator=(const VoxPrmProjectData& other) {
  if (this == &other) return *this;
  m_descriptions = other.m_descriptions;
  m_entries = other.m_entries;
  m_drawingDefaults = other.m_drawingDefaults;
  m_misc = other.m_misc;
  return *this;
}

std::vector<VoxPrmFileDetails>::iterator VoxPrmProjectData::findEntry(const std::wstring& fileName) {
  return findByName(m_entries.begin(), m_entries.end(), fileName);
}

std::vector<VoxPrmFileDetails>::const_iterator VoxPrmProjectData::findEntry(const std::wstring& fileName) const {
  return findByName(m_entries.cbegin(), m_entries.cend(), fileName);
}

bool VoxPrmProjectData::addFile(const VoxPrmFileDetails& details) {
  m_entries.push_back(details);
  return true;
}

bool VoxPrmProjectData::addFiles(const std::vector<VoxPrmFileDetails>& files) {
  if (&files == &m_entries) throw std::invalid_argument("addFiles: cannot append a project's entries to itself");
  m_entries.insert(m_entries.end(), files.begin(), files.end());
  return true;
}

bool VoxPrmProjectData::removeFile(const std::wstring& fileName) {
  const auto it = findEntry(fileName);
  if (it == m_entries.end()) return false;
  m_entries.erase(it);
  return true;
}

bool VoxPrmProjectData::removeFiles(const std::vector<std::wstring>& fileNames) {
  if (fileNames.empty()) return true;
  vox::records::WantedNames wanted(fileNames);
  // Compact the survivors towards the front in one pass, keeping their order.
  auto kept = m_entries.begin();
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if (wanted.take(it->fileName)) continue;
    if (kept != it) *kept = std::move(*it);
    ++kept;
  }
  const bool removed = kept != m_entries.end();
  m_entries.erase(kept, m_entries.end());
  return removed;
}

bool VoxPrmProjectData::removeAllFiles() {
  m_entries.clear();
  return true;
}

bool VoxPrmProjectData::replaceFile(const std::wstring& oldName, const std::wstring& newName) {
  const auto it = findEntry(oldName);
  if (it == m_entries.end()) return false;
  it->fileName = newName;
  return true;
}

bool VoxPrmProjectData::modifyDetailsForFile(const VoxPrmFileDetails& details) {
  const auto it = findEntry(details.fileName);
  if (it == m_entries.end()) return false;
  *it = details;
  return true;
}

bool VoxPrmProjectData::isFileInProject(const std::wstring& fileName, bool* isReference) const {
  const auto it = findEntry(fileName);
  if (it == m_entries.end()) return false;
  if (isReference != nullptr) *isReference = it->isReference;
  return true;
}

bool VoxPrmProjectData::getDetailsForFiles(const std::vector<std::wstring>& fileNames,
                                           std::vector<VoxPrmFileDetails>& details) const {
  details.clear();
  if (fileNames.empty()) return true;
  vox::records::WantedNames wanted(fileNames);
  for (auto it = m_entries.begin(); it != m_entries.end() && !wanted.empty(); ++it) {
    if (wanted.take(it->fileName)) details.push_back(*it);
  }
  return !details.empty();
}

void VoxPrmProjectData::setProjDescriptions(const std::vector<std::wstring>& descriptions) {
  m_descriptions = descriptions;
}

void VoxPrmProjectData::setMiscProjSettings(const VoxPrmMiscProjSettings& settings) {
  const VoxPrmMiscProjSettings copy(settings);  // `settings` may be this record's own
  m_misc.reInitializeData();
  m_misc = copy;
}

void VoxPrmProjectData::setProjDefWDMVals(const VoxCfgDrawingSettings& settings) {
  const VoxCfgDrawingSettings copy(settings);  // `settings` may be this record's own
  m_drawingDefaults.reInitializeData();
  m_drawingDefaults = copy;
}

bool VoxPrmProjectData::operator==(const VoxPrmProjectData& other) const {
  return m_descriptions == other.m_descriptions && m_drawingDefaults == other.m_drawingDefaults &&
         m_misc == other.m_misc && m_entries == other.m_entries;
}
