// The project properties sheet on a real project and the "VoxProjectProps" command around it:
// what OK writes (and when it writes nothing), the position list clearing setting 31, pages
// never shown, a project closed or unwritable meanwhile; the command's lock on every path, the
// LISP core's re-read and the tag freshen when the globals changed.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "ModuleFixture.h"
#include "ScriptedDialogUi.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgProjPropSheet.h"
#include "dialogs/PageTexts.h"
#include "module/ProjectPropertiesCommand.h"
#include "platform/lisp/LispValue.h"
#include "platform/siblings/ProjectLockBackend.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

// Refuses every project lock, as when someone else holds the file.
class RefusingBackend : public siblings::ProjectLockBackend {
 public:
  siblings::LockOutcome lock(const std::wstring&) override { return siblings::LockOutcome::kRefused; }
  void unlock(const std::wstring&) override {}
};

class ProjectProperties : public ModuleFixture {
 protected:
  void SetUp() override {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    loadDocument(L"D.dwg");
    type(L"nil");  // the start-up re-opening of the last projects is over
    ASSERT_TRUE(manager().openProject(projectID.c_str(), true, false));
  }
  void TearDown() override { siblings()->utils().locks().setProjectBackend(nullptr); }
  static VoxPrmProjectManager& manager() { return *GetProjectManager(); }
  VoxPrmProject& project() { return *manager().getProject(projectID.c_str()); }
  std::string projectFile() const { return readNative(temp.native("Demo/DEMO.wdp")); }
  // The file's identity: a write replaces the file, so it changes with every write.
  ino_t fileIdentity() const {
    struct stat info {};
    ::stat(temp.native("Demo/DEMO.wdp").c_str(), &info);
    return info.st_ino;
  }
  bool lockHeld() { return siblings()->utils().locks().holds(projectID); }
  std::size_t lispCalls(const std::wstring& name) {
    std::size_t n = 0;
    for (const auto& call : lispCore()->calls()) n += call.name == name;
    return n;
  }
  void setGlobal(const std::wstring& name, lisp::Value value) {
    lisp().setGlobal(host().documents().curDocument(), name, std::move(value));
  }

  std::wstring projectID = temp.path(L"Demo\\DEMO.wdp");
  ScriptedDialogUi ui;
};

TEST_F(ProjectProperties, AcceptingWithoutAnyChangeWritesNothing) {
  const std::string before = projectFile();
  const ino_t identity = fileIdentity();
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  for (int page = 0; page < 6; ++page) ASSERT_EQ(sheet.selectPage(page).message, L"") << page;
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  EXPECT_FALSE(sheet.wroteProjectFile());
  EXPECT_EQ(projectFile(), before);
  EXPECT_EQ(fileIdentity(), identity) << "the file was written again";
}

