#include <gtest/gtest.h>

#include "ProjectFileTextSupport.h"

namespace vox::projectfile::test {
namespace {

TEST(ProjectFileRead, DescriptionLinesByNumber) {
  const VoxPrmProjectData data = readText("*[3]third line \r\n*+[5] fifth\r\n*[0]zero\r\n*[2000000000]huge\r\n");
  const std::vector<std::wstring> expected{L"", L"", L"third line ", L"", L" fifth"};
  EXPECT_EQ(data.getProjDescriptions(), expected);
  EXPECT_EQ(withoutDefaultLines(writeText(data)), "*[3]third line \r\n*[5] fifth\r\n");
}

TEST(ProjectFileRead, MiscSettingsKeepOrStripLeadingBlanksByIndex) {
  const VoxPrmProjectData data = readText("+[7]  spaced \r\n+[6]  12\r\n+[9]  flags \r\n+[30]2.5\r\n+[39]x\r\n+[0]y\r\n");
  EXPECT_EQ(miscSetting(data, 7), L"  spaced ");
  int six = 0;
  EXPECT_EQ(data.getMiscProjSettings().getValue(6, six), VoxPrmMiscProjSettings::kOk);
  EXPECT_EQ(six, 12);
  EXPECT_EQ(miscSetting(data, 9), L"flags ");
  EXPECT_EQ(miscSetting(data, 30), L"2.500000");
  EXPECT_EQ(miscSetting(data, 1), L"<unset>");
}

TEST(ProjectFileRead, DrawingSettingsKeepTrailingBlanksAndSomeLeadingOnes) {
  const VoxPrmProjectData data = readText("?[65], \r\n?[63] ,x\r\n?[12]  4.5 \r\n?[abc]V\r\n?[]ignored\r\n?[77]no\r\n?[5 no\r\n");
  EXPECT_EQ(drawingSetting(data, 65), L", ");
  EXPECT_EQ(drawingSetting(data, 63), L" ,x");
  EXPECT_EQ(drawingSetting(data, 12), L"4.5 ");
  EXPECT_EQ(drawingSetting(data, 0), L"V");  // a number without digits is 0
  EXPECT_EQ(drawingSetting(data, 5), L"%F%N");  // the malformed line changed nothing
}

TEST(ProjectFileRead, MissingDefaultDrawingSettingsAreFilledFromTheMiscSettings) {
  const VoxPrmProjectData data = readText("+[5]8\r\n+[7]fill\r\n?[66]7\r\n");
  EXPECT_EQ(drawingSetting(data, 11), L"0.75");
  EXPECT_EQ(drawingSetting(data, 60), L"1");
  EXPECT_EQ(drawingSetting(data, 63), L"fill");
  EXPECT_EQ(drawingSetting(data, 66), L"7");  // the file's value wins over the derived one
  EXPECT_EQ(drawingSetting(data, 13), L"");
}

TEST(ProjectFileRead, EntryLinesBuildOneEntry) {
  const VoxPrmProjectData data =
      readText("=Section A  \r\n==Sub\r\n===First description\r\n===\r\n====REF\r\n  dwg/one.dwg  \r\n");
  ASSERT_EQ(data.getProjFileDetails().size(), 1u);
  const VoxPrmFileDetails& entry = data.getProjFileDetails()[0];
  EXPECT_EQ(entry.fileName, L"C:\\Proj\\dwg\\one.dwg");
  EXPECT_EQ(entry.section, L"Section A");
  EXPECT_EQ(entry.subSection, L"Sub");
  EXPECT_EQ(entry.descriptions, (std::vector<std::wstring>{L"First description", L""}));
  EXPECT_TRUE(entry.isReference);
  EXPECT_EQ(withoutDefaultLines(writeText(data)),
            "=Section A\r\n==Sub\r\n===First description\r\n===\r\n====REF\r\ndwg\\one.dwg\r\n");
}

TEST(ProjectFileRead, LaterEntryLinesReplaceEarlierOnesAndAnEntryStartsClean) {
  const VoxPrmProjectData data = readText("=one\r\n=two\r\n==a\r\n==\r\n=====deep\r\nx.dwg\r\ny.dwg\r\n=dangling\r\n===left\r\n");
  ASSERT_EQ(data.getProjFileDetails().size(), 2u);
  const VoxPrmFileDetails& x = data.getProjFileDetails()[0];
  EXPECT_EQ(x.section, L"two");
  EXPECT_EQ(x.subSection, L"");
  EXPECT_EQ(x.descriptions, std::vector<std::wstring>{L"deep"});
  VoxPrmFileDetails y;
  y.fileName = L"C:\\Proj\\y.dwg";
  EXPECT_EQ(data.getProjFileDetails()[1], y);
}

TEST(ProjectFileRead, DrawingPathsQuotedAbsoluteOrOnAnotherDrive) {
  const VoxPrmProjectData data = readText("\"=odd.dwg\r\nD:\\Elsewhere\\b.dwg\r\n\\\\srv\\share\\c.dwg\r\n..\\up.dwg\r\n\"\"q.dwg\r\n");
  const auto& entries = data.getProjFileDetails();
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].fileName, L"C:\\Proj\\=odd.dwg");
  EXPECT_EQ(entries[1].fileName, L"D:\\Elsewhere\\b.dwg");
  EXPECT_EQ(entries[2].fileName, L"\\\\srv\\share\\c.dwg");
  EXPECT_EQ(entries[3].fileName, L"C:\\up.dwg");
  EXPECT_EQ(entries[4].fileName, L"C:\\Proj\\\"q.dwg");
}

