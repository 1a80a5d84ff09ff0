#pragma once
// The declarative description of one field of a settings page: where its value lives, how it
// is shown, how it is written back and how it is checked when the page is left.

#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::dialogs {

enum class FieldSource {
  kDrawing,   // drawing setting `key`
  kMisc,      // misc project setting `key` (project sheet only)
  kFlagBits,  // the bits `key` of drawing setting 50 ("MISC_FLAGS")
};

enum class FieldCheck {
  kNone,
  kReal,               // a real number
  kRealOrEmpty,        // a real number, or nothing (a value not given yet)
  kWhole,              // a whole decimal number
  kRealList,           // real numbers separated by commas
  kNumberPlaceholder,  // must contain "%N" in either case; else reset to `resetValue`
};

// One entry of a radio group or drop-down list: the value written for it and the catalog name
// of its text.
struct FieldChoice {
  std::wstring code;
  std::wstring textName;
};

struct PageField {
  std::wstring id{};   // stable name for scripts; the label is the catalog text "field-" + id
  std::wstring group{};  // the sub-panel
  FieldSource source = FieldSource::kDrawing;
  int key = 0;
  HcFieldKind kind = HcFieldKind::kText;
  FieldCheck check = FieldCheck::kNone;
  // kRadio / kChoice: a stored value selects the choice with the same code (ignoring case, or
  // as the same number); the first choice is shown when none matches.
  std::vector<FieldChoice> choices{};
  bool decimal = false;        // written as the decimal form of its whole number ("07" -> "7")
  std::wstring resetValue{};   // kNumberPlaceholder: the value put back
  unsigned resetMessage = 0;   // kNumberPlaceholder: the message shown
};

// Choices 0 = reference ("R"), 1 = sequential ("S"): a mode is written "S" when sequential is
// chosen and "R" otherwise.
std::vector<FieldChoice> sequentialModeChoices();

// Choices whose codes are the numbers first, first + step, ..., named prefix + number.
std::vector<FieldChoice> numberedChoices(const std::wstring& prefix, int first, int count, int step = 1);

}  // namespace vox::dialogs
