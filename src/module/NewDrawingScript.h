#pragma once
// The script that hands a new drawing to the host: "_SCRTMP1.SCR" in the user folder (the LISP
// global "GBL_wd_usr"), three lines each ended by a line feed — "_.open", the drawing's path in
// double quotes, "_voxcontinuenewdrawing" — so the host opens the drawing and then runs the
// second half of the new-drawing command in it.

#include <optional>
#include <string>

#include "platform/os/OsError.h"

namespace vox::module {

inline constexpr const wchar_t* kNewDrawingScriptName = L"_SCRTMP1.SCR";

// The script's text; empty when the path holds a double quote or a control character, which
// could end the quoted path and inject script lines.
std::optional<std::wstring> newDrawingScriptText(const std::wstring& drawingPath);

// The script file in `userFolder` ("/" taken as "\"; a separator added when it has none).
std::wstring newDrawingScriptPath(const std::wstring& userFolder);

// Creates or truncates the script file and writes `text` in the narrow code page.
bool writeNewDrawingScript(const std::wstring& scriptPath, const std::wstring& text, os::OsError* error = nullptr);

}  // namespace vox::module
