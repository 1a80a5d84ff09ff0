#include "module/LispFunctions.h"

#include <algorithm>
#include <array>

#include "core/VoxPrmProjectManager.h"
#include "dialogs/CrossRefOverrideDialog.h"
#include "host/HcLisp.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "host/VoxUtils.h"
#include "locking/DrawingLockStatus.h"
#include "locking/LockDecisions.h"
#include "module/DrawingBlockFunction.h"
#include "module/LispArguments.h"
#include "module/PathConversion.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace vox::module {
namespace {

// The call fails with nil and the reason the arguments gave.
int refused(const LispArguments& args) {
  hcedRetNil();
  return hcedFail(args.problem());
}

int answerNil() {
  hcedRetNil();
  return kRsResult;
}

int answerInt(int value) {
  hcedRetInt(value);
  return kRsResult;
}

int answerBool(bool value) {
  if (value) {
    hcedRetT();
  } else {
    hcedRetNil();
  }
  return kRsResult;
}

int answerText(const std::optional<std::wstring>& text) {
  if (!text) return answerNil();
  hcedRetStr(text->c_str());
  return kRsResult;
}

// The result of the "who locked" functions for a lock state.
std::optional<std::wstring> holderResult(_lockStatus status, const std::wstring& holder) {
  switch (status) {
    case kNotLocked: return std::wstring();
    case kLockedByMe:
    case kLockedByOther: return holder;
    case kLockedHolderUnknown: return host::resourceText(121);
    case kReadOnly:
    case kNoFolderAccess: return host::resourceText(122);
    case kFileNotFound: return host::resourceText(127);
    default: return std::nullopt;
  }
}

// A path given to the lock functions, made full as a project's path is: a relative one is taken
// from the current folder. A blank one stays blank, for the locker to refuse.
std::wstring lockFunctionPath(const std::wstring& path) {
  return locking::blankPath(path) ? path : os::fullPath(os::toBackslashes(path));
}

int loadLastProjects() {
  reopenLastProjects();
  return answerNil();
}

int pathIsRelative() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  return answerInt(os::isRelative(*path) ? 1 : 0);
}

template <auto Convert>
int convertPath() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  const auto base = args.string(L"base");
  if (!path || !base) return refused(args);
  return answerText(Convert(*path, *base));
}

int openProject() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  const auto activate = args.shortInt(L"activate");
  if (!path || !activate) return refused(args);
  VoxPrmProjectManager* manager = GetProjectManager();
  // A project's ID is its file's full path: a relative path is taken from the current folder.
  const std::wstring full = os::fullPath(os::toBackslashes(*path));
  return answerBool(manager != nullptr && manager->openProject(full.c_str(), *activate == 1, false));
}

int virtualLockProject() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  const auto lock = args.shortInt(L"lock");
  if (!path || !lock) {
    hcedRetInt(0);
    return hcedFail(args.problem());
  }
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return answerInt(0);
  const std::wstring full = lockFunctionPath(*path);
  const bool done = *lock == 1 ? manager->lockProjectFile(full.c_str()) : manager->unlockProjectFile(full.c_str());
  return answerInt(done ? 1 : 0);
}

int projectLockStatus() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return answerNil();
  std::wstring text;
  return answerInt(manager->whoHasProjectFileLocked(lockFunctionPath(*path).c_str(), text));
}

int projectWhoLocked() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  const HcResourceScope resources;
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return answerNil();
  std::wstring holder, machine, time;
  const _lockStatus status = manager->whoHasProjectFileLocked(lockFunctionPath(*path).c_str(), &holder, &machine, &time);
  return answerText(holderResult(status, holder));
}

int drawingWhoLocked() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  const HcResourceScope resources;
  std::wstring holder, machine, time;
  const _lockStatus status = getDrawingLockStatus(lockFunctionPath(*path).c_str(), &holder, &machine, &time);
  return answerText(holderResult(status, holder));
}

int drawingLockStatus() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  std::wstring holder, machine, time;
  return answerInt(getDrawingLockStatus(lockFunctionPath(*path).c_str(), &holder, &machine, &time));
}

int activeProject() {
  const VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring id;
  if (manager == nullptr || !manager->getActiveProjectID(id)) return answerNil();
  return answerText(id);
}

