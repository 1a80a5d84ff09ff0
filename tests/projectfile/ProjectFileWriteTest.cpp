#include <gtest/gtest.h>

#include "ProjectFileTextSupport.h"

namespace vox::projectfile::test {
namespace {

VoxPrmFileDetails entry(const std::wstring& name) {
  VoxPrmFileDetails e;
  e.fileName = name;
  return e;
}

TEST(ProjectFileWrite, AnEmptyProjectIsOneLineEnd) { EXPECT_EQ(writeText(VoxPrmProjectData()), "\r\n"); }

TEST(ProjectFileWrite, ItemsInTheirOrderAndOnlySetValues) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"", L"Second", L""});
  VoxPrmMiscProjSettings misc;
  const std::wstring path = L"C:\\Lib";
  const int flags = 12;
  const double scale = 25.4;
  misc.setValue(4, &path);
  misc.setValue(5, &flags);
  misc.setValue(30, &scale);
  data.setMiscProjSettings(misc);
  VoxCfgDrawingSettings defaults;
  const std::wstring sheet = L"07", wires = L"WIRES,RED", name = L"X";
  defaults.setValue(13, &sheet);  // drawing-specific: never written
  defaults.setValue(46, &name);
  defaults.setValue(26, &wires);
  data.setProjDefWDMVals(defaults);
  VoxPrmFileDetails a = entry(L"C:\\Proj\\a.dwg");
  a.descriptions = {L"", L"d2"};
  data.addFile(a);
  VoxPrmFileDetails unnamed = entry(L"");
  unnamed.section = L"lost";
  data.addFile(unnamed);
  EXPECT_EQ(writeText(data), "*[2]Second\r\n+[4]C:\\Lib\r\n+[5]12\r\n+[30]25.400000\r\n?[26]WIRES,RED\r\n===\r\n===d2\r\na.dwg\r\n");
}

TEST(ProjectFileWrite, NamesThatLookLikeOtherLinesReadBackAsThemselves) {
  VoxPrmProjectData data;
  const std::vector<std::wstring> names{L"C:\\Proj\\=a.dwg", L"C:\\Proj\\*b.dwg", L"C:\\Proj\\+c.dwg",
                                        L"C:\\Proj\\?d.dwg", L"C:\\Proj\\\"e.dwg", L"C:\\Proj\\ f.dwg",
                                        L"C:\\Proj\\====REF"};
  for (const auto& n : names) data.addFile(entry(n));
  const std::string text = writeText(data);
  EXPECT_EQ(text.find("\"=a.dwg\r\n"), 0u);
  EXPECT_NE(text.find("\r\n\"*b.dwg\r\n"), std::string::npos);
  const VoxPrmProjectData back = readText(text);
  ASSERT_EQ(back.getProjFileDetails().size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(back.getProjFileDetails()[i].fileName, names[i]);
}

TEST(ProjectFileWrite, PathsRelativeWhereTheyCanBe) {
  VoxPrmProjectData data;
  data.addFile(entry(L"c:\\proj\\Sub\\a.dwg"));
  data.addFile(entry(L"C:\\Other\\b.dwg"));
  data.addFile(entry(L"D:\\Proj\\c.dwg"));
  data.addFile(entry(L"rel\\d.dwg"));
  EXPECT_EQ(writeText(data), "Sub\\a.dwg\r\n..\\Other\\b.dwg\r\nD:\\Proj\\c.dwg\r\nrel\\d.dwg\r\n");
  EXPECT_EQ(readText(writeText(data)).getProjFileDetails()[2].fileName, L"D:\\Proj\\c.dwg");
}

TEST(ProjectFileWrite, LineBreaksInsideTextsCannotSplitLines) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"two\r\nlines"});
  VoxPrmFileDetails a = entry(L"C:\\Proj\\a.dwg");
  a.section = L"sec\ntion";
  data.addFile(a);
  EXPECT_EQ(writeText(data), "*[1]two  lines\r\n=sec tion\r\na.dwg\r\n");

  VoxPrmProjectData odd;  // a name whose line break becomes a leading blank still needs its quote
  odd.addFile(entry(L"C:\\Proj\\\r= x.dwg"));
  EXPECT_EQ(writeText(odd), "\" = x.dwg\r\n");
  EXPECT_EQ(readText(writeText(odd)).getProjFileDetails()[0].fileName, L"C:\\Proj\\ = x.dwg");
}

TEST(ProjectFileWrite, TextsUseTheNarrowCodePage) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"Schaltschrank für Förderband € 5", L"中文"});
  EXPECT_EQ(writeText(data), "*[1]Schaltschrank f\xFCr F\xF6rderband \x80 5\r\n*[2]??\r\n");
  EXPECT_EQ(readText(writeText(data)).getProjDescriptions()[0], L"Schaltschrank für Förderband € 5");
}

TEST(ProjectFileWrite, WhatThisWriterWroteRoundTripsByteForByte) {
  const std::string original =
      "*[1]Demo project\r\n*[4]Line four\r\n+[1]C:\\Lib\r\n+[7]  kept\r\n+[30]1.000000\r\n?[65], \r\n"
      "=Main\r\n==Power\r\n===Sheet one\r\n===\r\n====REF\r\nsub\\one.dwg\r\n\"=two.dwg\r\n"
      "..\\shared\\three.dwg\r\nE:\\x\\four.dwg\r\n";
  const std::string once = writeText(readText(original));
  EXPECT_EQ(withoutDefaultLines(once), original.substr(0, original.find("?[65]")) +
                                           original.substr(original.find("=Main")));
  EXPECT_EQ(writeText(readText(once)), once);
  EXPECT_NE(once.find("?[65], \r\n"), std::string::npos);
}

TEST(ProjectFileWrite, AProjectWithoutDefaultLinesGainsThemAll) {
  const std::string once = writeText(readText("a.dwg\r\n"));
  std::size_t lines = 0;
  for (std::size_t p = once.find("?["); p != std::string::npos; p = once.find("\n?[", p + 1)) ++lines;
  EXPECT_EQ(lines, 75u);
  EXPECT_EQ(once.find("?[13]"), std::string::npos);
  EXPECT_EQ(once.find("?[46]"), std::string::npos);
  EXPECT_NE(once.find("?[0]H\r\n"), std::string::npos);
  EXPECT_NE(once.find("?[76]0.0,0.0,0.0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vox::projectfile::test
