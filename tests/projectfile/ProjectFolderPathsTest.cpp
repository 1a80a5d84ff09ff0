#include "projectfile/ProjectFolderPaths.h"

#include <gtest/gtest.h>

#include "platform/os/WinPath.h"

namespace vox::projectfile {
namespace {

std::wstring absolute(const ProjectFolderPaths& paths, std::wstring p) {
  paths.relativeToAbsolute(p);
  return p;
}

std::wstring relative(const ProjectFolderPaths& paths, std::wstring p) {
  paths.absoluteToRelative(p);
  return p;
}

TEST(ProjectFolderPaths, MakesRelativePathsAbsolute) {
  const ProjectFolderPaths paths(L"C:\\Proj");
  EXPECT_EQ(absolute(paths, L"a.dwg"), L"C:\\Proj\\a.dwg");
  EXPECT_EQ(absolute(paths, L"sub\\a.dwg"), L"C:\\Proj\\sub\\a.dwg");
  EXPECT_EQ(absolute(paths, L"..\\Other\\a.dwg"), L"C:\\Other\\a.dwg");
  EXPECT_EQ(absolute(paths, L".\\a.dwg"), L"C:\\Proj\\a.dwg");
  EXPECT_EQ(absolute(paths, L"sub\\\\a.dwg"), L"C:\\Proj\\sub\\a.dwg");
  EXPECT_EQ(absolute(ProjectFolderPaths(L"C:"), L"a.dwg"), L"C:\\a.dwg");
  EXPECT_EQ(absolute(ProjectFolderPaths(L"C:\\P\\..\\Q"), L"a.dwg"), L"C:\\Q\\a.dwg");
}

TEST(ProjectFolderPaths, LeavesPathsThatWouldBeTooLong) {
  const std::wstring folder = L"C:\\" + std::wstring(250, L'p');  // 253 characters
  const ProjectFolderPaths paths(folder);
  std::wstring fits = L"abcde";  // 253 + 1 + 5 = 259
  EXPECT_TRUE(paths.relativeToAbsolute(fits));
  EXPECT_EQ(fits.size(), 259u);
  std::wstring tooLong = L"abcdef";
  EXPECT_FALSE(paths.relativeToAbsolute(tooLong));
  EXPECT_EQ(tooLong, L"abcdef");
  std::wstring viaDots = L"x\\..\\abcdef";
  EXPECT_FALSE(paths.relativeToAbsolute(viaDots));
  EXPECT_EQ(viaDots, L"x\\..\\abcdef");
}

TEST(ProjectFolderPaths, MakesAbsolutePathsRelativeIgnoringCase) {
  const ProjectFolderPaths paths(L"C:\\Proj\\One");
  EXPECT_EQ(relative(paths, L"c:\\proj\\one\\a.dwg"), L"a.dwg");
  EXPECT_EQ(relative(paths, L"C:\\Proj\\One\\Sub\\a.dwg"), L"Sub\\a.dwg");
  EXPECT_EQ(relative(paths, L"C:\\Proj\\a.dwg"), L"..\\a.dwg");
  EXPECT_EQ(relative(paths, L"C:\\Proj\\OneMore\\a.dwg"), L"..\\OneMore\\a.dwg");
  EXPECT_EQ(relative(paths, L"C:\\Proj\\One\\x\\..\\a.dwg"), L"a.dwg");
  std::wstring otherDrive = L"D:\\Proj\\One\\a.dwg";
  EXPECT_FALSE(paths.absoluteToRelative(otherDrive));
  EXPECT_EQ(otherDrive, L"D:\\Proj\\One\\a.dwg");
  std::wstring share = L"\\\\srv\\s\\a.dwg";
  EXPECT_FALSE(paths.absoluteToRelative(share));
}

// The quick paths for plain names must agree with the general path functions.
TEST(ProjectFolderPaths, AgreesWithTheGeneralPathFunctions) {
  const std::wstring folder = L"\\home\\user\\Projects\\Demo";
  const ProjectFolderPaths paths(folder);
  for (const std::wstring rel : {L"a.dwg", L"A\\b.dwg", L"..\\x.dwg", L"a\\.\\b.dwg", L"a..b.dwg", L".hidden.dwg",
                                 L"sub\\..\\..\\..\\x.dwg"}) {
    std::wstring viaPaths = rel;
    paths.relativeToAbsolute(viaPaths);
    EXPECT_EQ(viaPaths, os::combine(folder, rel)) << std::wstring(rel);
    std::wstring back = viaPaths;
    paths.absoluteToRelative(back);
    EXPECT_EQ(back, os::relativePathTo(folder, viaPaths)) << std::wstring(rel);
  }
}

}  // namespace
}  // namespace vox::projectfile
