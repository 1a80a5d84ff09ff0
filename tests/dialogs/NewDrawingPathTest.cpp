// The new drawing's file name and path from what the user typed, the check that the path is a
// full path a drawing can be created at, and the drop-down lists gathered from a project's
// drawings: one entry per text ignoring case, blank ones skipped.

#include <gtest/gtest.h>

#include "dialogs/NewDrawingLists.h"
#include "dialogs/NewDrawingPath.h"

namespace vox::dialogs {
namespace {

TEST(NewDrawingPath, TheNameGetsTheDrawingExtensionUnlessItHasIt) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"A12", L"A12.dwg"},         {L"A12.dwg", L"A12.dwg"}, {L"A12.DWG", L"A12.DWG"},
      {L"A12.old", L"A12.old.dwg"}, {L"A12.", L"A12.dwg"},    {L"  A12  ", L"A12.dwg"},
      {L"", L""},                   {L"   ", L""},
  };
  for (const auto& [typed, expected] : cases)
    EXPECT_EQ(drawingFileName(typed), expected) << "typed \"" << std::wstring(typed).size() << " chars\"";
}

TEST(NewDrawingPath, TheLocationOrElseTheProjectFolderHoldsTheDrawing) {
  EXPECT_EQ(composeDrawingPath(L"A12", L"C:\\P\\Sub", L"C:\\P"), L"C:\\P\\Sub\\A12.dwg");
  EXPECT_EQ(composeDrawingPath(L"A12.old", L"C:\\P\\", L"C:\\Q"), L"C:\\P\\A12.old.dwg") << "one separator";
  EXPECT_EQ(composeDrawingPath(L"A12", L"", L"C:\\P"), L"C:\\P\\A12.dwg");
  EXPECT_EQ(composeDrawingPath(L"A12", L"C:/P/Sub", L""), L"C:\\P\\Sub\\A12.dwg");
  EXPECT_EQ(composeDrawingPath(L"A12", L"", L""), L"") << "no folder at all";
  EXPECT_EQ(composeDrawingPath(L"", L"", L""), L"") << "name and location both empty";
  EXPECT_EQ(composeDrawingPath(L" ", L"C:\\P", L"C:\\P"), L"") << "a blank name";
}

TEST(NewDrawingPath, OnlyAFullPathToAFileNameWithoutForbiddenCharactersIsAccepted) {
  const std::wstring cwd = L"C:\\Work";
  EXPECT_TRUE(isQualifiedDrawingPath(L"C:\\P\\A12.dwg", cwd));
  EXPECT_TRUE(isQualifiedDrawingPath(L"\\home\\u\\P\\A 12.dwg", L"\\tmp")) << "a root without a drive";
  EXPECT_TRUE(isQualifiedDrawingPath(L"c:\\p\\a12.dwg", L"C:\\P")) << "case does not matter";
  EXPECT_FALSE(isQualifiedDrawingPath(L"Sub\\A12.dwg", cwd)) << "a relative location";
  EXPECT_FALSE(isQualifiedDrawingPath(L"C:\\P\\..\\A12.dwg", cwd)) << "climbs out of the location";
  EXPECT_FALSE(isQualifiedDrawingPath(L"C:\\P\\.\\A12.dwg", cwd));
  EXPECT_FALSE(isQualifiedDrawingPath(L"C:\\P\\\\A12.dwg", cwd)) << "an empty component";
  for (const wchar_t* bad : {L"A\"12.dwg", L"A*12.dwg", L"A?.dwg", L"A<.dwg", L"A|.dwg", L"A:1.dwg", L"A\n.dwg", L"A\x1b.dwg"})
    EXPECT_FALSE(isQualifiedDrawingPath(std::wstring(L"C:\\P\\") + bad, cwd)) << "forbidden character in a name";
  EXPECT_FALSE(isQualifiedDrawingPath(L"", cwd));
}

VoxPrmFileDetails entry(std::vector<std::wstring> descriptions, std::wstring section = {}, std::wstring subSection = {}) {
  VoxPrmFileDetails details;
  details.descriptions = std::move(descriptions);
  details.section = std::move(section);
  details.subSection = std::move(subSection);
  return details;
}

TEST(NewDrawingLists, DescriptionLinesDifferingOnlyInCaseAreOfferedOnceInProjectOrder) {
  const std::vector<VoxPrmFileDetails> entries{entry({L"Main power", L"Motors"}), entry({L"MAIN POWER", L"  ", L""}),
                                               entry({L" Lighting ", L"motors", L"Heating"})};
  EXPECT_EQ(offeredDescriptions(entries), (std::vector<std::wstring>{L"Main power", L"Motors", L" Lighting ", L"Heating"}))
      << "blank lines skipped, lines offered untrimmed";
}

TEST(NewDrawingLists, ALongDescriptionIsOfferedCutToTheFieldLength) {
  const std::wstring longLine(300, L'x');
  const std::vector<std::wstring> offered = offeredDescriptions({entry({longLine, longLine.substr(0, 256) + L"y"})});
  ASSERT_EQ(offered.size(), 1u) << "both lines are the same once cut";
  EXPECT_EQ(offered.front(), longLine.substr(0, kMaxDescriptionLength));
}

TEST(NewDrawingLists, SectionsAndSubSectionsAreTrimmedAndOfferedOnceIgnoringCase) {
  const std::vector<VoxPrmFileDetails> entries{entry({}, L"Power", L"Main supply"), entry({}, L" power ", L""),
                                               entry({}, L"Control", L"  "), entry({}, L"", L"MAIN SUPPLY"),
                                               entry({}, L"Control ", L"PLC")};
  EXPECT_EQ(offeredSections(entries), (std::vector<std::wstring>{L"Power", L"Control"}));
  EXPECT_EQ(offeredSubSections(entries), (std::vector<std::wstring>{L"Main supply", L"PLC"}));
}

}  // namespace
}  // namespace vox::dialogs
