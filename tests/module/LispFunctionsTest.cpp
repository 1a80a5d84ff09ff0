// The module's LISP functions through the interpreter, as users' LISP code calls them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ModuleFixture.h"
#include "core/VoxPrmProjectManager.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "module/LispFunctions.h"
#include "locking/CurrentIdentity.h"
#include "locking/LockText.h"

namespace vox::test {
namespace {

class LispFunctions : public ModuleFixture {
 protected:
  LispFunctions() {
    loadDocument(L"D.dwg");
    writeNative(temp.native("P.wdp"), "*[1]Plant\r\n");
    project = temp.path(L"P.wdp");
  }
  std::wstring call(const std::wstring& expression) { return type(expression); }
  // What the command line shows when `function` refuses its arguments for `reason`.
  static std::wstring failure(const std::wstring& function, const std::wstring& reason) {
    return L"; error: function failed: " + function + L": " + reason + L"\n";
  }
  std::wstring p() const { return quoted(project); }
  std::wstring project;
};

TEST_F(LispFunctions, EveryFunctionIsDefinedOnDocumentLoad) {
  for (const auto& function : module::lispFunctions()) {
    EXPECT_TRUE(lisp().isDefined(host().documents().curDocument(), function.name)) << function.name;
  }
  EXPECT_EQ(module::lispFunctions().size(), 20u);
  EXPECT_EQ(module::lispFunctions()[13].name, std::wstring(L"vox_croverridedlg"));
}

TEST_F(LispFunctions, AMissingOrWronglyTypedArgumentIsAnError) {
  const std::vector<std::wstring> withArguments{
      L"vox_pathisrelative",      L"vox_relativetoabsolute",   L"vox_absolutetorelative",
      L"vox_openproject",         L"vox_virtuallockproject",   L"vox_getprojectlockstatus",
      L"vox_getprojectwholocked", L"vox_getdwgwholocked",      L"vox_getdwglockstatus",
      L"vox_closeproject",        L"vox_isProjectSameNameAsExisting", L"vox_croverridedlg",
      L"vox_getelecregsetting",   L"vox_setelecregsetting"};
  for (const std::wstring& name : withArguments) {
    // The error names the first wrong argument and what it should have been.
    const std::wstring missing = call(L"(" + name + L")");
    EXPECT_TRUE(missing.starts_with(L"; error: function failed: " + name + L": argument 1 (")) << missing;
    EXPECT_NE(missing.find(L") is missing: expected a"), std::wstring::npos) << missing;
    const std::wstring wrong = call(L"(" + name + L" 7 7 7)");
    EXPECT_TRUE(wrong.starts_with(L"; error: function failed: " + name + L": argument 1 (")) << wrong;
    EXPECT_NE(wrong.find(L") must be a"), std::wstring::npos) << wrong;
    EXPECT_TRUE(wrong.ends_with(L", not the integer 7\n") || wrong.ends_with(L"list of 16 strings\n")) << wrong;
  }
  EXPECT_EQ(call(L"(vox_getactiveproject)"), L"nil\n");  // the ones without arguments just answer
  EXPECT_EQ(call(L"(vox_loadlastprojects)"), L"nil\n");
}

TEST_F(LispFunctions, PathConversionKeepsTheSlashesItWasGiven) {
  EXPECT_EQ(call(L"(vox_pathisrelative \"a\\\\b.dwg\")"), L"1\n");
  EXPECT_EQ(call(L"(vox_pathisrelative \"C:\\\\a\\\\b.dwg\")"), L"0\n");
  EXPECT_EQ(call(L"(vox_absolutetorelative \"C:/P/a/b.dwg\" \"C:/P/\")"), L"\"a/b.dwg\"\n");
  EXPECT_EQ(call(L"(vox_absolutetorelative \"C:\\\\P\\\\a\\\\b.dwg\" \"C:/P\")"), L"\"a\\\\b.dwg\"\n");
  EXPECT_EQ(call(L"(vox_absolutetorelative \"D:\\\\x.dwg\" \"C:\\\\P\")"), L"nil\n");  // another drive
  EXPECT_EQ(call(L"(vox_relativetoabsolute \"../x/y.dwg\" \"C:\\\\P\\\\a\\\\\")"), L"\"C:/P/x/y.dwg\"\n");
  EXPECT_EQ(call(L"(vox_relativetoabsolute \"\\\\x\\\\a.dwg\" \"D:\\\\P\")"), L"\"D:\\\\x\\\\a.dwg\"\n");
  EXPECT_EQ(call(L"(vox_relativetoabsolute 1 \"C:\\\\P\")"), failure(L"vox_relativetoabsolute", L"argument 1 (path) must be a string, not the integer 1"));
  EXPECT_EQ(call(L"(vox_pathisrelative)"), failure(L"vox_pathisrelative", L"argument 1 (path) is missing: expected a string"));
}

TEST_F(LispFunctions, OpeningActivatingAndClosingProjects) {
  EXPECT_EQ(call(L"(vox_getactiveproject)"), L"nil\n");
  EXPECT_EQ(call(L"(vox_openproject " + p() + L" 1)"), L"T\n");
  EXPECT_EQ(call(L"(vox_openproject " + quoted(temp.path(L"none.wdp")) + L" 1)"), L"nil\n");
  EXPECT_EQ(call(L"(vox_openproject " + p() + L" \"1\")"), failure(L"vox_openproject", L"argument 2 (activate) must be a 16-bit integer, not the string \"1\""));
  EXPECT_EQ(call(L"(vox_getactiveproject)"), p() + L"\n");
  EXPECT_EQ(call(L"(vox_isProjectSameNameAsExisting \"\\\\elsewhere\\\\p.wdp\")"), L"1\n");
  EXPECT_EQ(call(L"(vox_isProjectSameNameAsExisting \"\\\\elsewhere\\\\Q.wdp\")"), L"0\n");
  EXPECT_EQ(call(L"(vox_closeproject " + p() + L")"), L"nil\n");  // the active one stays
  EXPECT_EQ(GetProjectManager()->getProjectCount(), 1);
  EXPECT_EQ(call(L"(vox_closeproject " + p() + L" \"x\")"), failure(L"vox_closeproject", L"argument 2 (force) must be a 16-bit integer, not the string \"x\""));
  EXPECT_EQ(call(L"(vox_closeproject " + p() + L" 1)"), L"nil\n");
  EXPECT_EQ(GetProjectManager()->getProjectCount(), 0);
  EXPECT_EQ(call(L"(vox_closeproject " + p() + L" 1)"), L"nil\n");  // not open: nil as well
}

TEST_F(LispFunctions, LockingAndWhoHoldsTheLock) {
  EXPECT_EQ(call(L"(vox_getprojectwholocked " + p() + L")"), L"\"\"\n");  // unlocked: empty, not nil
  EXPECT_EQ(call(L"(vox_getprojectlockstatus " + p() + L")"), L"1\n");
  EXPECT_EQ(call(L"(vox_virtuallockproject " + p() + L" 1)"), L"1\n");
  EXPECT_EQ(call(L"(vox_getprojectlockstatus " + p() + L")"), L"2\n");
  const std::wstring holder = locking::parseLockText(locking::identityTextNow(locking::currentLockIdentity()))->holder;
  EXPECT_EQ(call(L"(vox_getprojectwholocked " + p() + L")"), quoted(holder) + L"\n");
  EXPECT_EQ(call(L"(vox_virtuallockproject " + p() + L" 0)"), L"1\n");  // any other value unlocks
  EXPECT_EQ(call(L"(vox_getprojectlockstatus " + p() + L")"), L"1\n");
  EXPECT_EQ(call(L"(vox_virtuallockproject " + p() + L")"), failure(L"vox_virtuallockproject", L"argument 2 (lock) is missing: expected a 16-bit integer"));
  EXPECT_EQ(call(L"(vox_getprojectwholocked " + quoted(temp.path(L"none.wdp")) + L")"),
            quoted(host::resourceText(127)) + L"\n");
  EXPECT_EQ(call(L"(vox_getdwglockstatus " + quoted(temp.path(L"D.dwg")) + L")"), L"2\n");  // open here
  EXPECT_EQ(call(L"(vox_getdwgwholocked " + quoted(temp.path(L"D.dwg")) + L")"), quoted(holder) + L"\n");
}

// Runs part of a test from inside a folder, as a user whose current folder holds the project.
class InsideFolder {
 public:
  explicit InsideFolder(const std::string& native) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(native);
  }
  ~InsideFolder() { std::filesystem::current_path(previous_); }
  InsideFolder(const InsideFolder&) = delete;
  InsideFolder& operator=(const InsideFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST_F(LispFunctions, LockFunctionsMakeRelativePathsFullAndRefuseBlankOnes) {
  const InsideFolder inside(temp.native());
  EXPECT_EQ(call(L"(vox_virtuallockproject \"P.wdp\" 1)"), L"1\n");
  EXPECT_EQ(call(L"(vox_getprojectlockstatus \"./P.wdp\")"), L"2\n");
  // The lock is the full path's: unlocking by the full path releases it.
  EXPECT_EQ(call(L"(vox_virtuallockproject " + p() + L" 0)"), L"1\n");
  EXPECT_FALSE(std::filesystem::exists(temp.native("P.wdp.FLL")));
  EXPECT_EQ(call(L"(vox_getdwglockstatus \"D.dwg\")"), L"2\n");  // open here, under its full path

  for (const std::wstring blank : {L"\"\"", L"\"    \"", L"\"\t  \""}) {
    EXPECT_EQ(call(L"(vox_virtuallockproject " + blank + L" 1)"), L"0\n") << blank;
    EXPECT_EQ(call(L"(vox_getprojectlockstatus " + blank + L")"), L"0\n") << blank;
    EXPECT_EQ(call(L"(vox_getprojectwholocked " + blank + L")"), L"nil\n") << blank;
    EXPECT_EQ(call(L"(vox_getdwglockstatus " + blank + L")"), L"0\n") << blank;
  }
  for (const auto& entry : std::filesystem::directory_iterator(temp.native()))
    EXPECT_NE(entry.path().extension(), ".FLL") << "a lock file was made: " << entry.path();
}

TEST_F(LispFunctions, ReReadingSettingsAndTheWaitCursor) {
  EXPECT_EQ(call(L"(vox_rereadproject nil)"), L"nil\n");  // nothing active
  call(L"(vox_openproject " + p() + L" 1)");
  // Each re-read is passed on to the core, whose own answer follows on the command line.
  EXPECT_EQ(call(L"(vox_rereadproject nil)"), L"T\nT\n");
  EXPECT_EQ(call(L"(vox_rereadproject \"\")"), L"T\nT\n");
  EXPECT_EQ(call(L"(vox_rereadproject " + p() + L")"), L"T\nT\n");
  EXPECT_EQ(lispCore()->rereadRequests(), 3u);
  EXPECT_EQ(call(L"(vox_rereadproject 3)"), failure(L"vox_rereadproject", L"argument 1 (path) must be a string, not the integer 3"));

  EXPECT_EQ(call(L"(vox_getelecregsetting \"Paths\" \"Lib\")"), L"nil\n");
  EXPECT_EQ(call(L"(vox_setelecregsetting \"Paths\" \"Lib\" \"\\\\lib\")"), L"T\n");
  EXPECT_EQ(call(L"(vox_getelecregsetting \"Paths\" \"Lib\")"), L"\"\\\\lib\"\n");
  EXPECT_EQ(call(L"(vox_setelecregsetting \"Paths\" \"Lib\")"), failure(L"vox_setelecregsetting", L"argument 3 (value) is missing: expected a string"));

  EXPECT_EQ(call(L"(vox_beginwaitcursor)"), L"T\n");
  EXPECT_EQ(call(L"(vox_endwaitcursor)"), L"nil\n");
}

TEST_F(LispFunctions, TheOverrideDialogTakesExactlySixteenStrings) {
  std::wstring fifteen;
  for (int i = 0; i < 15; ++i) fifteen += L" \"v\"";
  const std::wstring sixteenStrings = failure(L"vox_croverridedlg", L"argument 1 (values) must be a list of 16 strings");
  EXPECT_EQ(call(L"(vox_croverridedlg '(" + fifteen + L"))"), sixteenStrings);
  EXPECT_EQ(call(L"(vox_croverridedlg '(" + fifteen + L" 1))"), sixteenStrings);
  EXPECT_EQ(call(L"(vox_croverridedlg '(" + fifteen + L" \"v\"))"), L"nil\n");  // cancelled
}

TEST_F(LispFunctions, TheSettingsBlockIsEnsuredInAFileOrTheCurrentDrawing) {
  const std::string samples = std::string(VOX_SOURCE_DIR) + "/samples/";
  writeNative(temp.native("N.dwg"), readNative(samples + "Demo/DEMO002.dwg"));  // without the block
  const std::wstring n = quoted(temp.path(L"N.dwg"));
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist " + n + L")"), L"nil\n");  // no block library yet
  std::filesystem::create_directories(temp.native("blocks"));
  writeNative(temp.native("blocks/WD_M.dwg"), readNative(samples + "blocks/WD_M.dwg"));
  std::wstring slashed = temp.path(L"N.dwg");
  std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist " + quoted(slashed) + L" T)"), L"T\n");
  EXPECT_NE(readNative(temp.native("N.dwg")).find("\"WD_M\""), std::string::npos);  // saved with the block
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist nil)"), L"T\n");  // the current document, D.dwg
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist " + quoted(temp.path(L"none.dwg")) + L")"), L"nil\n");
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist 2.5)"), failure(L"vox_ensureWDMandattribsexist", L"argument 1 (drawing) must be a drawing path, nil or an integer, not the real 2.5"));
  EXPECT_EQ(call(L"(vox_ensureWDMandattribsexist nil \"x\")"),
            failure(L"vox_ensureWDMandattribsexist", L"argument 2 (report) must be T or nil, not the string \"x\""));
}

TEST_F(LispFunctions, TheLastProjectsAreReopenedOnce) {
  writeNative(temp.native("Q.wdp"), "*[1]Other\r\n");
  const std::array<std::wstring, 4> lines{};
  host::lispcore::updateRecentProject(2, temp.path(L"Q.wdp"), &lines);  // open
  host::lispcore::updateRecentProject(3, project, &lines);             // open and active
  EXPECT_EQ(call(L"(vox_loadlastprojects)"), L"nil\n");
  VoxPrmProjectManager* manager = GetProjectManager();
  ASSERT_EQ(manager->getProjectCount(), 2);
  EXPECT_TRUE(manager->isActiveProject(project.c_str()));  // the first listed opens active
  manager->closeProject(temp.path(L"Q.wdp").c_str(), false);
  EXPECT_EQ(call(L"(vox_loadlastprojects)"), L"nil\n");
  EXPECT_EQ(manager->getProjectCount(), 1);  // the second call does nothing
}

}  // namespace
}  // namespace vox::test
