#include "dialogs/NewDrawingCreation.h"

#include <memory>

#include "core/DrawingSettingsBlock.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/DrawingSheetData.h"
#include "dialogs/NewDrawingTexts.h"
#include "host/HcMessageCatalog.h"
#include "host/ResourceText.h"
#include "host/VoxDbxBlockRef.h"
#include "platform/os/Files.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {
namespace {

// The drawing-specific settings the new drawing takes from the dialog: (index, value).
std::array<std::pair<int, const std::wstring*>, 5> drawingSpecificValues(const NewDrawingRequest& request) {
  return {{{51, &request.iecProject}, {52, &request.iecInstallation}, {53, &request.iecLocation},
           {13, &request.sheet}, {46, &request.drawing}}};
}

core::TitleValues titleValues(const NewDrawingRequest& request) {
  core::TitleValues titles;
  for (std::size_t line = 0; line < request.descriptions.size(); ++line) titles[kTitleDescription1 + line] = request.descriptions[line];
  titles[kTitleProjectCode] = request.iecProject;
  titles[kTitleInstallation] = request.iecInstallation;
  titles[kTitleLocation] = request.iecLocation;
  titles[kTitleSheet] = request.sheet;
  titles[kTitleDrawing] = request.drawing;
  titles[kTitleSection] = request.section;
  titles[kTitleSubSection] = request.subSection;
  return titles;
}

bool copyTemplate(const NewDrawingRequest& request) {
  os::OsError error;
  if (!os::copyFile(request.templatePath, request.fullPath, false, &error)) {
    newDrawingMessage(kMsgTemplateNotCopied,
                      {std::to_wstring(error.code), error.message, request.templatePath, request.fullPath});
    return false;
  }
  if (os::isReadOnly(request.fullPath)) os::setReadOnly(request.fullPath, false);
  return true;
}

// The block from the project's defaults, unless the template has one the user keeps.
bool stampProjectDefaults(VoxDbxBlockRef& db, const NewDrawingRequest& request) {
  if (core::findBlockReference(db, core::kSettingsBlockName) &&
      newDrawingMessage(kMsgReplaceTemplateSettings, {}, HcIcon::kQuestion, HcButtons::kYesNo) != HcAnswer::kYes) {
    return true;
  }
  const VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(request.projectID.c_str()) : nullptr;
  VoxCfgDrawingSettings defaults;
  defaults.fillWithDefaults(project, false);
  return core::ensureWDMBlock(db, true) && core::writeDrawingSettings(db, defaults);
}

bool setDrawingSpecificValues(VoxDbxBlockRef& db, const NewDrawingRequest& request) {
  VoxCfgDrawingSettings settings;
  if (!core::readDrawingSettings(db, settings, false)) return true;
  for (const auto& [index, value] : drawingSpecificValues(request)) settings.setValue(index, value);
  return core::writeDrawingSettings(db, settings);
}

bool fillDrawing(VoxDbxBlockRef& db, const NewDrawingRequest& request) {
  if (!stampProjectDefaults(db, request) || !setDrawingSpecificValues(db, request)) {
    newDrawingMessage(kMsgNewSettingsNotWritten, {request.fullPath});
    return false;
  }
  if (!core::writeTitleValues(db, titleValues(request))) newDrawingMessage(kMsgTitleValuesNotWritten, {request.fullPath});
  return true;
}

}  // namespace

HcAnswer newDrawingMessage(unsigned text, const std::vector<std::wstring>& inserts, HcIcon icon, HcButtons buttons) {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return buttons == HcButtons::kOk ? HcAnswer::kOk : HcAnswer::kNo;
  const HcResourceScope resources;
  return interaction->messageBox(host::resourceText(text, inserts), host::resourceText(kMsgNewDrawingCaption), icon,
                                 buttons);
}

VoxPrmFileDetails newDrawingEntry(const NewDrawingRequest& request) {
  VoxPrmFileDetails entry;
  entry.fileName = request.fullPath;
  entry.descriptions.assign(request.descriptions.begin(), request.descriptions.end());
  entry.section = request.section;
  entry.subSection = request.subSection;
  entry.isReference = request.isReference;
  return entry;
}

bool createNewDrawing(const NewDrawingRequest& request) {
  if (!copyTemplate(request)) return false;
  const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
  if (!db || !db->open(request.fullPath, VoxDbxDatabase::kOpenForWrite, false)) {
    newDrawingMessage(kMsgNewDrawingNotOpened, {request.fullPath, db ? db->lastError() : std::wstring()});
    return false;
  }
  if (!fillDrawing(*db, request)) {
    db->close(false);
    return false;
  }
  if (!db->close(true)) {
    newDrawingMessage(kMsgNewDrawingNotSaved, {request.fullPath, db->lastError()});
    db->close(false);
    return false;
  }
  return true;
}

}  // namespace vox::dialogs
