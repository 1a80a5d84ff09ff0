// Renaming a drawing from its label: the file and the project entry change together, the
// project monitor hears of it, refusals change nothing, and no lock is left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <set>
#include <sys/stat.h>

#include "TreeFixture.h"
#include "host/VoxPmClientApp.h"
#include "palette/RenameRules.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::test {
namespace {

using palette::RenameVerdict;

TEST(RenameRules, TrimsForcesTheExtensionAndRefusesWhatIsNoFileName) {
  EXPECT_EQ(palette::renameTarget(L"  Feeders ", L"A.dwg").fileName, L"Feeders.dwg");
  EXPECT_EQ(palette::renameTarget(L"Feeders.txt", L"A.dwg").fileName, L"Feeders.dwg");
  EXPECT_EQ(palette::renameTarget(L"v1.2 plan", L"A.dwg").fileName, L"v1.dwg") << "the last dot starts the extension";
  EXPECT_EQ(palette::renameTarget(L"a.DWG", L"A.dwg").verdict, RenameVerdict::kSame);
  EXPECT_EQ(palette::renameTarget(L"a", L"A.dwg").verdict, RenameVerdict::kSame) << "the same file after all";
  EXPECT_EQ(palette::renameTarget(L"   ", L"A.dwg").verdict, RenameVerdict::kEmpty);
  for (const wchar_t* bad : {L"..\\B", L"sub/B", L"B?", L"B:1", L".dwg", L"...", L"tab\there"})
    EXPECT_EQ(palette::renameTarget(bad, L"A.dwg").verdict, RenameVerdict::kInvalid) << std::wstring(bad);
}

class TreeRename : public TreeFixture {
 protected:
  void SetUp() override {
    makeTree();
    projectFile = openProject("P", {"===Motor\nA.dwg", "B.dwg", "===Legend\n====REF\nR.dwg"}, true);
    tree->setExpanded(project("P"), true);
  }
  // Renames through F2 and the label editor.
  void rename(const char* file, const std::optional<std::wstring>& text) {
    const HcNodeId node = drawing("P", file);
    tree->click(node, HcHitPart::kLabel, kHcNoModifier);
    tree->key(HcKey::kF2, kHcNoModifier);
    ASSERT_FALSE(listener.edits.empty());
    EXPECT_EQ(listener.edits.back().second, std::wstring(file, file + std::strlen(file)));
    tree->endEdit(node, text);
  }
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp.native("P")))
      names.insert(entry.path().filename().string());
    return names;
  }
  std::string projectText() const {
    std::string bytes;
    os::readFile(projectFile, bytes);
    return bytes;
  }
  const std::vector<siblings::RenameNotice>& notices() { return siblings()->pmClient().renames(); }

  std::wstring projectFile;
};

TEST_F(TreeRename, TheFileAndTheEntryAreRenamedTogetherAndTheMonitorHears) {
  const std::set<std::string> before = files();
  rename("A.dwg", L"  Motors.txt ");
  std::set<std::string> expected = before;
  expected.erase("A.dwg");
  expected.insert("Motors.dwg");
  EXPECT_EQ(files(), expected) << "no lock file is left";
  EXPECT_NE(projectText().find("Motors.dwg"), std::string::npos) << projectText();
  EXPECT_EQ(projectText().find("A.dwg"), std::string::npos) << projectText();
  ASSERT_EQ(notices().size(), 1u);
  EXPECT_EQ(notices()[0].oldPath, drawingPath("P", "A.dwg"));
  EXPECT_EQ(notices()[0].newPath, drawingPath("P", "Motors.dwg"));
  EXPECT_EQ(selection("P"), L"P [^Motors.dwg] B.dwg R.dwg") << "the renamed drawing stays selected";
  EXPECT_EQ(static_cast<const _dwgdatastruct*>(tree->GetItemData(drawing("P", "Motors.dwg")))->details.descriptions,
            std::vector<std::wstring>{L"Motor"});
  EXPECT_FALSE(tree->IsLabelEditing());
  EXPECT_EQ(siblings()->log().count(L"LispUpdUnlockFiles"), 1u);
}

TEST_F(TreeRename, AReferenceEntryIsRenamedWithoutTellingTheMonitor) {
  rename("R.dwg", L"Legend");
  EXPECT_TRUE(files().count("Legend.dwg"));
  EXPECT_TRUE(notices().empty());
}

