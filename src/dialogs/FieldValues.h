#pragma once
// Conversions between a field's stored text and the value its dialog field shows:
//   check boxes     show "1" or "0" (any stored number other than 0 is "1");
//   radio / choice  show the text of the choice whose code matches the stored value;
//   other kinds     show the stored text as it is.

#include <string>
#include <vector>

#include "dialogs/PageField.h"

namespace vox::dialogs {

// The texts of the field's choices, from the catalog.
std::vector<std::wstring> choiceTexts(const PageField& spec);

// The index of the choice whose code matches `stored` (ignoring case, or the same whole
// number); 0 when none matches.
std::size_t choiceForCode(const PageField& spec, const std::wstring& stored);

// The index of the choice whose text is `text` (ignoring case); -1 when none is.
int choiceForText(const PageField& spec, const std::wstring& text);

// What the field shows for the stored text.
std::wstring shownValue(const PageField& spec, const std::wstring& stored);

// The text written back for what the field shows.
std::wstring storedValue(const PageField& spec, const std::wstring& shown);

}  // namespace vox::dialogs
