// The typed calls of the palette and the settings dialogs: each gives its typed answer when the
// core answers in the expected shape, and leaves the caller's values alone when the call fails,
// the answer has another type, or a document it needs is missing.

#include <gtest/gtest.h>

#include <functional>

#include "host/LispCorePaletteCalls.h"
#include "host/LispCoreSettingsCalls.h"
#include "platform/lisp/LispReader.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

namespace lc = host::lispcore;
using lisp::Value;
using Args = std::vector<Value>;

class LispCoreTableCalls : public HostFixture {
 protected:
  // Defines `name` to record its arguments as LISP text and answer `answer` (LISP text).
  void answerWith(const std::wstring& name, const std::wstring& answer) {
    const Value value = lisp::readAll(answer).values.at(0);
    lisp().defineBuiltin(name, [this, value](const Args& args, std::wstring&) {
      seen = lisp::print(Value::ofList(args));
      return value;
    });
  }
  std::wstring seen;
};

// One typed call: `call` runs it and answers whether it took effect (reported success or changed
// the caller's values). `good` is an answer of the relied-on shape, `wrong` one of another type
// (empty where any answer counts as success).
struct TypedCall {
  std::wstring name;
  std::wstring good;
  std::wstring wrong;
  bool needsDocument;
  std::function<bool()> call;
};

template <std::size_t N>
bool xrefTookEffect(bool (*setup)(std::array<std::wstring, N>&)) {
  std::array<std::wstring, N> values;
  values.fill(L"old");
  const std::array<std::wstring, N> before = values;
  return setup(values) || values != before;
}

