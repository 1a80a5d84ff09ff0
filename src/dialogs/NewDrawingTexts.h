#pragma once
// Resource strings of the new-drawing dialog and command.

#include <string>
#include <vector>

#include "host/HcInteraction.h"

namespace vox::dialogs {

inline constexpr unsigned kMsgNewDrawingCaption = 650;
inline constexpr unsigned kMsgDrawingExists = 651;        // "%s": the full path
inline constexpr unsigned kMsgInvalidLocation = 652;      // "%s": the location as typed
inline constexpr unsigned kMsgTemplateNotFound = 653;     // "%s": the template
inline constexpr unsigned kMsgTemplateNotCopied = 654;    // error code, system text, template, full path
inline constexpr unsigned kMsgReplaceTemplateSettings = 655;
inline constexpr unsigned kMsgNewDrawingNotOpened = 656;  // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgNewSettingsNotWritten = 657;  // "%s": the drawing
inline constexpr unsigned kMsgTitleValuesNotWritten = 658;  // "%s": the drawing
inline constexpr unsigned kMsgNewDrawingNotSaved = 659;   // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgUnsafeDrawingPath = 660;    // "%s": the path
inline constexpr unsigned kMsgScriptNotWritten = 661;     // "%s": the script, "%s": why
inline constexpr unsigned kTitleChooseTemplate = 662;
inline constexpr unsigned kTitleChooseLocation = 663;
inline constexpr unsigned kMsgNameEmpty = 664;

// A message box with the new drawing's caption and resource string `text` with its inserts; the
// answer (kOk for an OK-only box).
HcAnswer newDrawingMessage(unsigned text, const std::vector<std::wstring>& inserts,
                           HcIcon icon = HcIcon::kExclamation, HcButtons buttons = HcButtons::kOk);

}  // namespace vox::dialogs
