#include "platform/os/NarrowCodec.h"

#include <gtest/gtest.h>

namespace vox::os {
namespace {

TEST(NarrowCodec, DefaultIsWindows1252) {
  const NarrowCodec& codec = narrowCodec();
  EXPECT_EQ(codec.decode("\x80\x9F\xE9\xA0"), L"€Ÿé\u00A0");
  EXPECT_EQ(codec.encode(L"€Ÿé"), "\x80\x9F\xE9");
}

TEST(NarrowCodec, EveryByteRoundTrips) {
  const NarrowCodec& codec = narrowCodec();
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::wstring text = codec.decode(all);
  ASSERT_EQ(text.size(), all.size());
  EXPECT_EQ(codec.encode(text), all);
  EXPECT_EQ(codec.decode(std::string_view("\x81\x8D\x8F\x90\x9D")), L"\u0081\u008D\u008F\u0090\u009D");
}

TEST(NarrowCodec, UnmappableCharactersBecomeQuestionMarks) {
  const NarrowCodec& codec = narrowCodec();
  EXPECT_EQ(codec.encode(L"a\u4E2Db\u0394c"), "a?b?c");
  EXPECT_EQ(codec.encode(std::wstring(1, static_cast<wchar_t>(0x1F600))), "?");
}

TEST(NarrowCodec, OtherSingleByteCodePagesAndRefusals) {
  const auto latin2 = NarrowCodec::create("CP1250");
  ASSERT_TRUE(latin2);
  EXPECT_EQ(latin2->decode("\x8A"), L"Š");
  EXPECT_EQ(latin2->encode(L"Ł"), "\xA3");
  EXPECT_FALSE(NarrowCodec::create("UTF-8"));
  EXPECT_FALSE(NarrowCodec::create("SHIFT_JIS"));
  EXPECT_FALSE(NarrowCodec::create("NO-SUCH-CODE-PAGE"));
}

TEST(NarrowCodec, SwitchingTheProcessCodePageKeepsEarlierReferencesValid) {
  const NarrowCodec& before = narrowCodec();
  ASSERT_TRUE(setNarrowCodePage("ISO-8859-15"));
  EXPECT_EQ(narrowCodec().decode("\xA4"), L"€");
  EXPECT_EQ(before.decode("\xA4"), L"¤");
  EXPECT_FALSE(setNarrowCodePage("UTF-16"));
  EXPECT_EQ(narrowCodec().codePage(), "ISO-8859-15");
  ASSERT_TRUE(setNarrowCodePage(kDefaultCodePage));
}

}  // namespace
}  // namespace vox::os