std::vector<TypedCall> typedCalls() {
  const auto text = [](const std::optional<std::wstring>& s) { return s.has_value(); };
  return {
      {L"c:vox_reorder_dlst", L"T", L"", false, [] { return lc::reorderDrawingList(L"\\p\\A.wdp"); }},
      {L"c:vox_proj_multiple_remove", L"T", L"", false, [] { return lc::removeSeveralDrawings(L"\\p\\A.wdp"); }},
      {L"c:vox_proj_symbol_lib_dlg", L"T", L"", false, [] { return lc::symbolLibraryDialog(L"\\p\\A.wdp"); }},
      {L"c:vox_proj_dwg_secsub_properties", L"T", L"", false, [] { return lc::sectionSubsectionProperties(L"a", L"b"); }},
      {L"c:wd_help_proj_settings", L"T", L"", false, [] { return lc::projectSettingsHelp(); }},
      {L"c:vox_proj_edit_proj_description_lines", L"(\"x\")", L"\"x\"", false,
       [] { return lc::editDescriptionLines(HcResBufChain().shortInt(1)).has_value(); }},
      {L"c:wd_xref_setup_text", L"(\"1\" \"2\" \"3\" \"4\" \"5\")", L"(\"1\" \"2\" \"3\" \"4\")", false,
       [] { return xrefTookEffect<5>(&lc::xrefSetupText); }},
      {L"c:wd_xref_setup_graphical", L"(\"1\" \"2\" \"3\" \"4\" \"5\" \"6\" \"7\")", L"(\"1\" \"2\" \"3\" \"4\" \"5\" \"6\" 7)",
       false, [] { return xrefTookEffect<7>(&lc::xrefSetupGraphical); }},
      {L"c:wd_xref_setup_table", L"(\"1\" \"2\" \"3\" \"4\" \"5\" \"6\" \"7\" \"8\" \"9\" \"10\" \"11\" \"12\")", L"\"1\"",
       false, [] { return xrefTookEffect<12>(&lc::xrefSetupTable); }},
      {L"c:vox_cfg_component_suffix_dlg", L"\"-\"", L"1", false, [=] { return text(lc::componentSuffixDialog(L"")); }},
      {L"c:vox_cfg_wirenum_suffix_dlg", L"\"A\"", L"nil", false, [=] { return text(lc::wireNumberSuffixDialog(L"")); }},
      {L"wd_cfg_Lref_setup", L"\"L\"", L"(\"L\")", false, [=] { return text(lc::lineReferenceSetup(L"a", L"b")); }},
      {L"wd_cfg_Lxy_setup", L"(\"a\" \"b\")", L"2.5", false, [] { return lc::lineXySetup(L"s", {L"x"}).has_value(); }},
      {L"wd_cfg_add_lay", L"\"WIRES\"", L"T", false, [=] { return text(lc::addLayers(1, {L"A"})); }},
      {L"wd_cfg_setup_wlay_doit", L"\"W\"", L"3", false, [] { return lc::wireLayerSetup({{L"A"}}, 0).has_value(); }},
      {L"wd_proja_do_wfmt_bylay_setup", L"T", L"", false, [] { return lc::wireFormatByLayerSetup(L"s"); }},
      {L"wd_proja_cat_legit", L"1", L"", false, [] { return lc::catalogIsValid(L"C").has_value(); }},
      {L"wd_strblk_inline_gap_su", L"0.25", L"1", false, [] { return lc::inlineGapSetup({}).has_value(); }},
      {L"wd_fio_does_block_exist_disk", L"\"/lib/WD_M.dwg\"", L"nil", false,
       [=] { return text(lc::blockFilePath(L"WD_M", false)); }},
      {L"wd_ped_get_mg_on_dwg", L"\"I1\"", L"nil", false, [=] { return text(lc::installationsOnDrawing()); }},
      {L"wd_loc_get_locs_or_inst_for_proj", L"\"I1\"", L"1", false, [=] { return text(lc::installationsForProject()); }},
      {L"c:wd_get_locs_on_dwg", L"\"L1\"", L"(\"L1\")", false, [=] { return text(lc::locationsOnDrawing(1)); }},
      {L"c:wd_get_locs_for_proj", L"\"L1\"", L"T", false, [=] { return text(lc::locationsForProject()); }},
      {L"c:wd_reread_dwg_params", L"T", L"", false, [] { return lc::rereadDrawingParameters(); }},
      {L"c:wd_proj_properties_display", L"T", L"", false, [] { return lc::projectPropertiesDisplay(); }},
      {L"vox_rename_wire_properties", L"\"new\"", L"nil", true, [=] { return text(lc::renameWireProperties(L"old")); }},
      {L"c:vox_ladr_update_sheet", L"T", L"", true, [] { return lc::updateLadderSheet(L"a", L"b", true); }},
      {L"c:vox_check_linkterm", L"(\"T1\")", L"\"T1\"", false,
       [] {
         std::vector<std::wstring> terminals{L"old"};
         return lc::checkLinkedTerminals(terminals, L"\\p\\A.wdp") || terminals != std::vector<std::wstring>{L"old"};
       }},
      {L"c:vox_term_linkterm_update_main", L"T", L"", false, [] { return lc::updateLinkedTerminals({L"T1"}); }},
      {L"c:vox_tb_nodlg", L"T", L"", false, [] { return lc::updateTitleBlockWithoutDialog(); }},
  };
}

TEST_F(LispCoreTableCalls, EachCallTakesEffectOnlyOnAnAnswerOfTheRelyOnShape) {
  for (const TypedCall& c : typedCalls()) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.call()) << "no such function in the core";
    if (!c.wrong.empty()) {
      answerWith(c.name, c.wrong);
      EXPECT_FALSE(c.call()) << "answer of another type";
    }
    answerWith(c.name, c.good);
    EXPECT_EQ(c.call(), !c.needsDocument) << "good answer, no document";
  }
  openDrawing(L"A.dwg");
  for (const TypedCall& c : typedCalls()) {
    SCOPED_TRACE(c.name);
    answerWith(c.name, c.good);
    EXPECT_TRUE(c.call());
  }
}

