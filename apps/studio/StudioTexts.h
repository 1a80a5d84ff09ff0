#pragma once
// The studio's own texts: numbered entries 9000-9099 of the message catalog that ships beside
// the module. A text missing from the catalog shows as "#<number>".

#include <QString>

namespace vox::studio {

enum class StudioText : unsigned {
  kWindowTitle = 9000,
  kFileMenu = 9001,
  kOpenDrawing = 9002,
  kCloseDrawing = 9003,
  kQuit = 9004,
  kCommandsMenu = 9005,
  kViewMenu = 9006,
  kWindowMenu = 9007,
  kTile = 9008,
  kCascade = 9009,
  kFit = 9010,
  kZoomIn = 9011,
  kZoomOut = 9012,
  kCommandLineTitle = 9013,
  kCommandPrompt = 9014,
  kPaletteTitle = 9015,
  kOpenProjects = 9016,
  kNoOpenProjects = 9017,
  kReady = 9018,
  kRunningCommand = 9019,
  kRunningLisp = 9020,
  kOpenDrawingTitle = 9021,
  kDrawingFilter = 9022,
  kPromptTitle = 9023,
  kCannotLoadModule = 9024,
  kCannotShowDrawing = 9025,
  kRefusedPath = 9026,
  kActiveProject = 9027,
  kShowPalette = 9028,
  kHidePalette = 9029,
  kFilterDrawings = 9060,
  kHiddenCount = 9061,
  kExpandAll = 9062,
  kCollapseAll = 9063,
};

QString studioText(StudioText id);
// The text with its "%s" replaced by `argument`.
QString studioText(StudioText id, const QString& argument);

}  // namespace vox::studio
