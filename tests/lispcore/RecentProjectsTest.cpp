// The recent-projects list, driven as the module drives it and read back by the module.

#include <array>

#include "LispCoreTestSupport.h"
#include "host/LispCoreFunctions.h"
#include "platform/lisp/LispReader.h"
#include "platform/lispcore/RecentProjectList.h"
#include "platform/os/NativePath.h"

namespace vox::test {
namespace {

using RecentProjects = LispCoreTest;
namespace module = host::lispcore;

constexpr int kClosed = 1, kOpened = 2, kActivated = 3, kRemoved = 4;  // the module's codes

std::vector<std::wstring> paths() { return module::recentProjectList().value_or(module::RecentProjects{}).paths; }
std::vector<std::wstring> flags() { return module::recentProjectList().value_or(module::RecentProjects{}).flags; }

TEST_F(RecentProjects, OpenedProjectsComeFirstOnceAndOutliveTheCore) {
  EXPECT_FALSE(module::recentProjectList());  // no paths yet: nil is not a list of paths
  const std::array<std::wstring, 4> lines{L"Plant", L"", L"Line 3", L""};
  ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\p\\A.wdp", &lines));
  ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\p\\B.wdp", nullptr));
  ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\P\\a.WDP", nullptr));  // the same project
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\P\\a.WDP", L"\\p\\B.wdp"}));
  EXPECT_EQ(flags(), (std::vector<std::wstring>{L"1", L"1"}));

  restartCore();
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\P\\a.WDP", L"\\p\\B.wdp"}));
  // Lists 2 to 4: names, first description lines, all description lines (kept without new ones).
  EXPECT_EQ(lisp::print(eval(L"(c:wd_get_recent_prj_lst)")),
            L"((\"\\\\P\\\\a.WDP\" \"\\\\p\\\\B.wdp\") (\"A\" \"B\") (\"Plant\" \"\") "
            L"((\"Plant\" \"\" \"Line 3\" \"\") (\"\" \"\" \"\" \"\")) (\"1\" \"1\"))");
}

TEST_F(RecentProjects, ActivationClosingAndRemoval) {
  ASSERT_TRUE(module::updateRecentProject(kActivated, L"\\p\\A.wdp", nullptr));
  ASSERT_TRUE(module::updateRecentProject(kActivated, L"\\p\\B.wdp", nullptr));
  ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\p\\C.wdp", nullptr));
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\p\\C.wdp", L"\\p\\B.wdp", L"\\p\\A.wdp"}));
  EXPECT_EQ(flags(), (std::vector<std::wstring>{L"1", L"2", L"1"}));  // one active project

  ASSERT_TRUE(module::updateRecentProject(kClosed, L"\\p\\b.wdp", nullptr));  // stays in place
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\p\\C.wdp", L"\\p\\B.wdp", L"\\p\\A.wdp"}));
  EXPECT_EQ(flags(), (std::vector<std::wstring>{L"1", L"0", L"1"}));
  ASSERT_TRUE(module::updateRecentProject(kClosed, L"\\p\\New.wdp", nullptr));  // not listed yet
  EXPECT_EQ(paths().front(), L"\\p\\New.wdp");

  ASSERT_TRUE(module::updateRecentProject(kRemoved, L"\\P\\C.WDP", nullptr));
  ASSERT_TRUE(module::updateRecentProject(kRemoved, L"\\p\\never.wdp", nullptr));
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\p\\New.wdp", L"\\p\\B.wdp", L"\\p\\A.wdp"}));
}

TEST_F(RecentProjects, TheListIsBoundedAndLeavesNoStaleValues) {
  for (int i = 0; i < 12; ++i)
    ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\p\\P" + std::to_wstring(i) + L".wdp", nullptr));
  const std::vector<std::wstring> listed = paths();
  ASSERT_EQ(listed.size(), lispcore::kMaxRecentProjects);
  EXPECT_EQ(listed.front(), L"\\p\\P11.wdp");
  EXPECT_EQ(listed.back(), L"\\p\\P2.wdp");
  const std::size_t valuesPerEntry = 6;  // path, flag, four description lines
  const auto key = L"Software\\VoxFolio\\LispCore\\RecentProjects";
  EXPECT_EQ(store.valueNames(key).size(), 1 + valuesPerEntry * lispcore::kMaxRecentProjects);
  for (int i = 0; i < 12; ++i)
    ASSERT_TRUE(module::updateRecentProject(kRemoved, L"\\p\\P" + std::to_wstring(i) + L".wdp", nullptr));
  EXPECT_EQ(store.valueNames(key), (std::vector<std::wstring>{L"Count"}));
}

TEST_F(RecentProjects, MalformedUpdatesAreErrorsAndChangeNothing) {
  ASSERT_TRUE(module::updateRecentProject(kOpened, L"\\p\\A.wdp", nullptr));
  for (const wchar_t* bad : {
           L"(c:vox_LastProjFil_upd nil '((\"1\" \"\\\\p\\\\B.wdp\" nil nil nil nil) (\"7\" \"\\\\p\\\\C.wdp\" nil nil nil nil)))",
           L"(c:vox_LastProjFil_upd nil '((\"1\" \"\\\\p\\\\B.wdp\")))",
           L"(c:vox_LastProjFil_upd nil '((\"1\" \"\\\\p\\\\B.wdp\" \"one\" nil nil nil)))",
           L"(c:vox_LastProjFil_upd nil '((\"1\" \"\" nil nil nil nil)))",
           L"(c:vox_LastProjFil_upd nil '(\"1\"))",
           L"(c:vox_LastProjFil_upd nil \"1\")",
           L"(c:vox_LastProjFil_upd)",
       }) {
    EXPECT_NE(errorOf(bad), L"") << os::encodeFileName(bad);
  }
  EXPECT_EQ(paths(), (std::vector<std::wstring>{L"\\p\\A.wdp"}));
  EXPECT_NE(errorOf(L"(c:wd_get_recent_prj_lst 1)"), L"");
}

}  // namespace
}  // namespace vox::test
