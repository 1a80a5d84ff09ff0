// Drawing node texts by display order, with and without the project's scratch database.

#include "palette/DrawingNodeText.h"

#include <gtest/gtest.h>

#include "host/VoxPmOleDb.h"
#include "platform/siblings/ScratchDatabase.h"
#include "support/HostFixture.h"

namespace vox::palette {
namespace {

VoxPrmFileDetails entry(std::vector<std::wstring> descriptions) {
  VoxPrmFileDetails e;
  e.fileName = L"C:\\P\\sheets\\A01.dwg";
  e.section = L"Power";
  e.subSection = L"";
  e.descriptions = std::move(descriptions);
  return e;
}

TEST(DrawingNodeText, PartsByDisplayOrderJoinedWhereNotEmpty) {
  const VoxPrmFileDetails a = entry({L"Motor circuit", L"", L"Cabinet 3"});
  EXPECT_EQ(drawingNodeText(a, {103}, L"-", {}), L"A01.dwg");
  EXPECT_EQ(drawingNodeText(a, {103, 108}, L"-", {}), L"A01.dwg - Motor circuit");
  EXPECT_EQ(drawingNodeText(a, {291, 103, 105, 292, 104}, L"/", {}), L"A01.dwg / Cabinet 3 / Power")
      << "empty parts add neither text nor joiner, also at the start";
  EXPECT_EQ(drawingNodeText(entry({L"One"}), {108, 291, 292}, L"-", {}), L"One") << "lines the entry lacks";
  EXPECT_EQ(drawingNodeText(a, {999, 0, -1}, L"-", {}), L"") << "unknown codes give nothing";
  EXPECT_EQ(drawingNodeText(a, {101, 102, 106, 107}, L"-", {}), L"") << "no scratch database";

  const ScratchValue scratch = [](int code) { return code == 106 ? L"12" : code == 101 ? L"=PLANT" : L""; };
  EXPECT_EQ(drawingNodeText(a, {101, 102, 106, 107, 103}, L"|", scratch), L"=PLANT | 12 | A01.dwg");
  EXPECT_EQ(drawingNodeText(a, {104, 103}, L"", {}), L"Power  A01.dwg") << "an empty separator keeps both blanks";
}

TEST(DrawingNodeText, TheScratchConditionUsesForwardSlashesAndUpperCase) {
  EXPECT_EQ(scratchConditionFor(L"C:\\p\\Sub\\a01.dwg"), L"DWGNAME = \"C:/P/SUB/A01.DWG\"");
  ASSERT_NE(scratchFieldForCode(107), nullptr);
  EXPECT_EQ(*scratchFieldForCode(107), L"SHDWGNAM");
  EXPECT_EQ(scratchFieldForCode(103), nullptr);
}

class ScratchValues : public test::StandInHostFixture {
 protected:
  std::wstring database() {
    std::wstring error;
    const auto db = siblings::ScratchDatabase::open(temp.native("P.mdb"), true, error);
    EXPECT_TRUE(db && db->put({{temp.path(L"A01.dwg"), L"7", L"D-7", L"=P1", L"+L2"}}, error));
    return temp.path(L"P.mdb");
  }
};

TEST_F(ScratchValues, ValuesComeFromTheDrawingsRowAndFailuresArePrinted) {
  VoxOleDbFileRecordset recordset;
  ASSERT_TRUE(recordset.open(database())) << std::string(recordset.errorText().begin(), recordset.errorText().end());
  std::wstring value = L"unchanged";
  EXPECT_TRUE(valueFromScratchDb(value, temp.path(L"a01.DWG"), 106, recordset));
  EXPECT_EQ(value, L"7") << "the drawing's row is found ignoring case";
  EXPECT_TRUE(valueFromScratchDb(value, temp.path(L"A01.dwg"), 102, recordset));
  EXPECT_EQ(value, L"+L2");
  value = L"unchanged";
  EXPECT_TRUE(valueFromScratchDb(value, temp.path(L"B99.dwg"), 107, recordset)) << "no row is no failure";
  EXPECT_EQ(value, L"unchanged");
  EXPECT_FALSE(valueFromScratchDb(value, temp.path(L"A01.dwg"), 103, recordset)) << "not a database field";

  recordset.close();
  const std::size_t before = host().commandLine().transcript().size();
  EXPECT_FALSE(valueFromScratchDb(value, temp.path(L"A01.dwg"), 106, recordset));
  EXPECT_FALSE(recordset.errorText().empty());
  EXPECT_NE(host().commandLine().transcript().find(recordset.errorText(), before), std::wstring::npos)
      << "the recordset's error text is printed on the command line";
}

}  // namespace
}  // namespace vox::palette