TEST_F(LispCoreTableCalls, ArgumentsAndAnswersOfTheSetupDialogs) {
  answerWith(L"c:wd_xref_setup_text", L"(\"a\" \"b\" \"c\" \"d\" \"e\")");
  std::array<std::wstring, 5> values{L"1", L"2", L"3", L"4", L"5"};
  EXPECT_TRUE(lc::xrefSetupText(values));
  EXPECT_EQ(seen, L"((\"1\" \"2\" \"3\" \"4\" \"5\"))");
  EXPECT_EQ(values, (std::array<std::wstring, 5>{L"a", L"b", L"c", L"d", L"e"}));
  answerWith(L"c:wd_xref_setup_text", L"nil");  // Cancel
  EXPECT_FALSE(lc::xrefSetupText(values));
  EXPECT_EQ(values[0], L"a");

  answerWith(L"wd_strblk_inline_gap_su", L"0.5");
  EXPECT_EQ(lc::inlineGapSetup({0.25, std::nullopt, 2, L"G", 1}), 0.5);
  EXPECT_EQ(seen, L"((0.25 nil) 2 \"G\" nil 1)");

  answerWith(L"wd_cfg_Lxy_setup", L"(\"a\" 3 \"b\")");
  const auto listAnswer = lc::lineXySetup(L"s", {L"x", L"y"});
  ASSERT_TRUE(listAnswer);
  EXPECT_FALSE(listAnswer->text);
  EXPECT_EQ(listAnswer->list, (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(seen, L"(nil \"s\" (\"x\" \"y\"))");

  answerWith(L"wd_proja_cat_legit", L"0");
  EXPECT_EQ(lc::catalogIsValid(L"CAT"), false);
  answerWith(L"wd_proja_cat_legit", L"1");
  EXPECT_EQ(lc::catalogIsValid(L"CAT"), true);

  answerWith(L"c:vox_check_linkterm", L"nil");
  std::vector<std::wstring> terminals{L"T1", L"T2"};
  EXPECT_TRUE(lc::checkLinkedTerminals(terminals, L"\\p\\A.wdp"));
  EXPECT_TRUE(terminals.empty());  // nil is the empty list
  EXPECT_EQ(seen, L"((\"T1\" \"T2\") \"\\\\p\\\\A.wdp\")");
}

TEST_F(LispCoreTableCalls, AMissingBlockIsReportedOnlyWhenAsked) {
  answerWith(L"wd_fio_does_block_exist_disk", L"nil");
  int reports = 0;
  lisp().defineBuiltin(L"wd_fio_block_path_failed_msg", [&](const Args& args, std::wstring&) {
    EXPECT_EQ(args.at(0).text, L"WD_M");
    return ++reports, Value::t();
  });
  EXPECT_FALSE(lc::blockFilePath(L"WD_M", false));
  EXPECT_EQ(reports, 0);
  EXPECT_FALSE(lc::blockFilePath(L"WD_M", true));
  EXPECT_EQ(reports, 1);
}

TEST_F(LispCoreTableCalls, PaletteExpressionsAreTypedIntoTheCurrentDocument) {
  EXPECT_FALSE(lc::sendPaletteExpression(lc::PaletteExpression::kPlotProject));
  openDrawing(L"A.dwg");
  std::wstring plotted;
  lisp().defineBuiltin(L"c:vox_prnt_proj", [&](const Args& args, std::wstring&) {
    plotted = lisp::print(Value::ofList(args));
    return Value::t();
  });
  EXPECT_TRUE(lc::sendPaletteExpression(lc::PaletteExpression::kPlotProject));
  host().loop().runPending();
  EXPECT_EQ(plotted, L"(nil nil)");
  EXPECT_EQ(host().commandLine().transcript().find(L"Command:"), std::wstring::npos);  // not echoed
  EXPECT_EQ(lc::paletteExpressionText(lc::PaletteExpression::kIecTagFreshen), L"(c:wd_iec_tag_freshen)");
}

TEST_F(LispCoreTableCalls, OpeningADrawingIsEchoedAndRefusesInjectedInput) {
  openDrawing(L"A.dwg");
  EXPECT_FALSE(lc::openDrawingLine(L"C:\\p\\x\" (command \"_.erase\")"));
  EXPECT_FALSE(lc::openDrawingLine(L"C:\\p\\x\r(c:wd_tb)"));
  EXPECT_FALSE(lc::sendOpenDrawing(L"C:\\p\\bad\n.dwg"));
  EXPECT_NE(host().commandLine().transcript().find(L"double quote or a control character"), std::wstring::npos);

  const std::wstring path = writeDrawing(L"B.dwg");
  ASSERT_TRUE(lc::sendOpenDrawing(path));
  host().loop().runPending();
  EXPECT_EQ(host().documents().documentCount(), 2);
  EXPECT_NE(host().commandLine().transcript().find(L"Command: _.open \"" + path + L"\""), std::wstring::npos);
}

}  // namespace
}  // namespace vox::test
