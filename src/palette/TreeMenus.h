#pragma once
// The project tree's four context menus as data, with their enabling rules: the project menu, the
// active project's menu, the drawing menu and the empty-space menu. The facts the rules read are
// gathered by the tree; building a menu from them is pure, so every rule is tested on its own.

#include "host/HcMenu.h"

namespace vox::palette {

enum TreeCommand : unsigned {
  kActivateProject = 201, kOpenDrawing = 202, kProjectDescriptions = 203, kCloseDrawing = 205,
  kCopyDrawingTo = 207, kCloseProject = 209, kTitleBlockUpdate = 210, kDrawingListReport = 211,
  kAddDrawings = 212, kReorderDrawings = 213, kRemoveDrawings = 214, kTaskList = 215, kProjectProperties = 217,
  kProjectSettings = 219, kRemoveDrawing = 225, kReplaceDrawing = 226, kRenameDrawing = 227, kPlotProject = 238,
  kPublishToWeb = 239, kPublishDwf = 240, kZipProject = 241, kAddActiveDrawing = 244, kDrawingProperties = 245,
  kApplyProjectDefaults = 246, kCopyDrawingProperties = 247, kPasteDrawingProperties = 248,
  kCompareWithProject = 249, kExceptionList = 250, kNewProject = 251, kNewDrawing = 252,
  kActiveProjectNewDrawing = 255, kOpenProject = 259
};

// Where the two sub-menus stand: the drawing menu's properties and the active project's publish.
constexpr std::size_t kPropertiesSubMenuPosition = 9;
constexpr std::size_t kPublishSubMenuPosition = 12;

// What the enabling rules depend on.
struct MenuFacts {
  bool documentOpen = false;         // the host has at least one document
  bool singleDocumentMode = false;   // SDI
  int openProjects = 0;
  bool lockedByMe = false;           // the menu's project file is locked, by this user
  bool lockedByOther = false;        // it is locked and not by this user (nor free)
  bool hasTasks = false;
  bool activeDrawingTitled = false;  // DWGTITLED
  bool activeDrawingInProject = false;
  bool multiSelection = false;
  bool drawingOpen = false;          // the drawing (any selected one) is open in the host
  bool drawingCopied = false;        // drawing properties were copied
  bool activeProjectLockedByMe = false;  // empty-space menu
};

// The keys of a command, in Qt's portable key names ("Ctrl+Shift+C", "Alt+Return", "Del"), or
// empty. One command has one shortcut in every menu; no two commands of a menu share one.
std::wstring shortcutOf(unsigned command);

// The enabled entry of `menu` (sub-menus included, not inside a greyed one) whose shortcut is
// `keys` (ignoring case), or 0.
unsigned commandForShortcut(const HcMenu& menu, const std::wstring& keys);

HcMenu projectMenu(const MenuFacts& facts);
HcMenu activeProjectMenu(const MenuFacts& facts);
HcMenu drawingMenu(const MenuFacts& facts);
HcMenu emptySpaceMenu(const MenuFacts& facts);

}  // namespace vox::palette
