#include "records/VoxPrmProjectData.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

VoxPrmFileDetails entry(const std::wstring& name, bool isReference = false) {
  VoxPrmFileDetails details;
  details.fileName = name;
  details.isReference = isReference;
  return details;
}

VoxPrmProjectData projectOf(const std::vector<std::wstring>& names) {
  VoxPrmProjectData data;
  for (const std::wstring& name : names) data.addFile(entry(name));
  return data;
}

std::vector<std::wstring> namesOf(const std::vector<VoxPrmFileDetails>& entries) {
  std::vector<std::wstring> names;
  for (const VoxPrmFileDetails& e : entries) names.push_back(e.fileName);
  return names;
}

TEST(ProjectDataTest, LookupsIgnoreCaseOnly) {
  VoxPrmProjectData data;
  data.addFile(entry(L"C:\\Proj\\A.dwg", true));
  bool isReference = false;
  EXPECT_TRUE(data.isFileInProject(L"c:\\proj\\a.DWG", &isReference));
  EXPECT_TRUE(isReference);
  isReference = false;
  EXPECT_FALSE(data.isFileInProject(L"C:/Proj/A.dwg", &isReference));
  EXPECT_FALSE(data.isFileInProject(L"C:\\Proj\\A.dwg "));
  EXPECT_FALSE(isReference);
}

TEST(ProjectDataTest, DuplicatesAndFirstMatch) {
  VoxPrmProjectData data;
  VoxPrmFileDetails first = entry(L"A");
  first.section = L"first";
  data.addFile(first);
  data.addFile(entry(L"a"));
  ASSERT_EQ(data.getProjFileDetails().size(), 2u);
  EXPECT_TRUE(data.replaceFile(L"A", L"B"));
  EXPECT_EQ(namesOf(data.getProjFileDetails()), (std::vector<std::wstring>{L"B", L"a"}));
  EXPECT_EQ(data.getProjFileDetails()[0].section, L"first");
  EXPECT_TRUE(data.removeFile(L"A"));
  EXPECT_FALSE(data.removeFile(L"A"));
  EXPECT_FALSE(data.replaceFile(L"A", L"C"));
}

TEST(ProjectDataTest, ModifyTakesCallersCase) {
  VoxPrmProjectData data = projectOf({L"x.dwg", L"y.dwg"});
  VoxPrmFileDetails changed = entry(L"X.DWG", true);
  changed.descriptions = {L"", L"line"};
  EXPECT_TRUE(data.modifyDetailsForFile(changed));
  EXPECT_EQ(data.getProjFileDetails()[0], changed);
  EXPECT_FALSE(data.modifyDetailsForFile(entry(L"z.dwg")));
}

TEST(ProjectDataTest, RemoveFilesKeepsOrderAndCountsDuplicateNames) {
  VoxPrmProjectData data = projectOf({L"A", L"B", L"a", L"C", L"A", L"D"});
  EXPECT_TRUE(data.removeFiles({}));
  EXPECT_EQ(data.getProjFileDetails().size(), 6u);
  EXPECT_FALSE(data.removeFiles({L"Q", L"R"}));
  EXPECT_TRUE(data.removeFiles({L"a", L"c", L"A", L"Q"}));
  EXPECT_EQ(namesOf(data.getProjFileDetails()), (std::vector<std::wstring>{L"B", L"A", L"D"}));
  EXPECT_TRUE(data.removeAllFiles());
  EXPECT_TRUE(data.getProjFileDetails().empty());
}

TEST(ProjectDataTest, GetDetailsForFilesInProjectOrder) {
  const VoxPrmProjectData data = projectOf({L"A", L"B", L"A"});
  std::vector<VoxPrmFileDetails> found{entry(L"stale")};
  EXPECT_TRUE(data.getDetailsForFiles({L"b", L"a"}, found));
  EXPECT_EQ(namesOf(found), (std::vector<std::wstring>{L"A", L"B"}));
  EXPECT_TRUE(data.getDetailsForFiles({L"A", L"a"}, found));
  EXPECT_EQ(namesOf(found), (std::vector<std::wstring>{L"A", L"A"}));
  EXPECT_FALSE(data.getDetailsForFiles({L"Q"}, found));
  EXPECT_TRUE(found.empty());
  found.push_back(entry(L"stale"));
  EXPECT_TRUE(data.getDetailsForFiles({}, found));
  EXPECT_TRUE(found.empty());
}

