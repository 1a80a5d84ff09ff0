// The scratch database: rows written by the filler and read back through the recordset the
// module uses; values always bound, names checked, unreadable files refused with their reason.

#include "platform/siblings/ScratchDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFill.h"
#include "host/VoxSiblingServices.h"
#include "support/TempDir.h"

namespace vox::siblings {
namespace {

class ScratchDb : public ::testing::Test {
 protected:
  ScratchDb() : service(log) { voxInstallSiblingServices(VoxSiblingServices{nullptr, nullptr, nullptr, nullptr, &service}); }
  ~ScratchDb() override { voxInstallSiblingServices({}); }

  // A database with rows for "\P\A.dwg" and "\P\sub\B.dwg".
  std::wstring make() {
    std::wstring error;
    const auto db = ScratchDatabase::open(temp.native("P.mdb"), true, error);
    EXPECT_TRUE(db && db->put({{L"\\P\\A.dwg", L"01", L"A-01", L"L3", L"CAB1"}, {L"\\P\\sub\\B.dwg", L"02", L"", L"", L""}},
                              error))
        << std::string(error.begin(), error.end());
    return temp.path(L"P.mdb");
  }
  // What the module selects: FIELD of FILETIME for a drawing, as the tree asks it.
  std::vector<std::wstring> select(VoxOleDbFileRecordset& recordset, const std::wstring& field,
                                   const std::wstring& drawing) {
    std::vector<std::wstring> rows;
    EXPECT_TRUE(recordset.select(field, L"FILETIME", L"DWGNAME = \"" + scratchDrawingName(drawing) + L"\"", rows))
        << std::string(recordset.errorText().begin(), recordset.errorText().end());
    return rows;
  }