TEST_F(TreeRename, RefusedNamesChangeNothing) {
  writeNative(temp.native("P/Taken.dwg"), emptyDrawing());
  const std::set<std::string> before = files();
  const std::string content = projectText();
  rename("A.dwg", L"a.DWG");
  rename("A.dwg", L"   ");
  rename("A.dwg", std::nullopt);
  EXPECT_TRUE(answers.asked().empty()) << "the same name, an empty one or a cancelled edit say nothing";
  rename("A.dwg", L"..\\Elsewhere");
  rename("A.dwg", L"Taken");
  ASSERT_EQ(answers.asked().size(), 2u);
  EXPECT_NE(answers.asked()[0].text.find(L"not a file name"), std::wstring::npos) << answers.asked()[0].text;
  EXPECT_NE(answers.asked()[1].text.find(L"exists already"), std::wstring::npos) << answers.asked()[1].text;

  ASSERT_NE(host().documents().appContextOpenDocument(drawingPath("P", "B.dwg"), false), nullptr);
  rename("B.dwg", L"Other");
  ASSERT_EQ(answers.asked().size(), 3u);
  EXPECT_NE(answers.asked()[2].text.find(L"is open"), std::wstring::npos) << answers.asked()[2].text;

  std::set<std::string> after = files();
  after.erase("B.dwl");  // the host's own lock of the open drawing
  EXPECT_EQ(after, before);
  EXPECT_EQ(projectText(), content);
  EXPECT_TRUE(notices().empty());
  EXPECT_EQ(siblings()->log().count(L"LispUpdUnlockFiles"), 6u) << "each edit released its locks";
}

TEST_F(TreeRename, AReadOnlyDrawingKeepsItsNameAndTheMonitorsLock) {
  ASSERT_TRUE(PmLockFile(drawingPath("P", "A.dwg")));
  ::chmod(temp.native("P/A.dwg").c_str(), 0444);
  rename("A.dwg", L"Motors");
  EXPECT_TRUE(files().count("A.dwg"));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_NE(answers.asked()[0].text.find(L"read-only"), std::wstring::npos);
  ASSERT_EQ(notices().size(), 1u);
  EXPECT_TRUE(notices()[0].completed);
  EXPECT_EQ(notices()[0].newPath, std::nullopt) << "completed with no new path";
  EXPECT_FALSE(PmLockFile(drawingPath("P", "A.dwg"))) << "the monitor's lock is still held";
}

TEST_F(TreeRename, WhenTheProjectRefusesTheFileGetsItsNameBack) {
  const HcNodeId node = drawing("P", "A.dwg");
  tree->click(node, HcHitPart::kLabel, kHcNoModifier);
  tree->key(HcKey::kF2, kHcNoModifier);
  ::chmod(temp.native("P/P.wdp").c_str(), 0444);
  tree->endEdit(node, L"Motors");
  EXPECT_EQ(notices().at(0).newPath, drawingPath("P", "Motors.dwg")) << "the file itself was renamed";
  EXPECT_TRUE(files().count("A.dwg"));
  EXPECT_FALSE(files().count("Motors.dwg"));
  EXPECT_NE(tree->GetDrawingItem(drawingPath("P", "A.dwg")), 0u) << "the tree shows the entry as the file has it";
  EXPECT_FALSE(tree->IsLabelEditing());
}

TEST_F(TreeRename, AReReadDuringTheEditIsIgnoredAndTheEditCanStillEnd) {
  const HcNodeId node = drawing("P", "B.dwg");
  tree->click(node, HcHitPart::kLabel, kHcNoModifier);
  tree->key(HcKey::kF2, kHcNoModifier);
  ASSERT_TRUE(tree->IsLabelEditing());
  writeNative(temp.native("P/P.wdp"), "*[1]P project\r\nA.dwg\r\nB.dwg\r\nR.dwg\r\nC.dwg\r\n");
  ASSERT_TRUE(manager.reReadProject(projectFile.c_str()));
  EXPECT_EQ(tree->node(node)->text, L"B.dwg") << "the node under edit still exists";
  EXPECT_EQ(drawings("P").size(), 3u);
  tree->endEdit(node, L"Pumps");
  EXPECT_TRUE(files().count("Pumps.dwg"));
  EXPECT_EQ(drawings("P").size(), 4u) << "the rebuild after the edit shows the project as read";
}

TEST_F(TreeRename, ClosingTheProjectDuringTheEditEndsItAndReleasesItsLocks) {
  const HcNodeId node = drawing("P", "B.dwg");
  tree->click(node, HcHitPart::kLabel, kHcNoModifier);
  tree->key(HcKey::kF2, kHcNoModifier);
  ASSERT_TRUE(tree->IsLabelEditing());
  ASSERT_TRUE(manager.closeProject(projectFile.c_str(), true));
  EXPECT_FALSE(tree->IsLabelEditing());
  EXPECT_EQ(siblings()->log().count(L"LispUpdUnlockFiles"), 1u);
  tree->endEdit(node, L"Late");  // the view's editor closing afterwards changes nothing
  EXPECT_TRUE(files().count("B.dwg"));
}

}  // namespace
}  // namespace vox::test
