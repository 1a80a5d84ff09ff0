// Number checks of numeric fields, and the flag word helpers.

#include "dialogs/NumberChecks.h"

#include <gtest/gtest.h>

#include "dialogs/MiscFlagBits.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {
namespace {

TEST(NumberChecks, RealNumbersMustBeWholeTexts) {
  for (const wchar_t* good : {L"1", L"1.0", L" 25.4 ", L"-0.5", L".5", L"5.", L"+2", L"1e3", L"2.5E-2"}) {
    EXPECT_TRUE(isRealNumber(good)) << good;
  }
  for (const wchar_t* bad : {L"", L" ", L"1.5x", L"1,5", L"abc", L".", L"-", L"1e", L"inf", L"nan", L"1 2", L"1..2"}) {
    EXPECT_FALSE(isRealNumber(bad)) << bad;
  }
}

TEST(NumberChecks, WholeNumbersFitIn32Bits) {
  for (const wchar_t* good : {L"0", L"07", L" 12 ", L"-3", L"2147483647", L"-2147483648"}) {
    EXPECT_TRUE(isWholeNumber(good)) << good;
  }
  for (const wchar_t* bad : {L"", L"1.5", L"2147483648", L"-2147483649", L"12a", L"+", L"1e2"}) {
    EXPECT_FALSE(isWholeNumber(bad)) << bad;
  }
}

TEST(NumberChecks, NumberListsNeedANumberBetweenEveryComma) {
  EXPECT_TRUE(isRealList(L"0.0,0.0,0.0"));
  EXPECT_TRUE(isRealList(L"1"));
  EXPECT_TRUE(isRealList(L"1, 2.5 ,3"));
  EXPECT_FALSE(isRealList(L""));
  EXPECT_FALSE(isRealList(L"1,,2"));
  EXPECT_FALSE(isRealList(L"1,2,"));
  EXPECT_FALSE(isRealList(L"1;2"));
}

TEST(MiscFlagBits, OnlyTheMaskedBitsChange) {
  EXPECT_EQ(withBits(0b1111111, kFlagSearchPlcAddress, 0), 0b1101111);
  EXPECT_EQ(withBits(0, kFlagWireTeeStyle, 64), 64);
  EXPECT_EQ(withBits(96 | 1, kFlagWireTeeStyle, 32), 33);
  EXPECT_EQ(withBits(0, kFlagScaleMmFullSize, 0xFF), 1) << "bits outside the mask are ignored";

  VoxCfgDrawingSettings settings;
  EXPECT_EQ(miscFlags(settings, 9), 9) << "unset word: the fallback";
  storeFlagBits(settings, kFlagIgnoreLayer0, kFlagIgnoreLayer0, 9);
  std::wstring word;
  settings.getValue(kMiscFlagsIndex, word);
  EXPECT_EQ(word, L"11") << "the fallback is the base of an unset word";
  const std::wstring garbage = L"x";
  settings.setValue(kMiscFlagsIndex, &garbage);
  EXPECT_EQ(miscFlags(settings, 9), 0) << "a set word without a number counts as 0";
}

}  // namespace
}  // namespace vox::dialogs
