#include "palette/TreeMenus.h"

#include <initializer_list>

#include "host/ResourceText.h"
#include "platform/os/CaseMapping.h"

namespace vox::palette {
namespace {

// An entry's text is the module's text 300 above its command number.
constexpr unsigned kTextBase = 300;
constexpr unsigned kPropertiesCaption = 560;
constexpr unsigned kPublishCaption = 561;

HcMenuEntry item(unsigned command) {
  HcMenuEntry entry = HcMenuEntry::item(command, host::resourceText(kTextBase + command));
  entry.shortcut = shortcutOf(command);
  return entry;
}

unsigned commandIn(const std::vector<HcMenuEntry>& entries, const std::wstring& keys) {
  for (const HcMenuEntry& entry : entries) {
    if (entry.greyed) continue;
    if (entry.isSubMenu()) {
      if (const unsigned command = commandIn(entry.children, keys)) return command;
    } else if (entry.command != 0 && !entry.shortcut.empty() && os::iequals(entry.shortcut, keys)) {
      return entry.command;
    }
  }
  return 0;
}

std::vector<HcMenuEntry> items(std::initializer_list<unsigned> commands) {
  std::vector<HcMenuEntry> entries;
  for (const unsigned command : commands) entries.push_back(command == 0 ? HcMenuEntry::separator() : item(command));
  return entries;
}

void grey(std::vector<HcMenuEntry>& entries, std::initializer_list<unsigned> commands) {
  for (HcMenuEntry& entry : entries) {
    for (const unsigned command : commands)
      if (entry.command == command) entry.greyed = true;
    grey(entry.children, commands);
  }
}

}  // namespace

std::wstring shortcutOf(unsigned command) {
  switch (command) {
    case kActivateProject: return L"Ctrl+Return";
    case kOpenDrawing: return L"Return";
    case kProjectDescriptions: return L"Ctrl+D";
    case kCloseDrawing: return L"Ctrl+F4";
    case kCopyDrawingTo: return L"Ctrl+Shift+C";
    case kCloseProject: return L"Ctrl+W";
    case kTitleBlockUpdate: return L"Ctrl+T";
    case kDrawingListReport: return L"Ctrl+R";
    case kAddDrawings: return L"Ins";
    case kReorderDrawings: return L"Ctrl+Shift+R";
    case kRemoveDrawings: return L"Ctrl+Del";
    case kTaskList: return L"Ctrl+K";
    case kProjectProperties: return L"Alt+Return";
    case kProjectSettings: return L"Ctrl+Shift+P";
    case kRemoveDrawing: return L"Del";
    case kReplaceDrawing: return L"Ctrl+H";
    case kRenameDrawing: return L"F2";
    case kPlotProject: return L"Ctrl+P";
    case kPublishToWeb: return L"Ctrl+Shift+W";
    case kPublishDwf: return L"Ctrl+Shift+D";
    case kZipProject: return L"Ctrl+Shift+Z";
    case kAddActiveDrawing: return L"Ctrl+Ins";
    case kDrawingProperties: return L"Alt+Return";
    case kApplyProjectDefaults: return L"Ctrl+Shift+A";
    case kCopyDrawingProperties: return L"Ctrl+C";
    case kPasteDrawingProperties: return L"Ctrl+V";
    case kCompareWithProject: return L"Ctrl+M";
    case kExceptionList: return L"Ctrl+E";
    case kNewProject: return L"Ctrl+Shift+N";
    case kNewDrawing:
    case kActiveProjectNewDrawing: return L"Ctrl+N";
    case kOpenProject: return L"Ctrl+O";
    default: return {};
  }
}

unsigned commandForShortcut(const HcMenu& menu, const std::wstring& keys) { return commandIn(menu.entries, keys); }

HcMenu activeProjectMenu(const MenuFacts& facts) {
  HcMenu menu{L"active-project", items({kCloseProject, 0, kProjectDescriptions, kProjectProperties, kProjectSettings, 0,
                                        kActiveProjectNewDrawing, kAddDrawings, kAddActiveDrawing, kReorderDrawings,
                                        kRemoveDrawings, 0})};
  menu.entries.push_back(HcMenuEntry::subMenu(host::resourceText(kPublishCaption),
                                              items({kPlotProject, kPublishToWeb, kPublishDwf, kZipProject})));
  for (HcMenuEntry& entry : items({kTitleBlockUpdate, kDrawingListReport, kTaskList, kExceptionList}))
    menu.entries.push_back(std::move(entry));
  std::vector<HcMenuEntry>& e = menu.entries;
  if (facts.openProjects <= 1) grey(e, {kCloseProject});
  if (!facts.documentOpen) {
    grey(e, {kProjectDescriptions, kTitleBlockUpdate, kDrawingListReport, kActiveProjectNewDrawing, kAddDrawings,
             kAddActiveDrawing, kReorderDrawings, kRemoveDrawings, kTaskList, kProjectSettings, kProjectProperties,
             kExceptionList});
    e[kPublishSubMenuPosition].greyed = true;
  }
  if (!facts.lockedByMe)
    grey(e, {kProjectDescriptions, kTitleBlockUpdate, kDrawingListReport, kAddDrawings, kActiveProjectNewDrawing,
             kAddActiveDrawing, kReorderDrawings, kRemoveDrawings, kProjectSettings, kProjectProperties});
  if (!facts.hasTasks) grey(e, {kTaskList});
  if (!facts.activeDrawingTitled || facts.activeDrawingInProject) grey(e, {kAddActiveDrawing});
  return menu;
}

HcMenu projectMenu(const MenuFacts& facts) {
  HcMenu menu{L"project", items({kActivateProject, kCloseProject, 0, kProjectDescriptions, 0, kAddDrawings,
                                 kAddActiveDrawing, kReorderDrawings, kRemoveDrawings, 0, kExceptionList})};
  std::vector<HcMenuEntry>& e = menu.entries;
  if (!facts.documentOpen)
    grey(e, {kProjectDescriptions, kAddDrawings, kAddActiveDrawing, kReorderDrawings, kRemoveDrawings, kExceptionList});
  if (facts.lockedByMe && (!facts.activeDrawingTitled || facts.activeDrawingInProject)) grey(e, {kAddActiveDrawing});
  if (!facts.lockedByMe) grey(e, {kProjectDescriptions, kAddDrawings, kAddActiveDrawing, kReorderDrawings, kRemoveDrawings});
  return menu;
}

HcMenu drawingMenu(const MenuFacts& facts) {
  HcMenu menu{L"drawing", items({kOpenDrawing, kCloseDrawing, 0, kCopyDrawingTo, 0, kRemoveDrawing, kReplaceDrawing,
                                 kRenameDrawing, 0})};
  menu.entries.push_back(HcMenuEntry::subMenu(
      host::resourceText(kPropertiesCaption),
      items({kDrawingProperties, 0, kApplyProjectDefaults, kCopyDrawingProperties, kPasteDrawingProperties, 0,
             kCompareWithProject})));
  std::vector<HcMenuEntry>& e = menu.entries;
  if (facts.singleDocumentMode || !facts.drawingOpen) grey(e, {kCloseDrawing});
  if (!facts.drawingCopied) grey(e, {kPasteDrawingProperties});
  if (facts.lockedByOther) grey(e, {kCopyDrawingTo, kRemoveDrawing, kReplaceDrawing, kRenameDrawing});
  if (!facts.documentOpen) {
    grey(e, {kCopyDrawingTo, kRemoveDrawing, kReplaceDrawing, kRenameDrawing});
    e[kPropertiesSubMenuPosition].greyed = true;
  }
  if (facts.multiSelection)
    grey(e, {kCopyDrawingTo, kReplaceDrawing, kRenameDrawing, kDrawingProperties, kCopyDrawingProperties,
             kCompareWithProject});
  return menu;
}

HcMenu emptySpaceMenu(const MenuFacts& facts) {
  HcMenu menu{L"empty", items({kNewProject, kOpenProject, 0, kNewDrawing})};
  if (!facts.activeProjectLockedByMe) grey(menu.entries, {kNewDrawing});
  return menu;
}

}  // namespace vox::palette