TEST(ProjectDataTest, AddFilesRefusesItsOwnEntries) {
  VoxPrmProjectData data = projectOf({L"A"});
  const VoxPrmProjectData other = projectOf({L"B", L"C"});
  EXPECT_TRUE(data.addFiles(other.getProjFileDetails()));
  EXPECT_EQ(namesOf(data.getProjFileDetails()), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_THROW(data.addFiles(data.getProjFileDetails()), std::invalid_argument);
  EXPECT_EQ(data.getProjFileDetails().size(), 3u);
}

TEST(ProjectDataTest, EqualityRules) {
  VoxPrmProjectData a = projectOf({L"A", L"B"});
  VoxPrmProjectData b = projectOf({L"A", L"B"});
  EXPECT_EQ(a, b);
  EXPECT_NE(a, projectOf({L"B", L"A"}));
  VoxPrmFileDetails sectioned = entry(L"A");
  sectioned.section = L"s";
  a.modifyDetailsForFile(sectioned);
  sectioned.section = L"S";
  b.modifyDetailsForFile(sectioned);
  EXPECT_NE(a, b);
  b.modifyDetailsForFile(a.getProjFileDetails()[0]);

  VoxPrmMiscProjSettings misc;
  const std::wstring lower = L"value", upper = L"VALUE";
  misc.setValue(1, &lower);
  a.setMiscProjSettings(misc);
  misc.setValue(1, &upper);
  b.setMiscProjSettings(misc);
  EXPECT_EQ(a, b);
  a.setProjDescriptions({L"Desc"});
  b.setProjDescriptions({L"desc"});
  EXPECT_NE(a, b);
}

TEST(ProjectDataTest, AssignmentOverlaysSettingsSettersCopyExactly) {
  VoxPrmProjectData target = projectOf({L"old"});
  VoxPrmMiscProjSettings misc;
  const std::wstring flag = L"Y";
  misc.setValue(9, &flag);
  target.setMiscProjSettings(misc);
  target.setProjDescriptions({L"old line", L"two"});

  VoxPrmProjectData source = projectOf({L"new"});
  source.setProjDescriptions({L"new line"});
  target = source;
  EXPECT_EQ(target.getProjDescriptions(), source.getProjDescriptions());
  EXPECT_EQ(namesOf(target.getProjFileDetails()), std::vector<std::wstring>{L"new"});
  std::wstring value;
  EXPECT_EQ(target.getMiscProjSettings().getValue(9, value), VoxPrmMiscProjSettings::kOk);
  EXPECT_NE(target, source);

  target.setMiscProjSettings(source.getMiscProjSettings());
  EXPECT_EQ(target.getMiscProjSettings().getValue(9, value), VoxPrmMiscProjSettings::kNotSet);
  EXPECT_EQ(target, source);
}

TEST(ProjectDataTest, SettersSurviveTheirOwnRecords) {
  VoxPrmProjectData data;
  VoxPrmMiscProjSettings misc;
  VoxCfgDrawingSettings defaults;
  const std::wstring value = L"v";
  misc.setValue(1, &value);
  defaults.setValue(1, &value);
  data.setMiscProjSettings(misc);
  data.setProjDefWDMVals(defaults);
  data.setMiscProjSettings(data.getMiscProjSettings());
  data.setProjDefWDMVals(data.getProjDefWDMVals());
  EXPECT_EQ(data.getMiscProjSettings(), misc);
  EXPECT_EQ(data.getProjDefWDMVals(), defaults);
}

}  // namespace
