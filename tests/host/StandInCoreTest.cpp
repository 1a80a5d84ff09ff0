// The module's calls against the reference host's own LISP core and sibling stand-ins: project
// files read with the core's substitution and drawing defaults, the recent-projects list kept
// across hosts, and the exposure of the core's functions.

#include <gtest/gtest.h>

#include "host/LispCoreCalls.h"
#include "host/LispCoreFunctions.h"
#include "host/VoxPmClientApp.h"
#include "platform/lispcore/SettingsKeys.h"
#include "projectfile/VoxPrmWDPFiler.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using StandInCore = StandInHostFixture;

VoxPrmProjectData readProject(const std::wstring& path) {
  VoxPrmWDPFiler filer(path, true);
  VoxPrmProjectData data;
  EXPECT_TRUE(filer.readProject(data));
  return data;
}

std::wstring misc(const VoxPrmProjectData& data, int index) {
  std::wstring value;
  data.getMiscProjSettings().getValue(index, value);
  return value;
}

std::wstring drawingDefault(const VoxPrmProjectData& data, int index) {
  std::wstring value;
  data.getProjDefWDMVals().getValue(index, value);
  return value;
}

TEST_F(StandInCore, ProjectsReadWithADocumentOpenUseTheCoresValues) {
  settings().setString(lispcore::kEnvironmentKey, L"PLANT", L"Nord");
  settings().setString(lispcore::kDrawingDefaultsKey, L"XREF_TBLINDEX", L"4,5");
  writeNative(temp.native("P.wdp"), "+[1]%PLANT%\\lib\r\n+[4]%NOBODY%\r\n");

  const VoxPrmProjectData closed = readProject(temp.path(L"P.wdp"));
  EXPECT_EQ(misc(closed, 1), L"%PLANT%\\lib");
  EXPECT_EQ(drawingDefault(closed, 71), L"1,2,3,5");  // built-in without a document

  openDrawing(L"A.dwg");
  const VoxPrmProjectData open = readProject(temp.path(L"P.wdp"));
  EXPECT_EQ(misc(open, 1), L"Nord\\lib");
  EXPECT_EQ(misc(open, 4), L"%NOBODY%");
  EXPECT_EQ(drawingDefault(open, 71), L"4,5");
  EXPECT_EQ(drawingDefault(open, 72), L"W1,T1,TYPE,T2,W2,REF,SH,SHDWGNAM,FILENAME,FULLFILENAM");
}

TEST_F(StandInCore, RecentProjectsFollowOpeningActivatingAndClosing) {
  const std::array<std::wstring, 4> lines{L"Plant", L"", L"", L""};
  ASSERT_TRUE(host::lispcore::updateRecentProject(2, L"\\p\\A.wdp", &lines));  // opened
  ASSERT_TRUE(host::lispcore::updateRecentProject(3, L"\\p\\B.wdp", &lines));  // opened and active
  ASSERT_TRUE(host::lispcore::updateRecentProject(1, L"\\p\\A.wdp", nullptr));  // closed
  const auto recent = host::lispcore::recentProjectList();
  ASSERT_TRUE(recent);
  EXPECT_EQ(recent->paths, (std::vector<std::wstring>{L"\\p\\B.wdp", L"\\p\\A.wdp"}));
  EXPECT_EQ(recent->flags, (std::vector<std::wstring>{L"2", L"0"}));
  ASSERT_TRUE(host::lispcore::updateRecentProject(4, L"\\p\\B.wdp", nullptr));  // removed
  EXPECT_EQ(host::lispcore::recentProjectList()->paths, std::vector<std::wstring>{L"\\p\\A.wdp"});
  EXPECT_FALSE(PmIsHelperProcess());
}

TEST_F(StandInCore, EveryCoreFunctionIsExposedOnceADocumentIsOpen) {
  EXPECT_EQ(host::exposeLispCoreFunctions(), 19);
  openDrawing(L"A.dwg");
  EXPECT_EQ(host::exposeLispCoreFunctions(), 0);
  for (const std::wstring& name : host::exposedLispCoreFunctions()) EXPECT_TRUE(lispCore()->isExposed(name)) << name;
  EXPECT_EQ(lispCore()->calls().back().name, L"vl-dftr-defun");
}

}  // namespace
}  // namespace vox::test