int closeProject() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  bool force = false;
  if (!args.atEnd()) {
    const auto flag = args.shortInt(L"force");
    if (!flag) return refused(args);
    force = *flag == 1;
  }
  if (VoxPrmProjectManager* manager = GetProjectManager()) manager->closeProject(path->c_str(), force);
  return answerNil();
}

int sameNameAsExisting() {
  LispArguments args(hcedGetArgs());
  const auto path = args.string(L"path");
  if (!path) return refused(args);
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return answerNil();
  return answerInt(manager->isProjectSameNameAsExisting(path->c_str(), nullptr) ? 1 : 0);
}

// The override dialog over the sixteen texts: after OK the edited texts as a list, else nil.
int crossReferenceOverride() {
  LispArguments args(hcedGetArgs());
  const HcResourceScope resources;
  const auto values = args.strings(L"values", dialogs::kCrossRefOverrideCount);
  if (!values) return refused(args);
  std::array<std::wstring, dialogs::kCrossRefOverrideCount> texts;
  std::copy(values->begin(), values->end(), texts.begin());
  dialogs::CrossRefOverrideDialog dialog(texts);
  if (hcRunDialog(dialog) != kHcDialogOk) return answerNil();
  HcResBufChain list;
  for (const std::wstring& text : dialog.values()) list.str(text);
  hcedRetList(list);
  return kRsResult;
}

int rereadProject() {
  LispArguments args(hcedGetArgs());
  std::optional<std::wstring> path;
  if (!args.nil()) {
    path = args.string(L"path");
    if (!path) return refused(args);
  }
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return answerNil();
  const bool given = path && !path->empty();
  return answerBool(manager->reReadProject(given ? path->c_str() : nullptr));
}

int getRegSetting() {
  LispArguments args(hcedGetArgs());
  const auto key = args.string(L"key");
  const auto name = args.string(L"name");
  if (!key || !name) return refused(args);
  std::wstring value;
  return answerText(VoxGetRegSetting(*key, *name, value) ? std::optional<std::wstring>(value) : std::nullopt);
}

int setRegSetting() {
  LispArguments args(hcedGetArgs());
  const auto key = args.string(L"key");
  const auto name = args.string(L"name");
  const auto value = args.string(L"value");
  if (!key || !name || !value) return refused(args);
  return answerBool(VoxSetRegSetting(*key, *name, *value));
}

int beginWaitCursor() { return answerBool(VoxBeginWaitCursor()); }

int endWaitCursor() {
  VoxEndWaitCursor();
  return answerNil();
}

}  // namespace

const std::vector<LispFunction>& lispFunctions() {
  static const std::vector<LispFunction> functions{
      {L"vox_loadlastprojects", 1, loadLastProjects},
      {L"vox_pathisrelative", 2, pathIsRelative},
      {L"vox_relativetoabsolute", 3, convertPath<relativeToAbsolute>},
      {L"vox_absolutetorelative", 4, convertPath<absoluteToRelative>},
      {L"vox_openproject", 5, openProject},
      {L"vox_virtuallockproject", 6, virtualLockProject},
      {L"vox_getprojectlockstatus", 7, projectLockStatus},
      {L"vox_getprojectwholocked", 8, projectWhoLocked},
      {L"vox_getdwgwholocked", 9, drawingWhoLocked},
      {L"vox_getdwglockstatus", 10, drawingLockStatus},
      {L"vox_getactiveproject", 11, activeProject},
      {L"vox_closeproject", 12, closeProject},
      {L"vox_isProjectSameNameAsExisting", 13, sameNameAsExisting},
      {L"vox_croverridedlg", 14, crossReferenceOverride},
      {L"vox_rereadproject", 15, rereadProject},
      {L"vox_getelecregsetting", 16, getRegSetting},
      {L"vox_setelecregsetting", 17, setRegSetting},
      {L"vox_ensureWDMandattribsexist", 18, ensureDrawingBlockFunction},
      {L"vox_beginwaitcursor", 19, beginWaitCursor},
      {L"vox_endwaitcursor", 20, endWaitCursor},
  };
  return functions;
}

void defineLispFunctions() {
  for (const LispFunction& function : lispFunctions()) {
    hcedDefun(function.name, function.code);
    hcedRegFunc(function.handler, function.code);
  }
}

void removeLispHandlers() {
  for (const LispFunction& function : lispFunctions()) hcedRegFunc({}, function.code);
}

}  // namespace vox::module
