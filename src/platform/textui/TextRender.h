#pragma once
// The palette, a menu and a dialog as stable, line-oriented text: one item per line, two
// blanks of indentation per level, flags in braces ({selected}) or brackets ([greyed]). The
// shell prints these forms and scripts compare them; docs/shell-ui.md describes them.

#include <string>

#include "host/HcDialogController.h"
#include "host/HcMenu.h"
#include "host/HcPaletteControllers.h"

namespace vox::textui {

std::wstring renderPalette(HcPaletteSetController& paletteSet);
std::wstring renderMenu(const HcMenu& menu);
std::wstring renderDialog(const HcDialogController& dialog);

// A text in double quotes: a double quote or backslash inside gets a backslash in front; a line
// break, carriage return or tab is written as \n, \r, \t.
std::wstring quoted(const std::wstring& text);

}  // namespace vox::textui
