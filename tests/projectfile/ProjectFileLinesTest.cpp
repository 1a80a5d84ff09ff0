#include "projectfile/ProjectFileLines.h"

#include <gtest/gtest.h>

#include <climits>

namespace vox::projectfile {
namespace {

TEST(ProjectFileLines, LeadingIntegerStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(leadingInteger(L"12abc"), 12);
  EXPECT_EQ(leadingInteger(L"  -7"), -7);
  EXPECT_EQ(leadingInteger(L"+5]"), 5);
  EXPECT_EQ(leadingInteger(L"abc"), 0);
  EXPECT_EQ(leadingInteger(L""), 0);
  EXPECT_EQ(leadingInteger(L"99999999999999999999"), INT_MAX);
  EXPECT_EQ(leadingInteger(L"-99999999999999999999"), INT_MIN);
}

TEST(ProjectFileLines, BracketItems) {
  auto item = parseBracketItem(L" [[12]value ] ");
  ASSERT_TRUE(item);
  EXPECT_EQ(item->number, 12);
  EXPECT_EQ(item->value, L"value ] ");
  EXPECT_EQ(parseBracketItem(L"[]x")->number, -1);
  EXPECT_EQ(parseBracketItem(L"[abc]x")->number, 0);
  EXPECT_EQ(parseBracketItem(L"7]x")->number, 7);
  EXPECT_FALSE(parseBracketItem(L"[7 x"));
}

TEST(ProjectFileLines, NamesThatNeedAQuote) {
  for (const wchar_t* name : {L"=a.dwg", L"*a.dwg", L"+a.dwg", L"?a.dwg", L"\"a.dwg", L" a.dwg", L"\ta.dwg"})
    EXPECT_TRUE(drawingNameNeedsQuote(name)) << name;
  for (const wchar_t* name : {L"a.dwg", L"a=b.dwg", L"[1]a.dwg", L""}) EXPECT_FALSE(drawingNameNeedsQuote(name)) << name;
}

}  // namespace
}  // namespace vox::projectfile
