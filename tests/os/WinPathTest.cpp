#include "platform/os/WinPath.h"

#include <gtest/gtest.h>

namespace vox::os {
namespace {

TEST(WinPath, TellsRelativeFromAbsolute) {
  EXPECT_TRUE(isRelative(L"a\\b.dwg"));
  EXPECT_TRUE(isRelative(L"..\\b.dwg"));
  EXPECT_TRUE(isRelative(L""));
  EXPECT_TRUE(isRelative(L"1:\\x"));
  EXPECT_FALSE(isRelative(L"\\a\\b.dwg"));
  EXPECT_FALSE(isRelative(L"\\\\server\\share\\b.dwg"));
  EXPECT_FALSE(isRelative(L"C:\\b.dwg"));
  EXPECT_FALSE(isRelative(L"c:b.dwg"));
}

TEST(WinPath, CanonicalizeResolvesDotsWithoutClimbingAboveTheRoot) {
  EXPECT_EQ(canonicalize(L"C:\\P\\.\\sub\\..\\x.dwg"), L"C:\\P\\x.dwg");
  EXPECT_EQ(canonicalize(L"C:\\..\\..\\x.dwg"), L"C:\\x.dwg");
  EXPECT_EQ(canonicalize(L"\\\\srv\\share\\a\\..\\..\\x"), L"\\\\srv\\share\\x");
  EXPECT_EQ(canonicalize(L"\\home\\\\u\\P\\"), L"\\home\\u\\P\\");
  EXPECT_EQ(canonicalize(L"..\\a\\..\\..\\b"), L"..\\..\\b");
  EXPECT_EQ(canonicalize(L".\\x.dwg"), L"x.dwg");
  EXPECT_EQ(canonicalize(L"C:\\a\\.."), L"C:\\");
}

TEST(WinPath, CombineJoinsRelativePathsAndRespectsTheLimit) {
  EXPECT_EQ(combine(L"C:\\P", L"dwg\\..\\a.dwg"), L"C:\\P\\a.dwg");
  EXPECT_EQ(combine(L"C:\\P\\", L"a.dwg"), L"C:\\P\\a.dwg");
  EXPECT_EQ(combine(L"C:\\P\\Q", L"..\\..\\..\\a.dwg"), L"C:\\a.dwg");
  EXPECT_EQ(combine(L"C:\\P", L"D:\\x.dwg"), L"D:\\x.dwg");
  EXPECT_EQ(combine(L"C:", L"x.dwg"), L"C:\\x.dwg");
  // A path from the root of the folder's drive or share keeps that root.
  EXPECT_EQ(combine(L"D:\\P", L"\\x\\a.dwg"), L"D:\\x\\a.dwg");
  EXPECT_EQ(combine(L"\\\\srv\\share\\P\\Q", L"\\x\\..\\a.dwg"), L"\\\\srv\\share\\a.dwg");
  EXPECT_EQ(combine(L"\\home\\u", L"\\x\\a.dwg"), L"\\x\\a.dwg");  // a native folder's root
  EXPECT_EQ(combine(L"D:\\P", L"\\\\srv\\share\\a.dwg"), L"\\\\srv\\share\\a.dwg");
  EXPECT_EQ(combine(L"", L"\\x\\a.dwg"), L"\\x\\a.dwg");
  const std::wstring folder = L"C:\\" + std::wstring(240, L'f');
  EXPECT_TRUE(combine(folder, std::wstring(255 - folder.size(), L'n')).has_value());  // 256 chars
  EXPECT_EQ(combine(folder, std::wstring(259 - folder.size() - 1, L'n'))->size(), 259u);
  EXPECT_FALSE(combine(folder, std::wstring(260 - folder.size() - 1, L'n')).has_value());
}

TEST(WinPath, RelativePathComparesComponentsIgnoringCase) {
  EXPECT_EQ(relativePathTo(L"C:\\Proj", L"c:\\PROJ\\a.dwg"), L"a.dwg");
  EXPECT_EQ(relativePathTo(L"C:\\Proj", L"C:\\Proj\\Sub\\Deeper\\a.dwg"), L"Sub\\Deeper\\a.dwg");
  EXPECT_EQ(relativePathTo(L"C:\\Proj\\One", L"C:\\Other\\a.dwg"), L"..\\..\\Other\\a.dwg");
  EXPECT_EQ(relativePathTo(L"\\\\srv\\share\\P", L"\\\\SRV\\Share\\Q\\a.dwg"), L"..\\Q\\a.dwg");
  EXPECT_EQ(relativePathTo(L"\\home\\u\\P", L"\\home\\u\\P\\d\\x.dwg"), L"d\\x.dwg");
  EXPECT_EQ(relativePathTo(L"C:\\", L"C:\\a.dwg"), L"a.dwg");
  EXPECT_EQ(relativePathTo(L"C:\\Proj", L"C:\\Proj2\\a.dwg"), L"..\\Proj2\\a.dwg");
  EXPECT_EQ(relativePathTo(L"C:\\Proj", L"C:\\Proj\\sub\\"), L"sub\\");
}

TEST(WinPath, RelativePathRefusesOtherRootsAndOverlongResults) {
  EXPECT_FALSE(relativePathTo(L"C:\\Proj", L"D:\\Proj\\a.dwg"));
  EXPECT_FALSE(relativePathTo(L"\\\\srv\\one\\P", L"\\\\srv\\two\\P\\a.dwg"));
  EXPECT_FALSE(relativePathTo(L"C:\\Proj", L"\\Proj\\a.dwg"));
  EXPECT_FALSE(relativePathTo(L"C:\\Proj", L"a.dwg"));
  EXPECT_FALSE(relativePathTo(L"C:\\Proj", L"C:\\Proj"));
  std::wstring deep = L"C:";
  for (int i = 0; i < 100; ++i) deep += L"\\d";  // 100 levels: 300 characters of ".."
  EXPECT_FALSE(relativePathTo(deep, L"C:\\x.dwg"));
}

TEST(WinPath, QualifyUsesTheCurrentFolder) {
  EXPECT_EQ(qualify(L"a\\..\\b.wdp", L"C:\\work"), L"C:\\work\\b.wdp");
  EXPECT_EQ(qualify(L"\\top\\b.wdp", L"C:\\work"), L"C:\\top\\b.wdp");
  EXPECT_EQ(qualify(L"\\top\\b.wdp", L"\\home\\u"), L"\\top\\b.wdp");
  EXPECT_EQ(qualify(L"D:\\x\\.\\b.wdp", L"C:\\work"), L"D:\\x\\b.wdp");
}

TEST(WinPath, NameFolderAndExtension) {
  EXPECT_EQ(fileName(L"C:\\P\\X.wdp"), L"X.wdp");
  EXPECT_EQ(fileName(L"C:X.wdp"), L"X.wdp");
  EXPECT_EQ(fileName(L"X.wdp"), L"X.wdp");
  EXPECT_EQ(fileName(L"\\\\srv\\share"), L"");
  EXPECT_EQ(folderOf(L"C:\\P\\X.wdp"), L"C:\\P");
  EXPECT_EQ(folderOf(L"C:\\X.wdp"), L"C:");
  EXPECT_EQ(folderOf(L"\\\\srv\\share\\X.wdp"), L"\\\\srv\\share");
  EXPECT_EQ(folderOf(L"X.wdp"), L"");
  EXPECT_EQ(extension(L"C:\\P.d\\X.Wdp"), L".Wdp");
  EXPECT_EQ(extension(L"C:\\P.d\\X"), L"");
  EXPECT_EQ(stem(L"C:\\P\\my.proj.wdp"), L"my.proj");
  EXPECT_EQ(replaceExtension(L"C:\\P\\X.wdp", L".FLL"), L"C:\\P\\X.FLL");
  EXPECT_EQ(toBackslashes(L"a/b\\c/"), L"a\\b\\c\\");
}

}  // namespace
}  // namespace vox::os
