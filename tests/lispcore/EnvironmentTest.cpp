// Environment values, messages, substitution, globals and the drawing setting defaults.

#include "LispCoreTestSupport.h"
#include "host/DependentDefaultsFromLispCore.h"
#include "host/LispCoreFunctions.h"
#include "platform/lisp/LispReader.h"
#include "platform/lispcore/Substitution.h"

namespace vox::test {
namespace {

using Environment = LispCoreTest;
namespace module = host::lispcore;
using lisp::Value;

constexpr const wchar_t* kEnvironmentKey = L"Software\\VoxFolio\\LispCore\\Environment";

TEST_F(Environment, StoredValuesWinOverDefaultsFromTheFolders) {
  EXPECT_EQ(module::environmentValue(L"WD_PROJ"), userPath() + L"\\proj");
  EXPECT_EQ(module::environmentValue(L"wd_lib"), libraryPath(L""));
  EXPECT_EQ(module::environmentValue(L"WD_PMENU"), libraryPath(L"\\panel\\wd_pmenu.dat"));
  EXPECT_EQ(module::environmentValue(L"WD_OPEN_DWG"), L"");  // no command after opening
  EXPECT_FALSE(module::environmentValue(L"WD_NO_SUCH_ENTRY"));
  store.setString(kEnvironmentKey, L"wd_proj", L"\\srv\\projects");
  EXPECT_EQ(module::environmentValue(L"WD_PROJ"), L"\\srv\\projects");
  EXPECT_NE(errorOf(L"(c:wd_getenv 'WD_PROJ)"), L"");
}

TEST_F(Environment, MessagesComeFromTheStoreElseTheDefaultText) {
  EXPECT_EQ(module::message(L"CFG060", L"Wire layers"), L"Wire layers");
  store.setString(L"Software\\VoxFolio\\LispCore\\Messages", L"CFG060", L"Layers of wires");
  EXPECT_EQ(module::message(L"cfg060", L"Wire layers"), L"Layers of wires");
  EXPECT_EQ(eval(L"(c:wd_msg \"CFG061\" nil nil)"), Value::nil());
  EXPECT_NE(errorOf(L"(c:wd_msg \"CFG061\" nil 3)"), L"");
}

TEST_F(Environment, SubstitutionReplacesKnownParametersOnly) {
  const lispcore::ParameterLookup lookup = [](const std::wstring& name) -> std::optional<std::wstring> {
    if (name == L"A") return L"x%B%";
    if (name == L"B") return L"b";
    return std::nullopt;
  };
  EXPECT_EQ(lispcore::substituteParameters(L"%A%-%B%", lookup), L"x%B%-b");  // values are not rescanned
  EXPECT_EQ(lispcore::substituteParameters(L"100% and %B%", lookup), L"100% and b");
  EXPECT_EQ(lispcore::substituteParameters(L"%NONE%%B%", lookup), L"%NONE%b");
  EXPECT_EQ(lispcore::substituteParameters(L"50% off", lookup), L"50% off");
  EXPECT_EQ(lispcore::substituteParameters(L"%%B%", lookup), L"%b");
  EXPECT_EQ(lispcore::substituteParameters(L"%", lookup), L"%");
  EXPECT_EQ(lispcore::substituteParameters(L"", lookup), L"");
}

TEST_F(Environment, SubstitutionTakesTheAddOnsValuesThenTheProcesses) {
  processEnvironment["SITE"] = "Nord\xc3\xa9";
  processEnvironment["WD_LIB"] = "/elsewhere";
  EXPECT_EQ(eval(L"(wd_1_luk4_replaceable_substitution \"%WD_LIB%\\\\%SITE%\\\\%UNKNOWN%\\\\5%\")"),
            Value::ofString(libraryPath(L"") + L"\\Nord\u00e9\\%UNKNOWN%\\5%"));
  EXPECT_FALSE(module::replaceableSubstitution(L"%WD_LIB%"));  // the module asks only with a document
  openDocument(true);
  EXPECT_EQ(module::replaceableSubstitution(L"%WD_LIB%"), libraryPath(L""));
  EXPECT_NE(errorOf(L"(wd_1_luk4_replaceable_substitution nil)"), L"");
}

TEST_F(Environment, GlobalsOfTheCurrentDocumentAndTheActiveProject) {
  EXPECT_EQ(module::globalText(L"GBL_wd_usr"), userPath());
  typed(L"(setq GBL_wd_usr \"\\\\other\" GBL_count \"42\")");
  EXPECT_EQ(module::globalText(L"gbl_WD_USR"), L"\\other");
  EXPECT_EQ(module::globalNumber(L"GBL_count"), 42);
  current = &documentB;
  EXPECT_EQ(module::globalText(L"GBL_wd_usr"), userPath());
  EXPECT_FALSE(module::globalText(L"GBL_count"));

  EXPECT_TRUE(module::makeProjectActive(L"\\p\\A.wdp"));
  EXPECT_EQ(module::globalText(L"GBL_wd_prj"), L"\\p\\A.wdp");
  EXPECT_EQ(typed(L"GBL_wd_prj"), L"\"\\\\p\\\\A.wdp\"\n");
  EXPECT_FALSE(module::makeProjectActive(L""));

  EXPECT_TRUE(module::rereadProject());
  EXPECT_TRUE(module::rereadProject());
  EXPECT_EQ(core->rereadRequests(), 2u);
}

TEST_F(Environment, DrawingSettingDefaults) {
  EXPECT_EQ(lisp::print(eval(L"(wd_xref_tbl_indexlst)")), L"(\"1\" \"2\" \"3\" \"5\")");
  EXPECT_EQ(lisp::print(eval(L"(wd_xref_tbl_jstlst)")), L"(\"MC\" \"MC\" \"MC\" \"MC\" \"MC\" \"MC\" \"MC\" \"MC\" \"L\" \"L\")");
  EXPECT_EQ(eval(L"(wd_wdp_get_dwg_WNUM_GAP_settings)"), Value::ofString(L"0.0,0.0,0.0"));
  const auto key = L"Software\\VoxFolio\\LispCore\\DrawingDefaults";
  store.setString(key, L"XREF_TBLFLDNAMS", L"W1,,REF");
  store.setString(key, L"WNUM_GAP", L"0.5,0.0,1.0");
  EXPECT_EQ(lisp::print(eval(L"(wd_xref_tbl_fldnams)")), L"(\"W1\" \"\" \"REF\")");
  EXPECT_EQ(eval(L"(wd_wdp_get_dwg_WNUM_GAP_settings)"), Value::ofString(L"0.5,0.0,1.0"));
  openDocument(true);
  const records::DependentDefaultTexts texts = host::dependentDefaultTexts();
  EXPECT_EQ(texts.xrefTableFieldNames, L"W1,,REF");
  EXPECT_EQ(texts.xrefTableIndex, L"1,2,3,5");
  EXPECT_EQ(texts.wireNumberGap, L"0.5,0.0,1.0");
  store.setString(key, L"INST", L"+A1");
  EXPECT_EQ(eval(L"(wd_loc_get_locs_or_inst_for_proj \"INST\" nil)"), Value::ofString(L"+A1"));
  EXPECT_EQ(eval(L"(c:wd_get_locs_for_proj nil)"), Value::ofString(L""));
}

}  // namespace
}  // namespace vox::test
