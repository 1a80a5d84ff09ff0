// Marks on the project tree's nodes: lock states asked once per shown node and checked again
// periodically or after a lock event, a colleague's drawing lock file marking its node, and the
// notes of a project changed on disk or not readable again.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TreeFixture.h"
#include "palette/TreeNodeMarks.h"
#include "platform/os/NarrowCodec.h"

namespace vox::test {
namespace {

using palette::NodeMark;
using palette::TreeNodeMarks;

TEST(NodeMarks, EachLockStateGivesItsColour) {
  EXPECT_EQ(palette::markOfStatus(kNotLocked, L"").colour, HcLockMark::kNone);
  EXPECT_EQ(palette::markOfStatus(kLockedByMe, L"me").colour, HcLockMark::kNone) << "this user's own lock is no warning";
  EXPECT_EQ(palette::markOfStatus(kLockStatusUnknown, L"").colour, HcLockMark::kNone);
  EXPECT_EQ(palette::markOfStatus(kLockedByOther, L"ann").colour, HcLockMark::kRed);
  EXPECT_EQ(palette::markOfStatus(kLockedHolderUnknown, L"").colour, HcLockMark::kRed);
  EXPECT_EQ(palette::markOfStatus(kReadOnly, L"").colour, HcLockMark::kYellow);
  EXPECT_EQ(palette::markOfStatus(kFileNotFound, L"").colour, HcLockMark::kNone);
  EXPECT_EQ(palette::markOfStatus(kNoFolderAccess, L"").colour, HcLockMark::kGrey);
}

TEST(NodeMarks, AStateIsAskedOnceUntilACheckAndForgottenNodesAreDropped) {
  int asked = 0;
  _lockStatus state = kNotLocked;
  std::int64_t now = 0;
  TreeNodeMarks marks([&](bool, const std::wstring&, std::wstring&) { return ++asked, state; }, [&] { return now; });
  EXPECT_EQ(marks.markOf(7, false, L"\\p\\A.dwg"), NodeMark{});
  EXPECT_EQ(marks.markOf(7, false, L"\\p\\A.dwg"), NodeMark{});
  EXPECT_EQ(asked, 1) << "the second view of the node comes from the cache";
  marks.markOf(8, false, L"\\p\\B.dwg");
  state = kReadOnly;
  const std::wstring pathA = L"\\p\\A.dwg";
  const std::vector<HcNodeId> changed = marks.recheck([&](HcNodeId id, bool&) { return id == 7 ? &pathA : nullptr; });
  EXPECT_EQ(changed, std::vector<HcNodeId>{7});
  EXPECT_EQ(marks.cachedCount(), 1u) << "node 8 is gone from the tree";
  EXPECT_EQ(marks.markOf(7, false, pathA).colour, HcLockMark::kYellow);

  marks.noteChangedOnDisk(L"\\p\\P.wdp", L"changed", 5000);
  EXPECT_EQ(marks.noteOf(L"\\P\\p.WDP"), L"changed") << "project IDs ignore case";
  now = 5000;
  EXPECT_EQ(marks.noteOf(L"\\p\\P.wdp"), L"") << "the note is over";
  marks.noteReReadFailed(L"\\p\\P.wdp", L"unreadable");
  now = 1000000;
  EXPECT_EQ(marks.noteOf(L"\\p\\P.wdp"), L"unreadable") << "a failure lasts";
  marks.clearReReadFailure(L"\\p\\P.wdp");
  EXPECT_EQ(marks.noteOf(L"\\p\\P.wdp"), L"");
}

class TreeMarks : public TreeFixture {
 protected:
  void SetUp() override {
    makeTree();
    projectPath = openProject("P", {"A.dwg", "B.dwg"}, true);
    tree->setExpanded(project("P"), true);
  }
  HcTreeNodeView view(HcNodeId id) const { return *tree->node(id); }
  std::wstring projectPath;
};

TEST_F(TreeMarks, AColleaguesDrawingLockFileMarksTheNodeAtTheNextCheckUntilItIsGone) {
  EXPECT_EQ(view(drawing("P", "A.dwg")).lock, HcLockMark::kNone);
  writeNative(temp.native("P/A.dwl"), os::narrowCodec().encode(L"ann\nPC9 Ann Smith\nMonday  10:00"));
  EXPECT_EQ(view(drawing("P", "A.dwg")).lock, HcLockMark::kNone) << "kept until the check";
  host().loop().advance(CProjectTree::kMarksCheckMs);
  const HcTreeNodeView marked = view(drawing("P", "A.dwg"));
  EXPECT_EQ(marked.lock, HcLockMark::kRed);
  EXPECT_NE(marked.lockText.find(L"ann"), std::wstring::npos) << marked.lockText;
  EXPECT_EQ(view(drawing("P", "B.dwg")).lock, HcLockMark::kNone);
  std::filesystem::remove(temp.native("P/A.dwl"));
  host().loop().advance(CProjectTree::kMarksCheckMs);
  EXPECT_EQ(view(drawing("P", "A.dwg")).lock, HcLockMark::kNone) << "released";
}

TEST_F(TreeMarks, TheProjectsMarkFollowsItsLockAndReadOnlyEvents) {
  EXPECT_EQ(view(project("P")).lock, HcLockMark::kNone);
  ASSERT_EQ(::chmod(temp.native("P/P.wdp").c_str(), 0444), 0);
  manager.onProjectReadOnlyChanged(projectPath, true);
  EXPECT_EQ(view(project("P")).lock, HcLockMark::kYellow) << "at once, without waiting for the check";
  ASSERT_EQ(::chmod(temp.native("P/P.wdp").c_str(), 0644), 0);
  manager.onProjectReadOnlyChanged(projectPath, false);
  EXPECT_EQ(view(project("P")).lock, HcLockMark::kNone);
  EXPECT_EQ(view(drawing("P", "B.dwg")).lock, HcLockMark::kNone);
  ASSERT_EQ(::chmod(temp.native("P/B.dwg").c_str(), 0444), 0);
  EXPECT_EQ(view(drawing("P", "B.dwg")).lock, HcLockMark::kNone) << "not asked again before the check";
  tree->RecheckMarks();
  EXPECT_EQ(view(drawing("P", "B.dwg")).lock, HcLockMark::kYellow) << "a read-only drawing";
}

TEST_F(TreeMarks, AChangeOnDiskIsNotedForAWhileAndAFailedReReadUntilTheNextGoodOne) {
  tree->NoteChangedOnDisk(projectPath);
  EXPECT_FALSE(view(project("P")).note.empty());
  host().loop().advance(CProjectTree::kChangedNoteMs);
  EXPECT_TRUE(view(project("P")).note.empty()) << "the note went after its time";
  std::filesystem::rename(temp.native("P/P.wdp"), temp.native("P/P.bak"));
  tree->NoteReReadFailed(projectPath);
  const std::wstring failure = view(project("P")).note;
  EXPECT_NE(failure.find(L"missing"), std::wstring::npos) << failure;
  host().loop().advance(60000);
  EXPECT_EQ(view(project("P")).note, failure) << "a failure stays";
  std::filesystem::rename(temp.native("P/P.bak"), temp.native("P/P.wdp"));
  ASSERT_TRUE(manager.reReadProject(projectPath.c_str()));
  EXPECT_TRUE(view(project("P")).note.empty()) << "read again: the failure is over";
}

}  // namespace
}  // namespace vox::test
