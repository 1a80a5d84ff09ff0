// The palette layout store: the palette set's element handed over and taken back, kept across
// runs with what others stored beside it; an unreadable file set aside.

#include "platform/settings/PaletteLayoutStore.h"

#include <gtest/gtest.h>

#include "FakeControllers.h"
#include "support/TempDir.h"

namespace vox::settings {
namespace {

std::string read(const std::string& path) { return vox::test::readNative(path); }

TEST(PaletteLayoutStore, ThePaletteGetsBackWhatItStoredAndOtherElementsAreKept) {
  vox::test::TempDir temp;
  const std::string path = paletteLayoutPathIn(temp.native("config"));
  {
    std::wstring error;
    PaletteLayoutStore store(path);
    ASSERT_TRUE(store.load(error));
    store.paletteSetElement(L"{OTHER}").append_child("Kept").append_attribute("x") = 7;
    textui::testing::FakePaletteSet palette;
    palette.ratio = 0.25;
    palette.visible = false;
    ASSERT_TRUE(store.takeFrom(palette, error)) << std::string(error.begin(), error.end());
  }
  PaletteLayoutStore again(path);
  textui::testing::FakePaletteSet palette;
  again.handTo(palette);
  EXPECT_DOUBLE_EQ(palette.loadedRatio, 0.25);
  EXPECT_EQ(again.paletteSetElement(L"{TOOL-1}").attribute("shown").as_int(-1), 0);
  EXPECT_EQ(again.paletteSetElement(L"{OTHER}").child("Kept").attribute("x").as_int(), 7) << read(path);
}

TEST(PaletteLayoutStore, AnUnreadableFileIsSetAsideAndThePaletteStartsFromDefaults) {
  vox::test::TempDir temp;
  const std::string path = paletteLayoutPathIn(temp.native());
  vox::test::writeNative(path, "<PaletteLayouts><PaletteSet id=");
  PaletteLayoutStore store(path);
  std::wstring error;
  EXPECT_FALSE(store.load(error));
  EXPECT_NE(error.find(L"could not be read"), std::wstring::npos);
  EXPECT_EQ(read(path + ".corrupt-1"), "<PaletteLayouts><PaletteSet id=") << "the old content is kept aside";
  textui::testing::FakePaletteSet palette;
  store.handTo(palette);
  EXPECT_DOUBLE_EQ(palette.loadedRatio, -1) << "no stored ratio";
}

}  // namespace
}  // namespace vox::settings
