// The project combo box: its items and their order, choosing projects and commands, the previous
// item put back when a command opens nothing, and the closed face with its lock mark.

#include "palette/VoxPrmComboBox.h"

#include <gtest/gtest.h>

#include "TreeFixture.h"
#include "palette/TextFit.h"

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

}  // namespace
}  // namespace vox::test
