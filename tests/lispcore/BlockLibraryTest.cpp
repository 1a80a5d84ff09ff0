// Block files, catalogs and title-block label files found on disk.

#include <filesystem>

#include "LispCoreTestSupport.h"
#include "host/LispCoreFunctions.h"
#include "host/LispCoreSettingsCalls.h"
#include "platform/os/NativePath.h"

namespace vox::test {
namespace {

using BlockLibrary = LispCoreTest;
namespace module = host::lispcore;
using lisp::Value;

void createFile(const std::string& native) {
  std::filesystem::create_directories(std::filesystem::path(native).parent_path());
  writeNative(native, "{}");
}

TEST_F(BlockLibrary, BlocksAreFoundBelowTheLibraryIgnoringCase) {
  createFile(temp.native("lib/Panel/Deep/HDV1.DWG"));
  createFile(temp.native("lib/a/X.dwg"));
  createFile(temp.native("lib/x.DWG"));
  EXPECT_EQ(module::blockFilePath(L"hdv1", false), libraryPath(L"\\Panel\\Deep\\HDV1.DWG"));
  EXPECT_EQ(module::blockFilePath(L"X.dwg", false), libraryPath(L"\\x.DWG"));  // the least deep wins
  EXPECT_EQ(module::blockFilePath(L"Panel/Deep/HDV1.DWG", false), libraryPath(L"\\Panel\\Deep\\HDV1.DWG"));
  EXPECT_EQ(module::blockFilePath(libraryPath(L"\\a\\X.dwg"), false), libraryPath(L"\\a\\X.dwg"));
  EXPECT_EQ(eval(L"(wd_fio_does_block_exist_disk \"\")"), Value::nil());
  EXPECT_NE(errorOf(L"(wd_fio_does_block_exist_disk 'HDV1)"), L"");
}

TEST_F(BlockLibrary, AMissingBlockIsReportedWhenAsked) {
  printed.clear();
  EXPECT_FALSE(module::blockFilePath(L"HDV9", false));
  EXPECT_EQ(printed, L"");
  EXPECT_FALSE(module::blockFilePath(L"HDV9", true));
  EXPECT_EQ(printed, L"LISP core: block \"HDV9\" not found in the block library\n");
}

TEST_F(BlockLibrary, LinkedFoldersAreNotFollowed) {
  createFile(temp.native("lib/sub/Y.dwg"));
  std::filesystem::create_directory_symlink(temp.native("lib"), temp.native("lib/sub/loop"));
  EXPECT_EQ(module::blockFilePath(L"Y", false), libraryPath(L"\\sub\\Y.dwg"));
  EXPECT_FALSE(module::blockFilePath(L"Z", false));  // ends despite the loop
}

TEST_F(BlockLibrary, CatalogsAreValidWhenTheirFileExists) {
  EXPECT_EQ(module::catalogIsValid(L"default_cat"), false);  // no catalogs folder yet
  createFile(temp.native("lib/Catalogs/Default_Cat.mdb"));
  EXPECT_EQ(module::catalogIsValid(L"default_cat"), true);
  EXPECT_EQ(module::catalogIsValid(L"DEFAULT_CAT.MDB"), true);
  EXPECT_EQ(module::catalogIsValid(L"other"), false);
  EXPECT_EQ(module::catalogIsValid(L""), false);
}

TEST_F(BlockLibrary, TitleBlockLabelFileOfAProject) {
  createFile(temp.native("proj/Plant.wdp"));
  const std::wstring project = os::fromNative(temp.native("proj/Plant.wdp"));
  EXPECT_EQ(module::titleBlockFileName(project), L"");
  createFile(temp.native("proj/wdtitle.wdt"));
  EXPECT_EQ(module::titleBlockFileName(project), os::fromNative(temp.native("proj/wdtitle.wdt")));
  createFile(temp.native("proj/Plant.wdt"));
  EXPECT_EQ(module::titleBlockFileName(project), os::fromNative(temp.native("proj/Plant.wdt")));
}

}  // namespace
}  // namespace vox::test
