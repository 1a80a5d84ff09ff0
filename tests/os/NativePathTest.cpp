#include "platform/os/NativePath.h"

#include <gtest/gtest.h>

namespace vox::os {
namespace {

const RootMap kMap{{{L"C:", "/srv/projects/c"}, {L"\\\\server\\share", "/mnt/share/"}, {L"D:", "/srv/d"},
                    {L"E:", "/srv/projects/c/deeper"}}};

TEST(NativePath, MapsRootedPathsBothWays) {
  EXPECT_EQ(toNative(L"\\home\\u\\P.wdp", kMap), "/home/u/P.wdp");
  EXPECT_EQ(fromNative("/home/u/P.wdp", kMap), L"\\home\\u\\P.wdp");
  EXPECT_EQ(toNative(L"c:\\Proj\\P.wdp", kMap), "/srv/projects/c/Proj/P.wdp");
  EXPECT_EQ(toNative(L"\\\\SERVER\\share\\P.wdp", kMap), "/mnt/share/P.wdp");
  EXPECT_EQ(fromNative("/mnt/share/P.wdp", kMap), L"\\\\server\\share\\P.wdp");
  EXPECT_EQ(toNative(L"C:\\", kMap), "/srv/projects/c/");
  EXPECT_EQ(fromNative("/srv/projects/c", kMap), L"C:\\");
  EXPECT_EQ(toNative(L"dwg\\a.dwg", kMap), "dwg/a.dwg");
}

TEST(NativePath, LongestMappedFolderWinsAndPrefixesMustEndAtASeparator) {
  EXPECT_EQ(fromNative("/srv/projects/c/deeper/x.dwg", kMap), L"E:\\x.dwg");
  EXPECT_EQ(fromNative("/srv/projects/c/deeperstill/x.dwg", kMap), L"C:\\deeperstill\\x.dwg");
  EXPECT_EQ(fromNative("/srv/dx/y", kMap), L"\\srv\\dx\\y");
  const RootMap slashRoot{{{L"Z:", "/"}}};
  EXPECT_EQ(fromNative("/etc/x", slashRoot), L"Z:\\etc\\x");
  EXPECT_EQ(toNative(L"Z:\\etc\\x", slashRoot), "/etc/x");
}

TEST(NativePath, UnmappedDrivesAndImpossibleNamesDoNotExist) {
  EXPECT_FALSE(toNative(L"Q:\\x.dwg", kMap));
  EXPECT_FALSE(toNative(L"\\\\other\\share\\x.dwg", kMap));
  EXPECT_FALSE(toNative(L"\\a/b\\x.dwg", kMap));
  EXPECT_FALSE(toNative(std::wstring(L"\\a\0b", 4), kMap));
}

TEST(NativePath, FileNamesRoundTripIncludingInvalidUtf8) {
  EXPECT_EQ(encodeFileName(L"Ärger €"), "\xC3\x84rger \xE2\x82\xAC");
  EXPECT_EQ(decodeFileName("\xC3\x84rger \xE2\x82\xAC"), L"Ärger €");
  const std::string raw = "bad\xFF\xC3(\xE2\x82";  // not UTF-8
  const std::wstring decoded = decodeFileName(raw);
  EXPECT_EQ(decoded.size(), raw.size());
  EXPECT_EQ(encodeFileName(decoded), raw);
  EXPECT_EQ(decodeFileName("\xF0\x9F\x98\x80"), std::wstring(1, static_cast<wchar_t>(0x1F600)));
  EXPECT_EQ(decodeFileName("\xC0\x80").size(), 2u);  // over-long form is not accepted
}

}  // namespace
}  // namespace vox::os
