#include "dialogs/PageField.h"

namespace vox::dialogs {

std::vector<FieldChoice> sequentialModeChoices() {
  return {{L"R", L"choice-reference"}, {L"S", L"choice-sequential"}};
}

std::vector<FieldChoice> numberedChoices(const std::wstring& prefix, int first, int count, int step) {
  std::vector<FieldChoice> choices;
  for (int i = 0; i < count; ++i) {
    const std::wstring code = std::to_wstring(first + i * step);
    choices.push_back({code, prefix + code});
  }
  return choices;
}

}  // namespace vox::dialogs
