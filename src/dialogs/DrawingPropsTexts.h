#pragma once
// Resource strings of the drawing properties operation.

namespace vox::dialogs {

inline constexpr unsigned kMsgDrawingPropsCaption = 490;
inline constexpr unsigned kMsgDrawingNotFound = 491;      // "%s": the drawing
inline constexpr unsigned kMsgDrawingNotOpened = 492;     // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgProjectNotActive = 493;     // "%s": the drawing, "%s": its project
inline constexpr unsigned kMsgDrawingNotSaved = 494;      // "%s": the drawing, "%s": why
inline constexpr unsigned kMsgProjectNotWritten = 495;    // "%s": the project file
inline constexpr unsigned kPromptDatumPoint = 496;
inline constexpr unsigned kPromptDescriptionText = 497;   // "%s": the line number
inline constexpr unsigned kMsgBlockNotWritten = 498;      // "%s": the drawing

}  // namespace vox::dialogs
