// Exposure through "veval-str+", the call log, the dialogs and outside features, argument
// errors, and the core's lifetime.

#include <array>

#include "LispCoreTestSupport.h"
#include "host/LispCoreCalls.h"
#include "host/LispCoreFunctions.h"
#include "host/LispCorePaletteCalls.h"
#include "host/LispCoreSettingsCalls.h"
#include "platform/lisp/LispReader.h"
#include "platform/os/NativePath.h"

namespace vox::test {
namespace {

using ExposureAndDialogs = LispCoreTest;
namespace module = host::lispcore;
using lisp::Value;

// Invokes a function as the module does: a chain with the name first.
int invokeExposure(lisp::Interpreter& interpreter, const std::wstring& name, HcResBufChain& result) {
  return interpreter.invoke(HcResBufChain().str(L"veval-str+").str(L"(vl-dftr-defun '" + name + L")"), result);
}

TEST_F(ExposureAndDialogs, EveryExposedNameIsACoreFunction) {
  openDocument(true);
  EXPECT_EQ(host::exposeLispCoreFunctions(), 0);
  for (const std::wstring& name : host::exposedLispCoreFunctions()) {
    HcResBufChain result;
    EXPECT_EQ(invokeExposure(interpreter, name, result), kRtNorm) << os::encodeFileName(name);
    EXPECT_TRUE(core->isExposed(name)) << os::encodeFileName(name);
  }
  EXPECT_EQ(host::exposedLispCoreFunctions().size(), 19u);
  HcResBufChain result;
  EXPECT_EQ(invokeExposure(interpreter, L"wd_no_such_function", result), kRtError);
  EXPECT_FALSE(core->isExposed(L"wd_no_such_function"));
  interpreter.regFunc([] { return kRsError; }, 7);
  interpreter.defun(L"vox_document_function", 7);  // defined in the current document
  EXPECT_EQ(invokeExposure(interpreter, L"vox_document_function", result), kRtNorm);
}

TEST_F(ExposureAndDialogs, EvaluatedTextAnswersItsLastValueOrFails) {
  EXPECT_EQ(eval(L"(veval-str+ \"(setq x 2) (+ x 3)\")"), Value::ofInteger(5));
  EXPECT_NE(errorOf(L"(veval-str+ \"(+ 1\")"), L"");
  EXPECT_NE(errorOf(L"(veval-str+ \"(no_such_function)\")"), L"");
  EXPECT_NE(errorOf(L"(veval-str+ 12)"), L"");
}

TEST_F(ExposureAndDialogs, CallsAreLoggedInOrderWithTheirArguments) {
  module::makeProjectActive(L"\\p\\A.wdp");
  typed(L"(c:vox_prnt_proj nil nil)");
  errorOf(L"(c:wd_getenv 5)");  // a refused call is still a call
  module::environmentValue(L"WD_LIB");
  using Call = lispcore::LispCoreCall;
  EXPECT_EQ(core->calls(), (std::vector<Call>{{L"vox_makeproj_active", L"\"\\\\p\\\\A.wdp\""},
                                              {L"c:vox_prnt_proj", L"nil nil"},
                                              {L"c:wd_getenv", L"5"},
                                              {L"c:wd_getenv", L"\"WD_LIB\""}}));
}

TEST_F(ExposureAndDialogs, OutsideFeaturesPrintOneLineAndSucceed) {
  EXPECT_EQ(typed(L"(c:vox_prnt_proj nil nil)"), L"LISP core: plot project (c:vox_prnt_proj)\nT\n");
  openDocument(true);
  for (int i = 0; i < 10; ++i) {
    printed.clear();
    ASSERT_TRUE(module::sendPaletteExpression(static_cast<module::PaletteExpression>(i)));
    const std::wstring output = printed;
    EXPECT_TRUE(output.starts_with(L"LISP core: ") && output.ends_with(L")\nT\n")) << os::encodeFileName(output);
  }
  printed.clear();
  EXPECT_TRUE(module::reorderDrawingList(L"\\p\\A.wdp"));
  EXPECT_TRUE(module::sectionSubsectionProperties(L"\\p\\A.wdp", L"\\p\\D1.dwg"));
  EXPECT_TRUE(module::updateLadderSheet(L"a", L"b", true));
  EXPECT_TRUE(module::updateTitleBlockWithoutDialog());
  EXPECT_EQ(printed,
            L"LISP core: reorder drawing list (c:vox_reorder_dlst)\n"
            L"LISP core: section and sub-section properties (c:vox_proj_dwg_secsub_properties)\n"
            L"LISP core: ladder sheet update (c:vox_ladr_update_sheet)\n"
            L"LISP core: title block update without dialog (c:vox_tb_nodlg)\n");
  EXPECT_FALSE(module::newProjectPath());
  std::optional<std::wstring> chosen = L"old";
  EXPECT_TRUE(module::chooseRecentProject(chosen));
  EXPECT_FALSE(chosen);
}

TEST_F(ExposureAndDialogs, DialogsGiveBackTheValuesTheyWereGiven) {
  openDocument(true);
  std::array<std::wstring, 5> text{L"a", L"b", L"", L"d", L"e"};
  const auto textBefore = text;
  EXPECT_TRUE(module::xrefSetupText(text));
  EXPECT_EQ(text, textBefore);
  std::array<std::wstring, 12> table{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"11", L"12"};
  EXPECT_TRUE(module::xrefSetupTable(table));
  EXPECT_EQ(table[11], L"12");
  EXPECT_NE(errorOf(L"(c:wd_xref_setup_graphical '(\"1\" \"2\"))"), L"");  // not 7 strings
  EXPECT_EQ(module::componentSuffixDialog(L"%S"), L"%S");
  EXPECT_EQ(module::lineReferenceSetup(L"1", L"2"), L"1");
  EXPECT_EQ(module::addLayers(1, {L"WIRES", L"RED"}), L"WIRES,RED");
  EXPECT_EQ(module::lineXySetup(L"XY", {L"a"})->text, L"XY");
  EXPECT_EQ(module::wireLayerSetup({{L"L1", L"L2"}, {L"L3"}}, 2)->list, (std::vector<std::wstring>{L"L1", L"L2"}));
  EXPECT_EQ(module::inlineGapSetup({std::nullopt, 0.25, 1, L"x", 0}), 0.25);
  EXPECT_EQ(module::renameWireProperties(L"W%N"), L"W%N");
  std::vector<std::wstring> terminals{L"T1", L"T2"};
  EXPECT_TRUE(module::checkLinkedTerminals(terminals, L"\\p\\A.wdp"));
  EXPECT_EQ(terminals, (std::vector<std::wstring>{L"T1", L"T2"}));
  const HcResBufChain lines = HcResBufChain().shortInt(1).nil().str(L"\\p\\A.wdp").beginList().str(L"One").beginList().str(L"Two").endList().endList();
  EXPECT_EQ(module::editDescriptionLines(lines), (std::vector<std::wstring>{L"One", L"Two"}));
}

TEST_F(ExposureAndDialogs, WrongArgumentsAreLispErrors) {
  for (const wchar_t* bad : {
           L"(c:vox_reorder_dlst \"\\\\p\\\\A.wdp\" 1)", L"(c:vox_reorder_dlst 1)", L"(c:wd_tb 1)",
           L"(vox_get_var)", L"(vox_get_var 1)", L"(vox_makeproj_active nil)", L"(c:wd_zip_do_wdzip \"0\")",
           L"(wd_cfg_add_lay 1 '(2))", L"(wd_cfg_setup_wlay_doit '(\"a\") \"x\")",
           L"(wd_strblk_inline_gap_su '(\"a\" nil) 0 \"\" nil 0)", L"(wd_strblk_inline_gap_su '(1.0) 0 \"\" nil 0)",
           L"(c:vox_check_linkterm '(1 2) \"p\")", L"(c:vox_ladr_update_sheet \"a\" \"b\" 1)",
           L"(wd_proja_cat_legit nil)", L"(vl-dftr-defun 12)",
       }) {
    EXPECT_NE(errorOf(bad), L"") << os::encodeFileName(bad);
  }
}

TEST_F(ExposureAndDialogs, FunctionsFailCleanlyOnceTheCoreIsGone) {
  core.reset();
  EXPECT_EQ(errorOf(L"(c:wd_getenv \"WD_LIB\")"), L"LISP core unloaded: c:wd_getenv");
  EXPECT_FALSE(module::environmentValue(L"WD_LIB"));
}

}  // namespace
}  // namespace vox::test