TEST(ProjectFileRead, LineEndsAndBlankLinesDoNotMatter) {
  const std::string crlf = "*[1]Demo\r\n\r\n   \r\n=S\r\na.dwg\r\n+[6]3\r\n";
  std::string lf = crlf;
  for (std::size_t p; (p = lf.find('\r')) != std::string::npos;) lf.erase(p, 1);
  const VoxPrmProjectData a = readText(crlf);
  const VoxPrmProjectData b = readText(lf);
  EXPECT_EQ(a, b);
  EXPECT_EQ(writeText(a), writeText(b));
  EXPECT_EQ(readText("a.dwg").getProjFileDetails().size(), 1u);  // no final line end
  const VoxPrmProjectData strayReturns = readText("=Sec\r \t\r\n\r==Sub\r\nx\r.dwg\r\r\n");
  ASSERT_EQ(strayReturns.getProjFileDetails().size(), 1u);
  EXPECT_EQ(strayReturns.getProjFileDetails()[0].section, L"Sec");
  EXPECT_EQ(strayReturns.getProjFileDetails()[0].subSection, L"Sub");
  EXPECT_EQ(strayReturns.getProjFileDetails()[0].fileName, L"C:\\Proj\\x.dwg");
}

TEST(ProjectFileRead, SubstitutionAppliesToTheFirstFourMiscSettings) {
  int calls = 0;
  const auto substitute = [&](const std::wstring& v) -> std::optional<std::wstring> {
    ++calls;
    if (v == L"keep") return std::nullopt;
    return L"[" + v + L"]";
  };
  const VoxPrmProjectData data = readText("+[1] %P%\r\n+[4]keep\r\n+[5]1\r\n+[20]%P%\r\n", substitute);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(miscSetting(data, 1), L"[%P%]");
  EXPECT_EQ(miscSetting(data, 4), L"keep");
  EXPECT_EQ(miscSetting(data, 20), L"%P%");
}

TEST(ProjectFileRead, ReadingReplacesTheEntriesOfTheData) {
  VoxPrmProjectData data = readText("old.dwg\r\n");
  readProjectText("new.dwg\r\n", os::narrowCodec(), ProjectFolderPaths(kFolder), {}, data);
  ASSERT_EQ(data.getProjFileDetails().size(), 1u);
  EXPECT_EQ(data.getProjFileDetails()[0].fileName, L"C:\\Proj\\new.dwg");
}

TEST(ProjectFileRead, GarbageNeverBreaksTheReader) {
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  const VoxPrmProjectData data = readText(garbage);
  const std::string written = writeText(data);
  EXPECT_EQ(writeText(readText(written)), written);
  const VoxPrmProjectData nulls = readText(std::string("a\0b.dwg\r\n", 9));
  ASSERT_EQ(nulls.getProjFileDetails().size(), 1u);
  EXPECT_EQ(nulls.getProjFileDetails()[0].fileName, std::wstring(L"C:\\Proj\\a\0b.dwg", 15));
}

}  // namespace
}  // namespace vox::projectfile::test
