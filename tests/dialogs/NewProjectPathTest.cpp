// The new project's path rules: composing the full path, names that cannot be file names, and
// the folders to make before the file is written.

#include <gtest/gtest.h>

#include <set>

#include "dialogs/NewProjectPath.h"
#include "host/LispCoreDescriptionCalls.h"

namespace vox::dialogs::test {
namespace {

std::optional<std::wstring> compose(const std::wstring& name, const std::wstring& location, bool createFolder,
                                    const std::wstring& defaultLocation = L"\\home\\u\\proj") {
  return composeNewProjectPath({name, location, defaultLocation, createFolder});
}

TEST(NewProjectPath, NameLocationAndFolderChoiceMakeTheFullPath) {
  EXPECT_EQ(compose(L"Plant.txt", L"C:\\P", true), L"C:\\P\\Plant\\Plant.wdp");
  EXPECT_EQ(compose(L"Plant.txt", L"C:\\P", false), L"C:\\P\\Plant.wdp");
  EXPECT_EQ(compose(L"Plant", L"C:\\P\\", false), L"C:\\P\\Plant.wdp") << "expected one separator";
  EXPECT_EQ(compose(L"Plant.v2.wdp", L"C:\\P", false), L"C:\\P\\Plant.v2.wdp") << "only the last extension goes";
  EXPECT_EQ(compose(L"  Plant  ", L"  C:\\P  ", true), L"C:\\P\\Plant\\Plant.wdp") << "blanks around are not part";
  EXPECT_EQ(compose(L"Plant", L"/srv/p", true), L"\\srv\\p\\Plant\\Plant.wdp") << "slashes are separators";
  EXPECT_EQ(compose(L"Plant", L"C:\\P\\..\\Q\\.", false), L"C:\\Q\\Plant.wdp") << "dots resolved as a join does";
}

TEST(NewProjectPath, AnEmptyLocationTakesTheDefaultFolder) {
  EXPECT_EQ(compose(L"Plant", L"", true), L"\\home\\u\\proj\\Plant\\Plant.wdp");
  EXPECT_EQ(compose(L"Plant", L"", false, L"/srv/projects"), L"\\srv\\projects\\Plant.wdp");
}

TEST(NewProjectPath, WithoutANameThePathIsEmptyOrOnlyTheFolder) {
  EXPECT_EQ(compose(L"", L"", true), L"") << "name and location both empty";
  EXPECT_EQ(compose(L"  ", L" ", false), L"") << "blanks only count as empty";
  EXPECT_EQ(compose(L"", L"C:\\P", true), L"C:\\P\\") << "no folder of an empty name";
}

TEST(NewProjectPath, APathTooLongToJoinGivesNothing) {
  const std::wstring deep = L"C:\\" + std::wstring(250, L'd');
  EXPECT_FALSE(compose(L"Plant", deep, true).has_value());
  EXPECT_TRUE(compose(L"P", deep, false).has_value()) << "a path that fits is composed";
}

TEST(NewProjectPath, ANameMustLeaveABaseNameAndHoldNoSeparatorOrReservedCharacter) {
  for (const wchar_t* good : {L"Plant", L"Plant.txt", L"North plant 2", L" Plant "})
    EXPECT_TRUE(isUsableProjectName(good)) << "expected usable: " << testing::PrintToString(std::wstring(good));
  for (const wchar_t* bad : {L"", L"   ", L".wdp", L"a\\b", L"a/b", L"C:x", L"a*", L"a?", L"a\"b", L"a<b", L"a|b", L"a\tb"})
    EXPECT_FALSE(isUsableProjectName(bad)) << "expected refused: " << testing::PrintToString(std::wstring(bad));
}

TEST(NewProjectPath, FoldersToMakeAreTheMissingOnesParentsFirst) {
  const std::set<std::wstring> existing{L"C:\\P", L"\\srv"};
  const auto exists = [&](const std::wstring& f) { return existing.count(f) != 0; };
  EXPECT_EQ(foldersToCreate(L"C:\\P\\A\\B\\", exists), (std::vector<std::wstring>{L"C:\\P\\A", L"C:\\P\\A\\B"}));
  EXPECT_EQ(foldersToCreate(L"  \\srv\\x  ", exists), (std::vector<std::wstring>{L"\\srv\\x"}));
  EXPECT_EQ(foldersToCreate(L"\\a\\b", exists), (std::vector<std::wstring>{L"\\a", L"\\a\\b"}));
  EXPECT_EQ(foldersToCreate(L"D:\\x", exists), (std::vector<std::wstring>{L"D:\\x"})) << "a drive root is never made";
  EXPECT_TRUE(foldersToCreate(L"C:\\P", exists).empty());
  EXPECT_TRUE(foldersToCreate(L"D:", exists).empty());
  EXPECT_TRUE(foldersToCreate(L"   ", exists).empty());
}

TEST(NewProjectDescriptions, TheEditorGetsModeNoFileLinesAndFlagsAndItsAnswerIsParsed) {
  namespace lc = host::lispcore;
  const HcResBufChain args = lc::newProjectDescriptionArguments({L"One", L"Two"}, L"1,0");
  EXPECT_EQ(args, HcResBufChain().shortInt(0).nil().beginList().str(L"One").str(L"Two").endList().str(L"1,0"));

  const HcResBufChain answer =
      HcResBufChain().beginList().str(L"A").str(L"B").beginList().str(L"1").str(L"0").str(L"1").endList().endList();
  EXPECT_EQ(lc::descriptionEditOf(answer), (lc::DescriptionEdit{{L"A", L"B"}, L"1,0,1"}));
  EXPECT_EQ(lc::descriptionEditOf(HcResBufChain().beginList().str(L"A").endList()), (lc::DescriptionEdit{{L"A"}, L""}))
      << "no flag list: no flags";
  EXPECT_FALSE(lc::descriptionEditOf(HcResBufChain().str(L"A")).has_value()) << "a string is no list";
  EXPECT_FALSE(lc::descriptionEditOf(std::nullopt).has_value()) << "a failed call";
}

}  // namespace
}  // namespace vox::dialogs::test
