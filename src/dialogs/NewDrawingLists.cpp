#include "dialogs/NewDrawingLists.h"

#include <unordered_set>

#include "platform/os/CaseMapping.h"
#include "platform/os/Trim.h"

namespace vox::dialogs {
namespace {

// Collects texts in order, each once ignoring letter case.
class DistinctTexts {
 public:
  void add(std::wstring text) {
    if (m_seen.insert(os::toUpper(text)).second) m_texts.push_back(std::move(text));
  }
  std::vector<std::wstring> take() { return std::move(m_texts); }

 private:
  std::unordered_set<std::wstring> m_seen;
  std::vector<std::wstring> m_texts;
};

template <typename Member>
std::vector<std::wstring> trimmedMembers(const std::vector<VoxPrmFileDetails>& entries, Member member) {
  DistinctTexts texts;
  for (const VoxPrmFileDetails& entry : entries) {
    std::wstring value = os::trimmed(entry.*member);
    if (!value.empty()) texts.add(std::move(value));
  }
  return texts.take();
}

}  // namespace

std::vector<std::wstring> offeredDescriptions(const std::vector<VoxPrmFileDetails>& entries) {
  DistinctTexts texts;
  for (const VoxPrmFileDetails& entry : entries) {
    for (const std::wstring& line : entry.descriptions)
      if (!os::trimmed(line).empty()) texts.add(line.substr(0, kMaxDescriptionLength));
  }
  return texts.take();
}

std::vector<std::wstring> offeredSections(const std::vector<VoxPrmFileDetails>& entries) {
  return trimmedMembers(entries, &VoxPrmFileDetails::section);
}

std::vector<std::wstring> offeredSubSections(const std::vector<VoxPrmFileDetails>& entries) {
  return trimmedMembers(entries, &VoxPrmFileDetails::subSection);
}

}  // namespace vox::dialogs
