// The project combo box: its items and their order, choosing projects and commands, the previous
// item put back when a command opens nothing, and the closed face with its lock mark.

#include "palette/VoxPrmComboBox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "TreeFixture.h"
#include "host/ResourceText.h"
#include "locking/LockIdentity.h"
#include "locking/VoxPrmVirtualFileLocker.h"
#include "palette/TextFit.h"
#include "platform/os/LockedFile.h"

namespace vox::test {
namespace {

class ComboBox : public TreeFixture {
 protected:
  std::vector<std::wstring> texts(const VoxPrmComboBox& combo) const {
    std::vector<std::wstring> out;
    for (const HcComboItemView& item : combo.items())
      out.push_back(item.separator ? L"---" : item.text + (item.checked ? L"*" : L"") + (item.enabled ? L"" : L"[greyed]"));
    return out;
  }
};

TEST(TextFit, DropsCharactersThenThreeMoreForTheEllipsis) {
  const auto upTo = [](std::size_t n) { return [n](const std::wstring& t) { return t.size() <= n; }; };
  EXPECT_EQ(palette::fitText(L"Plant", upTo(5)).text, L"Plant");
  EXPECT_FALSE(palette::fitText(L"Plant", upTo(5)).shortened);
  EXPECT_EQ(palette::fitText(L"Conveyor line", upTo(8)).text, L"Conve...");
  EXPECT_EQ(palette::fitText(L"Conveyor", upTo(2)).text, L"...") << "nothing left but the ellipsis";
}

TEST_F(ComboBox, WithoutProjectsOnlyTheCommandsAndTheFaceShowsOpenProject) {
  VoxPrmComboBox combo;
  EXPECT_EQ(texts(combo), (std::vector<std::wstring>{L"Recent projects...[greyed]", L"---", L"New project...[greyed]",
                                                     L"Open project..."}))
      << "commands that need a drawing are greyed without one";
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_EQ(combo.face(0).text, L"Open project...");
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kNone);
}

TEST_F(ComboBox, ProjectsInTheManagersOrderTheActiveOneCheckedAndCurrent) {
  openDrawing(L"Other.dwg");
  const std::wstring p = openProject("P", {"A.dwg"}, false);
  openProject("Q", {"B.dwg"}, true);
  VoxPrmComboBox combo;
  EXPECT_EQ(texts(combo), (std::vector<std::wstring>{L"P", L"Q*", L"---", L"Recent projects...", L"---",
                                                     L"New project...", L"Open project..."}));
  EXPECT_EQ(combo.currentIndex(), 1);
  combo.choose(2);
  EXPECT_EQ(combo.currentIndex(), 1) << "a separator is never current";
  combo.choose(0);
  EXPECT_TRUE(manager.isActiveProject(p.c_str()));
  EXPECT_EQ(texts(combo)[0], L"P*") << "rebuilt on the activation";
  EXPECT_EQ(combo.currentIndex(), 0);
  combo.choose(0);
  EXPECT_EQ(combo.currentIndex(), 0) << "choosing the active project changes nothing";
}

TEST_F(ComboBox, ACommandThatOpensNothingPutsThePreviousProjectBack) {
  openDrawing(L"Other.dwg");
  openProject("P", {"A.dwg"}, true);
  VoxPrmComboBox combo;
  int changes = 0;
  combo.setChangeListener([&changes] { ++changes; });
  answers.queueReply(std::nullopt);  // the open-project dialog cancelled
  combo.choose(5);
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_EQ(combo.face(0).text, L"P");
  combo.choose(4);  // new project: queued, and the project stays shown
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_GE(changes, 2);
}

TEST_F(ComboBox, TheFaceShowsTheLockOfTheActiveProjectAndFollowsItsChanges) {
  const std::wstring p = openProject("P", {"A.dwg"}, true);
  VoxPrmComboBox combo;
  int changes = 0;
  combo.setChangeListener([&changes] { ++changes; });
  ASSERT_TRUE(manager.lockProjectFile(p.c_str()));
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kGreen) << "locked by me";
  EXPECT_FALSE(combo.face(0).lockTooltip.empty());
  EXPECT_EQ(combo.face(0).textTooltip, L"P") << "a lock mark turns the text tooltip on";
  ASSERT_TRUE(manager.unlockProjectFile(p.c_str()));
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kNone);
  manager.onProjectUnlocked(p);
  EXPECT_EQ(changes, 1) << "an unlock of the active project repaints the face";
  manager.onProjectLocked(L"\\elsewhere\\X.wdp");
  EXPECT_EQ(changes, 1) << "another project's lock does not";
}

// Every lock state of the active project's file gives its mark and tooltip: green for this user,
// red for a colleague or a holder that cannot be read, yellow for a file nobody may write.
TEST_F(ComboBox, TheLockMarkFollowsEveryLockStateOfTheProjectFile) {
  const std::wstring p = openProject("P", {"A.dwg"}, true);
  VoxPrmComboBox combo;
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kNone) << "not locked";
  EXPECT_TRUE(combo.face(0).lockTooltip.empty());
  EXPECT_TRUE(combo.face(0).textTooltip.empty()) << "a whole text without a mark needs no tooltip";

  {
    VoxPrmVirtualFileLocker ann{[] { return locking::identityText({L"ann", L"PC7", L"Ann Lee"}, L"Monday", L"10:00"); }};
    ASSERT_TRUE(ann.lockFile(p.c_str()));
    const HcComboFace face = combo.face(0);
    EXPECT_EQ(face.lock, HcLockMark::kRed) << "locked by another user";
    EXPECT_NE(face.lockTooltip.find(L"ann"), std::wstring::npos) << "the holder is named: " << face.lockTooltip;
    ASSERT_TRUE(ann.unlockFile(p.c_str()));
  }
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kNone) << "the colleague released it";

  {
    auto held = os::LockedFile::acquire(p + L".FLL", os::LockedFile::Disposition::kOpenOrCreate);
    ASSERT_TRUE(held && held->replaceContent(std::string(2000, 'x')));
    const HcComboFace face = combo.face(0);
    EXPECT_EQ(face.lock, HcLockMark::kRed) << "held by a holder that cannot be read";
    EXPECT_EQ(face.lockTooltip, vox::host::resourceText(403));
  }
  std::filesystem::remove(temp.native("P/P.wdp.FLL"));

  ASSERT_EQ(::chmod(temp.native("P/P.wdp").c_str(), 0444), 0);
  EXPECT_EQ(combo.face(0).lock, HcLockMark::kYellow) << "a read-only project file";
  EXPECT_EQ(combo.face(0).lockTooltip, vox::host::resourceText(404));
  ASSERT_EQ(::chmod(temp.native("P/P.wdp").c_str(), 0644), 0);
}

}  // namespace
}  // namespace vox::test
