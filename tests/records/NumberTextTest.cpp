#include "records/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vox::records {
namespace {

TEST(NumberTextTest, LeadingIntegerStopsAtFirstOtherCharacter) {
  EXPECT_EQ(parseLeadingInt(L" \t-42 7"), -42);
  EXPECT_EQ(parseLeadingInt(L"+8"), 8);
  EXPECT_EQ(parseLeadingInt(L"- 5"), 0);
  EXPECT_EQ(parseLeadingInt(L"1e3"), 1);
}

TEST(NumberTextTest, LeadingIntegerSaturatesAtThe32BitRange) {
  EXPECT_EQ(parseLeadingInt(L"2147483647"), std::numeric_limits<int>::max());
  EXPECT_EQ(parseLeadingInt(L"99999999999999999999"), std::numeric_limits<int>::max());
  EXPECT_EQ(parseLeadingInt(L"-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(parseLeadingInt(L"-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST(NumberTextTest, LeadingDouble) {
  EXPECT_DOUBLE_EQ(parseLeadingDouble(L"  1.25mm"), 1.25);
  EXPECT_DOUBLE_EQ(parseLeadingDouble(L"+2.5e2x"), 250.0);
  EXPECT_DOUBLE_EQ(parseLeadingDouble(L"-.5"), -0.5);
  EXPECT_DOUBLE_EQ(parseLeadingDouble(L"3e"), 3.0);
  EXPECT_EQ(parseLeadingDouble(L"abc"), 0.0);
  EXPECT_EQ(parseLeadingDouble(L"+-5"), 0.0);
  EXPECT_FALSE(std::signbit(parseLeadingDouble(L"-abc")));
}

TEST(NumberTextTest, LeadingDoubleOutOfRange) {
  EXPECT_EQ(parseLeadingDouble(L"1e999"), HUGE_VAL);
  EXPECT_EQ(parseLeadingDouble(L"-1e999"), -HUGE_VAL);
  EXPECT_EQ(parseLeadingDouble(L"1e-999"), 0.0);
  EXPECT_EQ(parseLeadingDouble(L"0.0001e-330"), 0.0);
}

TEST(NumberTextTest, FormatsLikePrintf) {
  EXPECT_EQ(formatInt(-17), L"-17");
  EXPECT_EQ(formatFixed(1.25), L"1.250000");
  EXPECT_EQ(formatFixed(-0.0000004), L"-0.000000");
  EXPECT_EQ(formatFixed(2.0000005e3), L"2000.000500");
  EXPECT_EQ(formatFixed(1e300).size(), 301u + 7u);
}

}  // namespace
}  // namespace vox::records
