// The project object on real files in the headless host: reading and writing with the old data
// and the ID, dependents, and the walk of the LISP core's related files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/VoxPrmProject.h"
#include "platform/lisp/LispReader.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using lisp::Value;
using Args = std::vector<Value>;
using Strings = std::vector<std::wstring>;

class ProjectObject : public HostFixture {
 protected:
  ProjectObject() {
    writeNative(temp.native("P.wdp"), "*[1]Plant\r\nA.dwg\r\nB.dwg\r\nsub/C.dwg\r\n");
    path = temp.path(L"P.wdp");
  }
  // The core's related-files function answers `answer` (LISP text).
  void relatedFilesAnswer(const std::wstring& answer) {
    const Value value = lisp::readAll(answer).values.at(0);
    lisp().defineBuiltin(L"wd_cpyprj_chk4_related_files", [this, value](const Args& args, std::wstring&) {
      seen = lisp::print(Value::ofList(args));
      return value;
    });
  }
  std::wstring path;
  std::wstring seen;
};

TEST_F(ProjectObject, ReadingSetsTheIdEvenWhenTheFileIsMissing) {
  VoxPrmProject project;
  EXPECT_TRUE(project.getProjectID().empty());
  EXPECT_FALSE(project.readProject(temp.path(L"missing.wdp")));
  EXPECT_EQ(project.getProjectID(), temp.path(L"missing.wdp"));
  EXPECT_TRUE(project.getProjFileDetails().empty());

  ASSERT_TRUE(project.readProject(path));
  EXPECT_EQ(project.getProjectID(), path);
  ASSERT_EQ(project.getProjFileDetails().size(), 3u);
  EXPECT_EQ(project.getProjFileDetails()[2].fileName, temp.path(L"sub\\C.dwg"));
  EXPECT_EQ(project.GetOldProjData(), project.GetProjData());
}

TEST_F(ProjectObject, WritingRefreshesTheOldDataButNeverTheId) {
  VoxPrmProject project;
  ASSERT_TRUE(project.readProject(path));
  project.removeFile(temp.path(L"A.dwg"));
  EXPECT_NE(project.GetOldProjData(), project.GetProjData());  // memory only so far
  ASSERT_TRUE(project.writeProject(nullptr));
  EXPECT_EQ(project.GetOldProjData(), project.GetProjData());
  EXPECT_EQ(project.getProjectID(), path);

  const std::wstring copy = temp.path(L"Copy.wdp");
  project.setProjDescriptions({L"Copied"});
  ASSERT_TRUE(project.writeProject(copy.c_str()));
  EXPECT_EQ(project.getProjectID(), path);
  VoxPrmProject reread;
  ASSERT_TRUE(reread.readProject(copy));
  EXPECT_EQ(reread.getProjDescriptions(), Strings{L"Copied"});
  EXPECT_EQ(reread.getProjFileDetails().size(), 2u);
}

TEST_F(ProjectObject, AWriteThatFailsKeepsTheOldDataAsTheFileHoldsThem) {
  VoxPrmProject project;
  ASSERT_TRUE(project.readProject(path));
  ::chmod(temp.native("P.wdp").c_str(), 0444);
  project.removeAllFiles();
  EXPECT_FALSE(project.writeProject(nullptr));
  EXPECT_EQ(project.GetOldProjData().getProjFileDetails().size(), 3u);
  EXPECT_TRUE(project.getProjFileDetails().empty());  // the edit stays in memory
  ::chmod(temp.native("P.wdp").c_str(), 0644);
  EXPECT_TRUE(project.writeProject(nullptr));
  VoxPrmProject reread;
  ASSERT_TRUE(reread.readProject(path));
  EXPECT_TRUE(reread.getProjFileDetails().empty());
}

TEST_F(ProjectObject, DependentsAreAppended) {
  VoxPrmProject project;
  ASSERT_TRUE(project.readProject(path));
  Strings out{L"kept"};
  project.getProjectDependents(out, 0);
  EXPECT_EQ(out, Strings{L"kept"});
  project.getProjectDependents(out, VoxPrmProject::kDrawingDependents);
  EXPECT_EQ(out, (Strings{L"kept", temp.path(L"A.dwg"), temp.path(L"B.dwg"), temp.path(L"sub\\C.dwg")}));

  relatedFilesAnswer(L"(nil (\"x/P.xls\" \"\" \"x/P.loc\"))");
  out.clear();
  project.getProjectDependents(out, VoxPrmProject::kDrawingDependents | VoxPrmProject::kNonDrawingDependents);
  EXPECT_EQ(out, (Strings{temp.path(L"A.dwg"), temp.path(L"B.dwg"), temp.path(L"sub\\C.dwg"), L"x\\P.xls", L"x\\P.loc"}));
  EXPECT_EQ(seen, L"(" + hcLispQuoted(path) + L" \"1\")");
}

TEST_F(ProjectObject, RelatedFilesWalkTakesTheSecondElementUpToItsFirstNonString) {
  VoxPrmProject project;
  ASSERT_TRUE(project.readProject(path));
  Strings out{L"kept"};
  EXPECT_FALSE(project.getNonDwgDependents(out));  // no such function
  EXPECT_EQ(out, Strings{L"kept"});

  relatedFilesAnswer(L"((\"ignored\") (\"a\" 3 \"b\") (\"c\"))");
  out.clear();
  EXPECT_TRUE(project.getNonDwgDependents(out));
  EXPECT_EQ(out, Strings{L"a"});

  relatedFilesAnswer(L"(nil (\"a\" (\"nested\") \"b\"))");
  out.clear();
  EXPECT_TRUE(project.getNonDwgDependents(out));
  EXPECT_EQ(out, (Strings{L"a", L"nested", L"b"}));  // nested lists are walked through

  relatedFilesAnswer(L"nil");
  out.clear();
  EXPECT_TRUE(project.getNonDwgDependents(out));
  EXPECT_TRUE(out.empty());
}

TEST_F(ProjectObject, NoDocumentStoreIsEverUsed) {
  VoxPrmProject project;
  project.setUseDepot(true);
  EXPECT_FALSE(project.getUseDepot());
}

}  // namespace
}  // namespace vox::test