  test::TempDir temp;
  CallLog log;
  ScratchDatabaseService service;
};

TEST_F(ScratchDb, TheRecordsetReadsTheRowOfADrawingAndNothingForAnother) {
  VoxOleDbFileRecordset recordset;
  ASSERT_TRUE(recordset.open(make())) << std::string(recordset.errorText().begin(), recordset.errorText().end());
  EXPECT_EQ(select(recordset, L"SH", L"\\p\\a.DWG"), std::vector<std::wstring>{L"01"}) << "names ignore case";
  EXPECT_EQ(select(recordset, L"IEC_L", L"/P/A.dwg"), std::vector<std::wstring>{L"CAB1"}) << "either separator";
  EXPECT_EQ(select(recordset, L"SH", L"\\P\\sub\\B.dwg"), std::vector<std::wstring>{L"02"});
  EXPECT_TRUE(select(recordset, L"SH", L"\\P\\C.dwg").empty()) << "no row is no failure";
  EXPECT_EQ(log.lines(), std::vector<std::wstring>{L"OleDbOpen(" + temp.path(L"P.mdb") + L")"});
}

TEST_F(ScratchDb, ConditionValuesAreBoundAndNamesChecked) {
  VoxOleDbFileRecordset recordset;
  ASSERT_TRUE(recordset.open(make()));
  std::vector<std::wstring> rows;
  EXPECT_TRUE(recordset.select(L"SH", L"FILETIME", L"DWGNAME = \"X\" OR \"1\"=\"1\"", rows));
  EXPECT_TRUE(rows.empty()) << "the whole quoted text is one value";
  for (const auto& [field, table, condition] :
       std::vector<std::tuple<std::wstring, std::wstring, std::wstring>>{{L"SH; DROP TABLE FILETIME", L"FILETIME", L"DWGNAME = \"A\""},
                                                                         {L"SH", L"FILETIME x", L"DWGNAME = \"A\""},
                                                                         {L"SH", L"FILETIME", L"DWGNAME LIKE \"%\""},
                                                                         {L"SH", L"FILETIME", L"DWGNAME = A"},
                                                                         {L"SH", L"NOTABLE", L"DWGNAME = \"A\""}}) {
    EXPECT_FALSE(recordset.select(field, table, condition, rows)) << std::string(field.begin(), field.end());
    EXPECT_FALSE(recordset.errorText().empty());
  }
  EXPECT_EQ(select(recordset, L"SH", L"\\P\\A.dwg"), std::vector<std::wstring>{L"01"}) << "the table is still there";
}

TEST_F(ScratchDb, MissingOrForeignFilesAndAMissingServiceFailWithTheirReason) {
  VoxOleDbFileRecordset recordset;
  EXPECT_FALSE(recordset.open(temp.path(L"none.mdb")));
  EXPECT_NE(recordset.errorText().find(L"cannot be opened"), std::wstring::npos);
  test::writeNative(temp.native("text.mdb"), std::string(4096, 'x'));
  EXPECT_FALSE(recordset.open(temp.path(L"text.mdb")));
  EXPECT_NE(recordset.errorText().find(L"cannot be read"), std::wstring::npos);
  std::vector<std::wstring> rows;
  EXPECT_FALSE(recordset.select(L"SH", L"FILETIME", L"DWGNAME = \"A\"", rows)) << "not open";
  voxInstallSiblingServices({});
  EXPECT_FALSE(recordset.open(make()));
  EXPECT_EQ(recordset.errorText(), L"No scratch database service is available.");
}

TEST_F(ScratchDb, TheSampleProjectFillsOneRowPerDrawingFromItsTitleValues) {
  std::filesystem::copy(std::filesystem::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"),
                        std::filesystem::copy_options::recursive);
  std::vector<ScratchRow> rows;
  std::vector<std::wstring> problems;
  ASSERT_TRUE(tools::scratchRowsOfProject(temp.path(L"Demo\\DEMO.wdp"), rows, problems));
  EXPECT_TRUE(problems.empty()) << std::string(problems.front().begin(), problems.front().end());
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(rows.front().sheet, L"01");
  EXPECT_EQ(rows.front().installation, L"L3");
  EXPECT_EQ(rows.front().location, L"CAB1");
  std::filesystem::remove(temp.native("Demo/DEMO002.dwg"));
  rows.clear();
  ASSERT_TRUE(tools::scratchRowsOfProject(temp.path(L"Demo\\DEMO.wdp"), rows, problems));
  ASSERT_EQ(problems.size(), 1u) << "a missing drawing is named and skipped";
  EXPECT_NE(problems.front().find(L"DEMO002.dwg"), std::wstring::npos);
}

TEST_F(ScratchDb, RowsKeptRelativeToTheDatabasesFolderMatchWhereverTheFolderIsCopied) {
  std::vector<ScratchRow> rows{{temp.path(L"P\\sheets\\A.dwg"), L"01", L"", L"", L""},
                               {temp.path(L"Elsewhere\\B.dwg"), L"02", L"", L"", L""}};
  tools::makeRelativeTo(rows, temp.path(L"p"));
  EXPECT_EQ(rows[0].drawingPath, L"sheets\\A.dwg");
  EXPECT_EQ(rows[1].drawingPath, temp.path(L"Elsewhere\\B.dwg")) << "a drawing outside the folder keeps its path";

  std::filesystem::create_directories(temp.native("copy"));
  std::wstring error;
  ASSERT_TRUE(ScratchDatabase::open(temp.native("copy/P.mdb"), true, error)->put(rows, error));
  VoxOleDbFileRecordset recordset;
  ASSERT_TRUE(recordset.open(temp.path(L"copy\\P.mdb")));
  EXPECT_EQ(select(recordset, L"SH", temp.path(L"copy\\sheets\\a.DWG")), std::vector<std::wstring>{L"01"})
      << "found below the database's folder";
  EXPECT_EQ(select(recordset, L"SH", temp.path(L"Elsewhere\\B.dwg")), std::vector<std::wstring>{L"02"});
  EXPECT_TRUE(select(recordset, L"SH", temp.path(L"sheets\\A.dwg")).empty()) << "not below the folder: no row";
}

}  // namespace
}  // namespace vox::siblings
