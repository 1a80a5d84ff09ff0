#include "records/VoxPrmMiscProjSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring text(const VoxPrmMiscProjSettings& s, int index) {
  std::wstring value = L"<untouched>";
  s.getValue(index, value);
  return value;
}

TEST(MiscProjSettingsTest, StatusValuesAreFixed) {
  EXPECT_EQ(static_cast<int>(VoxPrmMiscProjSettings::kWrongIndexOrType), 0);
  EXPECT_EQ(static_cast<int>(VoxPrmMiscProjSettings::kOk), 1);
  EXPECT_EQ(static_cast<int>(VoxPrmMiscProjSettings::kNotSet), 2);
  EXPECT_EQ(static_cast<int>(VoxPrmMiscProjSettings::kIndexTooHigh), 3);
  EXPECT_EQ(VoxPrmMiscProjSettings::getMaxBracketIndex(), 38);
}

TEST(MiscProjSettingsTest, TypeOfEveryIndex) {
  std::vector<int> notInteger;
  std::vector<int> doubles;
  for (int i = 0; i <= 39; ++i) {
    const int n = 1;
    const double d = 1.0;
    VoxPrmMiscProjSettings s;
    if (s.setValue(i, &n) == VoxPrmMiscProjSettings::kWrongIndexOrType) notInteger.push_back(i);
    if (s.setValue(i, &d) == VoxPrmMiscProjSettings::kOk) doubles.push_back(i);
  }
  const std::vector<int> expected{0, 1, 2, 3, 4, 7, 9, 16, 17, 20, 22, 24, 26, 27, 30, 33, 35, 38, 39};
  EXPECT_EQ(notInteger, expected);
  EXPECT_EQ(doubles, std::vector<int>{30});
}

TEST(MiscProjSettingsTest, StringOverloadParsesIntegerAndDoubleIndices) {
  VoxPrmMiscProjSettings s;
  const std::wstring digitsThenLetters = L"12abc";
  const std::wstring letters = L"abc";
  s.setValue(5, &digitsThenLetters);
  int n = -1;
  EXPECT_EQ(s.getValue(5, n), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(n, 12);
  s.setValue(5, &letters);
  EXPECT_EQ(text(s, 5), L"0");

  const double d = 1.25;
  s.setValue(30, &d);
  EXPECT_EQ(text(s, 30), L"1.250000");
  const std::wstring keepsBlanks = L"  lead";
  s.setValue(7, &keepsBlanks);
  EXPECT_EQ(text(s, 7), L"  lead");
}

TEST(MiscProjSettingsTest, StatusAtBoundaries) {
  VoxPrmMiscProjSettings s;
  std::wstring str = L"x";
  int n = 5;
  double d = 2.0;
  EXPECT_EQ(s.getValue(7, n), VoxPrmMiscProjSettings::kWrongIndexOrType);
  EXPECT_EQ(s.getValue(39, str), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(s.getValue(0, str), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(str, L"x");
  EXPECT_EQ(s.getValue(39, n), VoxPrmMiscProjSettings::kWrongIndexOrType);
  EXPECT_EQ(s.getValue(38, str), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(s.getValue(37, n), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(s.getValue(30, d), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(s.getValue(31, d), VoxPrmMiscProjSettings::kWrongIndexOrType);
  EXPECT_EQ(str, L"x");
  EXPECT_EQ(n, 5);
  EXPECT_EQ(d, 2.0);
  EXPECT_EQ(s.setValue(39, &str), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(s, VoxPrmMiscProjSettings());
}

TEST(MiscProjSettingsTest, NullUnsetsInEveryOverload) {
  VoxPrmMiscProjSettings s;
  const std::wstring value = L"v";
  const int n = 3;
  const double d = 4.5;
  s.setValue(1, &value);
  s.setValue(5, &n);
  s.setValue(30, &d);
  s.setValue(1, static_cast<const std::wstring*>(nullptr));
  s.setValue(5, static_cast<const int*>(nullptr));
  s.setValue(30, static_cast<const double*>(nullptr));
  std::wstring out;
  EXPECT_EQ(s.getValue(1, out), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(s.getValue(5, out), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(s.getValue(30, out), VoxPrmMiscProjSettings::kNotSet);
}

TEST(MiscProjSettingsTest, CopyIsExactAssignmentOverlays) {
  VoxPrmMiscProjSettings source;
  const std::wstring a = L"A";
  const double d = 1.23456789;
  source.setValue(1, &a);
  source.setValue(30, &d);

  VoxPrmMiscProjSettings target;
  const std::wstring b = L"B";
  target.setValue(2, &b);
  target = source;
  EXPECT_EQ(text(target, 1), L"A");
  EXPECT_EQ(text(target, 2), L"B");
  double copied = 0;
  target.getValue(30, copied);
  EXPECT_DOUBLE_EQ(copied, 1.234568);  // copies go through "%f"

  const VoxPrmMiscProjSettings copy(target);
  EXPECT_EQ(text(copy, 2), L"B");
  EXPECT_EQ(text(copy, 3), L"<untouched>");
  target.reInitializeData();
  EXPECT_EQ(text(target, 1), L"<untouched>");
}

TEST(MiscProjSettingsTest, EqualityIgnoresCaseAndTreatsUnsetAsEmpty) {
  VoxPrmMiscProjSettings a;
  VoxPrmMiscProjSettings b;
  const std::wstring empty;
  b.setValue(9, &empty);
  EXPECT_EQ(a, b);
  const std::wstring lower = L"path", upper = L"PATH";
  a.setValue(1, &lower);
  b.setValue(1, &upper);
  EXPECT_EQ(a, b);
  const int zero = 0;
  a.setValue(5, &zero);
  EXPECT_NE(a, b);  // "0" against ""
}

}  // namespace
