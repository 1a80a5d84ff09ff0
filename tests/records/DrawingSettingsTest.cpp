#include "records/VoxCfgDrawingSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kText = L"text";

TEST(DrawingSettingsTest, StatusAtBoundaries) {
  EXPECT_EQ(VoxCfgDrawingSettings::getMaxBracketIndex(), 76);
  static_assert(VoxCfgDrawingSettings::kMaxBracketIndex == 76);
  VoxCfgDrawingSettings s;
  EXPECT_EQ(s.setValue(77, &kText), VoxCfgDrawingSettings::kIndexTooHigh);
  EXPECT_EQ(s.setValue(-1, &kText), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(s, VoxCfgDrawingSettings());
  EXPECT_EQ(s.setValue(76, &kText), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(s.setValue(0, &kText), VoxCfgDrawingSettings::kOk);

  std::wstring out = L"x";
  EXPECT_EQ(s.getValue(77, out), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(s.getValue(-1, out), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(s.getValue(1, out), VoxCfgDrawingSettings::kNotSet);
  EXPECT_EQ(out, L"x");
  EXPECT_EQ(s.getValue(76, out), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(out, kText);

  s.setValue(76, nullptr);
  EXPECT_EQ(s.getValue(76, out), VoxCfgDrawingSettings::kNotSet);
}

TEST(DrawingSettingsTest, CopyIsExactAssignmentOverlays) {
  VoxCfgDrawingSettings source;
  const std::wstring a = L"A", b = L"B";
  source.setValue(3, &a);
  VoxCfgDrawingSettings target;
  target.setValue(4, &b);
  target = source;
  std::wstring out;
  EXPECT_EQ(target.getValue(3, out), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(out, L"A");
  EXPECT_EQ(target.getValue(4, out), VoxCfgDrawingSettings::kOk);
  EXPECT_EQ(out, L"B");

  const VoxCfgDrawingSettings copy(source);
  EXPECT_EQ(copy, source);
  target.reInitializeData();
  EXPECT_EQ(target, VoxCfgDrawingSettings());
}

TEST(DrawingSettingsTest, EqualityIgnoresCaseButNotSetState) {
  VoxCfgDrawingSettings a;
  VoxCfgDrawingSettings b;
  const std::wstring lower = L"wires", upper = L"WIRES", empty;
  a.setValue(26, &lower);
  b.setValue(26, &upper);
  EXPECT_EQ(a, b);
  a.setValue(20, &empty);
  EXPECT_NE(a, b);
  b.setValue(20, &empty);
  EXPECT_EQ(a, b);
  b.setValue(76, &empty);
  EXPECT_NE(a, b);
}

TEST(DrawingSettingsTest, TagLookups) {
  std::wstring tag = L"x";
  EXPECT_FALSE(VoxCfgDrawingSettings::getWD_MTagForIndex(77, tag));
  EXPECT_FALSE(VoxCfgDrawingSettings::getWD_MTagForIndex(-1, tag));
  EXPECT_EQ(tag, L"x");
  ASSERT_TRUE(VoxCfgDrawingSettings::getWD_MTagForIndex(0, tag));
  EXPECT_EQ(tag, L"RUNGHORV");
  ASSERT_TRUE(VoxCfgDrawingSettings::getWD_MTagForIndex(76, tag));
  EXPECT_EQ(tag, L"WNUM_GAP");

  EXPECT_FALSE(VoxCfgDrawingSettings::getWD_MAltTagForIndex(12, tag));
  ASSERT_TRUE(VoxCfgDrawingSettings::getWD_MAltTagForIndex(13, tag));
  EXPECT_EQ(tag, L"SHEET_");

  EXPECT_EQ(VoxCfgDrawingSettings::getIndexForWD_MTag(L"wiremode"), 6);
  EXPECT_EQ(VoxCfgDrawingSettings::getIndexForWD_MTag(std::wstring(L"Wire-Start")), 7);
  EXPECT_EQ(VoxCfgDrawingSettings::getIndexForWD_MTag(L"SHEET_"), -1);
  EXPECT_EQ(VoxCfgDrawingSettings::getIndexForWD_MTag(static_cast<const wchar_t*>(nullptr)), -1);
}

TEST(DrawingSettingsTest, EveryTagMapsBackToItsIndex) {
  for (int i = 0; i <= VoxCfgDrawingSettings::kMaxBracketIndex; ++i) {
    std::wstring tag;
    ASSERT_TRUE(VoxCfgDrawingSettings::getWD_MTagForIndex(i, tag));
    EXPECT_EQ(VoxCfgDrawingSettings::getIndexForWD_MTag(tag), i) << i;
  }
}

}  // namespace
