#include "dialogs/FieldValues.h"

#include "dialogs/NumberChecks.h"
#include "dialogs/PageTexts.h"
#include "platform/os/CaseMapping.h"
#include "records/NumberText.h"

namespace vox::dialogs {
namespace {

bool isChoiceKind(HcFieldKind kind) { return kind == HcFieldKind::kRadio || kind == HcFieldKind::kChoice; }

bool codesMatch(const std::wstring& code, const std::wstring& stored) {
  if (os::iequals(code, stored)) return true;
  return isWholeNumber(code) && isWholeNumber(stored) &&
         records::parseLeadingInt(code) == records::parseLeadingInt(stored);
}

}  // namespace

std::vector<std::wstring> choiceTexts(const PageField& spec) {
  std::vector<std::wstring> texts;
  for (const FieldChoice& choice : spec.choices) texts.push_back(pageText(choice.textName));
  return texts;
}

std::size_t choiceForCode(const PageField& spec, const std::wstring& stored) {
  for (std::size_t i = 0; i < spec.choices.size(); ++i) {
    if (codesMatch(spec.choices[i].code, stored)) return i;
  }
  return 0;
}

int choiceForText(const PageField& spec, const std::wstring& text) {
  const std::vector<std::wstring> texts = choiceTexts(spec);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (os::iequals(texts[i], text)) return static_cast<int>(i);
  }
  return -1;
}

std::wstring shownValue(const PageField& spec, const std::wstring& stored) {
  if (spec.kind == HcFieldKind::kCheck) return records::parseLeadingInt(stored) != 0 ? L"1" : L"0";
  if (isChoiceKind(spec.kind) && !spec.choices.empty()) return choiceTexts(spec)[choiceForCode(spec, stored)];
  return stored;
}

std::wstring storedValue(const PageField& spec, const std::wstring& shown) {
  if (spec.kind == HcFieldKind::kCheck) return shown == L"1" ? L"1" : L"0";
  if (isChoiceKind(spec.kind) && !spec.choices.empty()) {
    const int index = choiceForText(spec, shown);
    return spec.choices[static_cast<std::size_t>(index < 0 ? 0 : index)].code;
  }
  if (spec.decimal) return records::formatInt(records::parseLeadingInt(shown));
  return shown;
}

}  // namespace vox::dialogs