TEST_F(ProjectProperties, ChangingOnlyTheStylesPageWritesTheProjectFileOnce) {
  const ino_t identity = fileIdentity();
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  EXPECT_EQ(sheet.pages(), (std::vector<std::wstring>{L"Project Settings", L"Components", L"Wire Numbers",
                                                       L"Cross-References", L"Styles", L"Drawing Format"}));
  ASSERT_EQ(sheet.selectPage(4).message, L"");
  ASSERT_TRUE(sheet.setField(L"fan-style", L"3"));
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  EXPECT_TRUE(sheet.wroteProjectFile());
  EXPECT_NE(fileIdentity(), identity);
  const std::string after = projectFile();
  EXPECT_NE(after.find("?[57]3\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("+[28]1\r\n?[0]H\r\n"), std::string::npos) << "the rest as it was:\n" << after;
  EXPECT_TRUE(project().GetProjData() == project().GetOldProjData()) << "the file holds the data now";
}

TEST_F(ProjectProperties, TheFirstPositionEntryClearsSetting31InTheProjectFile) {
  writeNative(temp.native("Demo/DEMO.wdp"), "*[1]Plant\r\n+[31]2\r\n+[32]1\r\nDEMO001.dwg\r\n");
  ASSERT_TRUE(manager().reReadProject(projectID.c_str()));
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  ASSERT_TRUE(sheet.setField(L"position", dialogs::pageText(L"choice-position-none")));
  answers.queueReply(L"C:\\Catalog\\own.mdb");
  EXPECT_TRUE(sheet.browse(L"catalog-file")) << "the page's browse button through the sheet";
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  const std::string after = projectFile();
  EXPECT_TRUE(after.starts_with("*[1]Plant\r\n+[24]C:\\Catalog\\own.mdb\r\n+[32]1\r\n?[0]"))
      << "no line of 31 left:\n" << after;
  int value = 0;
  EXPECT_EQ(project().getMiscProjSettings().getValue(31, value), VoxPrmMiscProjSettings::kNotSet);
}

TEST_F(ProjectProperties, OnlyShownPagesWriteBackInPageOrderThroughTheManager) {
  std::vector<std::wstring> announced;
  struct Listener : VoxPrmProjectEventReceiver {
    std::vector<std::wstring>* seen = nullptr;
    void onMisc(const std::wstring&, const VoxPrmMiscProjSettings& settings) {
      std::wstring code;
      settings.getValue(13, code);
      seen->push_back(code);
    }
  } listener;
  listener.seen = &announced;
  manager().events().preProjectSetMiscProjectSettings.subscribe(&listener, &Listener::onMisc);
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  ASSERT_EQ(sheet.selectPage(2).message, L"");
  ASSERT_TRUE(sheet.setField(L"wire-option-13", L"0"));
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  manager().unsubscribeAll(&listener);
  // Pages 0 and 2 were shown: page 0 hands over the settings as they were, page 2 its change.
  EXPECT_EQ(announced, (std::vector<std::wstring>{L"1", L"0"}));
  EXPECT_NE(projectFile().find("+[13]0\r\n"), std::string::npos) << projectFile();
}

TEST_F(ProjectProperties, CancelWritesNothingAndNoActiveProjectMeansNoSheet) {
  const std::string before = projectFile();
  {
    CVoxCfgProjPropSheet sheet(manager(), projectID);
    ASSERT_TRUE(sheet.setField(L"project-option-32", L"1"));
    EXPECT_EQ(pressed(sheet, L"cancel"), kHcDialogCancel);
  }
  EXPECT_EQ(projectFile(), before);
  int value = 0;
  EXPECT_EQ(project().getMiscProjSettings().getValue(32, value), VoxPrmMiscProjSettings::kNotSet);

  EXPECT_NE(CVoxCfgProjPropSheet::forActiveProject(&manager()), nullptr);
  EXPECT_EQ(CVoxCfgProjPropSheet::forActiveProject(nullptr), nullptr);
  manager().closeProject(projectID.c_str(), true);
  EXPECT_EQ(CVoxCfgProjPropSheet::forActiveProject(&manager()), nullptr);
  const std::size_t locks = siblings()->log().count(L"LispCheckFileLockStatusAndLock");
  type(L"VoxProjectProps");
  EXPECT_EQ(ui.names.size(), 0u) << "no active project: no sheet";
  EXPECT_EQ(siblings()->log().count(L"LispCheckFileLockStatusAndLock"), locks);
}

TEST_F(ProjectProperties, AProjectClosedWhileTheSheetIsOpenIsNotWrittenTo) {
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  ASSERT_TRUE(sheet.setField(L"project-option-32", L"1"));
  manager().closeProject(projectID.c_str(), true);
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  EXPECT_FALSE(sheet.wroteProjectFile());
  EXPECT_EQ(projectFile().find("+[32]"), std::string::npos);
}

TEST_F(ProjectProperties, AFailedWriteIsReportedAndTheChangeStaysInMemory) {
  fs::permissions(temp.native("Demo/DEMO.wdp"), fs::perms::owner_read | fs::perms::group_read);
  CVoxCfgProjPropSheet sheet(manager(), projectID);
  ASSERT_TRUE(sheet.setField(L"project-option-32", L"1"));
  answers.queueAnswer(HcAnswer::kOk);
  EXPECT_EQ(pressed(sheet, L"ok"), kHcDialogOk);
  EXPECT_FALSE(sheet.wroteProjectFile());
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_NE(answers.asked().front().text.find(projectID), std::wstring::npos) << answers.asked().front().text;
  EXPECT_TRUE(project().GetProjData() != project().GetOldProjData()) << "the next write carries the change";
}

TEST_F(ProjectProperties, TheCommandHoldsTheProjectLockOnlyWhileTheSheetIsOpen) {
  bool heldDuring = false;
  for (const int result : {kHcDialogOk, kHcDialogCancel}) {
    ui.answer = [&](HcDialogController& dialog) {
      heldDuring = lockHeld();
      return result == kHcDialogOk ? pressed(dialog, L"ok") : pressed(dialog, L"cancel");
    };
    type(L"VoxProjectProps");
    EXPECT_TRUE(heldDuring) << result;
    EXPECT_FALSE(lockHeld()) << "released after " << result;
  }
  EXPECT_EQ(ui.names, (std::vector<std::wstring>{L"project-properties", L"project-properties"}));
  EXPECT_EQ(siblings()->log().count(L"LispUpdUnlockFiles"), 2u);

  ui.answer = [](HcDialogController&) -> int { throw std::runtime_error("the host failed"); };
  EXPECT_THROW(module::runProjectProperties(), std::runtime_error);
  EXPECT_FALSE(lockHeld()) << "released when the sheet failed";
}

TEST_F(ProjectProperties, ARefusedLockEndsTheCommandWithoutTheSheet) {
  RefusingBackend refusing;
  siblings()->utils().locks().setProjectBackend(&refusing);
  const std::size_t reads = lispCalls(L"vox_get_var");
  type(L"VoxProjectProps");
  EXPECT_EQ(ui.names.size(), 0u);
  EXPECT_EQ(lispCalls(L"vox_get_var"), reads) << "ended before reading the globals";
}

TEST_F(ProjectProperties, AfterOkTheCoreRereadsAndTagsAreFreshenedOnlyWhenTheGlobalsChanged) {
  setGlobal(L"GBL_wd_tagloc_format_instloc_into_tag", lisp::Value::ofInteger(1));
  ui.answer = [](HcDialogController& dialog) { return pressed(dialog, L"ok"); };
  const std::size_t rereads = lispCalls(L"c:vox_wdp_reread"), reads = lispCalls(L"vox_get_var");
  type(L"VoxProjectProps");
  EXPECT_EQ(lispCalls(L"c:vox_wdp_reread"), rereads + 1);
  EXPECT_EQ(lispCalls(L"vox_get_var"), reads + 6) << "three before, three after";
  EXPECT_EQ(lispCalls(L"c:wd_iec_tag_freshen"), 0u) << "nothing changed";

  ui.answer = [this](HcDialogController& dialog) {
    setGlobal(L"GBL_wd_combined_tagloc_prefix", lisp::Value::ofString(L"+"));  // now readable
    return pressed(dialog, L"ok");
  };
  type(L"VoxProjectProps");
  EXPECT_EQ(lispCalls(L"c:wd_iec_tag_freshen"), 1u) << "sent, then run by the document";

  ui.answer = [](HcDialogController& dialog) { return pressed(dialog, L"cancel"); };
  type(L"VoxProjectProps");
  EXPECT_EQ(lispCalls(L"c:vox_wdp_reread"), rereads + 2) << "not after Cancel";
}

TEST_F(ProjectProperties, AProjectWithoutDrawingsIsNotReread) {
  writeNative(temp.native("Demo/DEMO.wdp"), "*[1]Plant\r\n");
  ASSERT_TRUE(manager().reReadProject(projectID.c_str()));
  type(L"nil");  // lets the core's own re-read, queued by the manager's, run first
  ui.answer = [](HcDialogController& dialog) { return pressed(dialog, L"ok"); };
  const std::size_t rereads = lispCalls(L"c:vox_wdp_reread"), reads = lispCalls(L"vox_get_var");
  type(L"VoxProjectProps");
  EXPECT_EQ(ui.names.size(), 1u);
  EXPECT_EQ(lispCalls(L"c:vox_wdp_reread"), rereads);
  EXPECT_EQ(lispCalls(L"vox_get_var"), reads + 3);
}

}  // namespace
}  // namespace vox::test
