// The project filer asks the host: substitution through the LISP core while a document is open,
// and a message box when a project file cannot be created.

#include <gtest/gtest.h>

#include "projectfile/VoxPrmWDPFiler.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using ProjectFileHost = HostFixture;

std::wstring readSetting(const std::wstring& path, int index) {
  VoxPrmWDPFiler filer(path, true);
  VoxPrmProjectData data;
  EXPECT_TRUE(filer.readProject(data));
  std::wstring value;
  data.getMiscProjSettings().getValue(index, value);
  return value;
}

TEST_F(ProjectFileHost, PathSettingsAreSubstitutedOnlyWhileADocumentIsOpen) {
  int calls = 0;
  lisp().defineBuiltin(L"wd_1_luk4_replaceable_substitution", [&](const std::vector<lisp::Value>& args, std::wstring&) {
    ++calls;
    return lisp::Value::ofString(L"\\lib\\" + args.at(0).text);
  });
  writeNative(temp.native("P.wdp"), "+[1]%LIB%\r\n+[9]%LIB%\r\n");
  EXPECT_EQ(readSetting(temp.path(L"P.wdp"), 1), L"%LIB%");  // no document: not asked
  EXPECT_EQ(calls, 0);
  openDrawing(L"A.dwg");
  EXPECT_EQ(readSetting(temp.path(L"P.wdp"), 1), L"\\lib\\%LIB%");
  EXPECT_EQ(readSetting(temp.path(L"P.wdp"), 9), L"%LIB%");
  EXPECT_EQ(calls, 2);

  lisp().defineBuiltin(L"wd_1_luk4_replaceable_substitution",
                       [](const std::vector<lisp::Value>&, std::wstring&) { return lisp::Value::ofInteger(1); });
  EXPECT_EQ(readSetting(temp.path(L"P.wdp"), 1), L"%LIB%");  // not a string: the value stays
}

TEST_F(ProjectFileHost, ACreateFailureIsShownWithTheCatalogCaption) {
  VoxPrmWDPFiler filer;
  EXPECT_FALSE(filer.openProject(temp.path(L"no\\such\\P.wdp"), false, true));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].icon, HcIcon::kExclamation);
  EXPECT_EQ(answers.asked()[0].caption, *messages().text(L"project-file-error-caption"));
  EXPECT_FALSE(answers.asked()[0].text.empty());
}

}  // namespace
}  // namespace vox::test
