#include <gtest/gtest.h>

#include <string>

#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"
#include "records/VoxPrmProjectData.h"

namespace {

// Opens the protected operations to the tests.
class Settings : public VoxCfgDrawingSettings {
 public:
  using VoxCfgDrawingSettings::fillDependantDefaultsUsingDependancy;
  using VoxCfgDrawingSettings::fillDependantDefaultsUsingHCD;
  using VoxCfgDrawingSettings::fillHCDefaults;
  using VoxCfgDrawingSettings::firstListInSecondList;
  using VoxCfgDrawingSettings::mergeWireLays;

  std::wstring at(int index) const {
    std::wstring value = L"<unset>";
    getValue(index, value);
    return value;
  }
  void put(int index, const std::wstring& value) { setValue(index, &value); }
  void unset(int index) { setValue(index, nullptr); }
};

VoxPrmMiscProjSettings miscWith(int setting5, int setting8, int setting28) {
  VoxPrmMiscProjSettings misc;
  misc.setValue(5, &setting5);
  misc.setValue(8, &setting8);
  misc.setValue(28, &setting28);
  return misc;
}

TEST(DrawingSettingsDefaultsTest, BuiltInDefaultsCover0To59Only) {
  Settings s;
  s.fillHCDefaults();
  EXPECT_EQ(s.at(0), L"H");
  EXPECT_EQ(s.at(8), L",A,B,C,D,E,F,G,H,J,K,L,M,N");
  EXPECT_EQ(s.at(11), L"0.75");
  EXPECT_EQ(s.at(13), L"");  // set, but empty
  EXPECT_EQ(s.at(26), L"WIRES");
  EXPECT_EQ(s.at(45), L"SYMS");
  EXPECT_EQ(s.at(56), L"_MULTI_WIRE");
  EXPECT_EQ(s.at(59), L"");
  EXPECT_EQ(s.at(60), L"<unset>");
}

TEST(DrawingSettingsDefaultsTest, DependentDefaultsWithoutProject) {
  Settings s;
  s.put(63, L"old");
  s.fillDependantDefaultsUsingHCD();
  const wchar_t* expected[] = {L"0", L"0", L"0", L"", L"0", L",", L"1", L"0", L"NO,NC,NONC",
                               L"Standard", L"%T", L"1,2,3,5",
                               L"W1,T1,TYPE,T2,W2,REF,SH,SHDWGNAM,FILENAME,FULLFILENAM",
                               L"MC,MC,MC,MC,MC,MC,MC,MC,L,L", L"0.0", L"1", L"0.0,0.0,0.0"};
  for (int i = 60; i <= 76; ++i) EXPECT_EQ(s.at(i), expected[i - 60]) << i;
  EXPECT_EQ(s.at(59), L"<unset>");
}

TEST(DrawingSettingsDefaultsTest, DependentDefaultsFollowMiscSettings) {
  Settings s;
  s.fillWithDefaults(miscWith(8, 1, 1));
  EXPECT_EQ(s.at(60), L"1");
  EXPECT_EQ(s.at(64), L"1");
  EXPECT_EQ(s.at(65), L", ");
  EXPECT_EQ(s.at(66), L"0");
  EXPECT_EQ(s.at(67), L"1");
  EXPECT_EQ(s.at(0), L"H");

  s.fillWithDefaults(miscWith(7, 2, 0));
  EXPECT_EQ(s.at(60), L"0");
  EXPECT_EQ(s.at(64), L"0");
  EXPECT_EQ(s.at(65), L",");
  EXPECT_EQ(s.at(66), L"1");
  EXPECT_EQ(s.at(67), L"0");
  EXPECT_EQ(s.at(61), L"0");
  EXPECT_EQ(s.at(63), L"");  // set to empty while misc 7 is unset

  VoxPrmMiscProjSettings misc;
  const std::wstring fill = L"-";
  misc.setValue(7, &fill);
  s.fillDependantDefaultsUsingDependancy(misc);
  EXPECT_EQ(s.at(61), L"1");
  EXPECT_EQ(s.at(63), L"-");
  EXPECT_EQ(s.at(60), L"0");  // unset 5 counts as 0
}

TEST(DrawingSettingsDefaultsTest, LispCoreTextsReplaceBuiltIns) {
  vox::records::DependentDefaultTexts texts;
  texts.xrefTableIndex = L"9";
  texts.wireNumberGap = L"1.0";
  Settings s;
  s.fillWithDefaults(VoxPrmMiscProjSettings(), texts);
  EXPECT_EQ(s.at(71), L"9");
  EXPECT_EQ(s.at(76), L"1.0");
  EXPECT_EQ(s.at(72), L"W1,T1,TYPE,T2,W2,REF,SH,SHDWGNAM,FILENAME,FULLFILENAM");
}

TEST(DrawingSettingsDefaultsTest, ProjectDefaultsWinWhereTheyAreSet) {
  VoxPrmProjectData project;
  VoxCfgDrawingSettings projectDefaults;
  const std::wstring width = L"6.0";
  projectDefaults.setValue(12, &width);
  project.setProjDefWDMVals(projectDefaults);
  VoxPrmMiscProjSettings misc = miscWith(8, 0, 0);
  project.setMiscProjSettings(misc);

  Settings s;
  s.fillWithProjectDefaults(&project);
  EXPECT_EQ(s.at(12), L"6.0");
  EXPECT_EQ(s.at(11), L"0.75");
  EXPECT_EQ(s.at(60), L"1");

  s.fillWithProjectDefaults(nullptr);
  EXPECT_EQ(s.at(12), L"4.5");
  EXPECT_EQ(s.at(60), L"0");
}

TEST(DrawingSettingsDefaultsTest, MergeWireLays) {
  std::wstring second = L"wires,BLUE";
  Settings::mergeWireLays(L"WIRES,RED", second);
  EXPECT_EQ(second, L"wires,BLUE,RED");
  second = L"B";
  Settings::mergeWireLays(L"A,a", second);
  EXPECT_EQ(second, L"B,A");
  second = L"B";
  Settings::mergeWireLays(L"C, ", second);
  EXPECT_EQ(second, L"B,C");
  Settings::mergeWireLays(L"", second);
  EXPECT_EQ(second, L"B,C");
  second.clear();
  Settings::mergeWireLays(L"X,Y ", second);
  EXPECT_EQ(second, L"X,Y ");
  second = L"P";
  Settings::mergeWireLays(second, second);  // the same string on both sides
  EXPECT_EQ(second, L"P");
}

TEST(DrawingSettingsDefaultsTest, FirstListInSecondList) {
  EXPECT_TRUE(Settings::firstListInSecondList(L"red,wires", L"WIRES,RED,BLUE"));
  EXPECT_FALSE(Settings::firstListInSecondList(L"WIRES,RED,BLUE", L"red,wires"));
  EXPECT_TRUE(Settings::firstListInSecondList(L"", L""));
  EXPECT_TRUE(Settings::firstListInSecondList(L"RED, ", L"RED"));
  EXPECT_FALSE(Settings::firstListInSecondList(L"RED", L""));
}

TEST(DrawingSettingsDefaultsTest, CompareSkipsDrawingSpecificIndices) {
  Settings a;
  a.fillWithDefaults(VoxPrmMiscProjSettings());
  Settings b = a;
  b.put(13, L"7");
  b.unset(51);
  EXPECT_TRUE(a.CompareNonDrawingSpecificValues(b));
  b.put(50, L"1");
  EXPECT_FALSE(a.CompareNonDrawingSpecificValues(b));
  b.put(50, L"0");
  b.unset(20);
  EXPECT_FALSE(a.CompareNonDrawingSpecificValues(b));

  Settings c = a;
  a.put(26, L"WIRES,RED,BLUE");
  c.put(26, L"red,wires");
  EXPECT_TRUE(a.CompareNonDrawingSpecificValues(c));
  EXPECT_FALSE(c.CompareNonDrawingSpecificValues(a));
}

TEST(DrawingSettingsDefaultsTest, CopySharedValues) {
  Settings source;
  source.put(0, L"V");
  source.put(13, L"SHEET-9");
  source.put(26, L"RED,WIRES");
  Settings target;
  target.put(20, L"3.0");
  target.put(26, L"wires,BLUE");
  target.put(46, L"own");

  Settings keeping = target;
  keeping.CopyNonDrawingSpecificValues(source, false);
  EXPECT_EQ(keeping.at(0), L"V");
  EXPECT_EQ(keeping.at(13), L"<unset>");
  EXPECT_EQ(keeping.at(20), L"3.0");
  EXPECT_EQ(keeping.at(26), L"wires,BLUE,RED");
  EXPECT_EQ(keeping.at(46), L"own");

  target.CopyNonDrawingSpecificValues(source, true);
  EXPECT_EQ(target.at(20), L"<unset>");
  EXPECT_EQ(target.at(46), L"own");
  EXPECT_TRUE(target.CompareNonDrawingSpecificValues(source));

  Settings empty;
  empty.CopyNonDrawingSpecificValues(source, false);
  EXPECT_EQ(empty.at(26), L"RED,WIRES");
}

}  // namespace
