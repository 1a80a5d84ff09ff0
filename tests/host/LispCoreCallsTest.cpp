// Calls into the LISP core through the headless host, with the core's functions stood in by
// built-ins of the interpreter.

#include <gtest/gtest.h>

#include "host/DependentDefaultsFromLispCore.h"
#include "host/LispCoreCalls.h"
#include "projectfile/VoxPrmWDPFiler.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using LispCoreCalls = HostFixture;
using lisp::Value;
using Args = std::vector<Value>;

TEST_F(LispCoreCalls, InvokeKeepsTheConventionAndItsMarks) {
  int calls = 0;
  lisp().defineBuiltin(L"c:wd_getenv", [&](const Args& args, std::wstring&) {
    ++calls;
    return Value::ofList({Value::ofString(args.at(0).text), Value::ofInteger(2), Value::ofString(L"b")});
  });
  EXPECT_FALSE(host::invokeLispCore(L"c:wd_getenv", HcResBufChain().str(L"WD_LIB"), {true, false}));
  EXPECT_EQ(calls, 0);  // needs a document: not called without one
  const auto answer = host::invokeLispCore(L"c:wd_getenv", HcResBufChain().str(L"WD_LIB"));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(host::answerStrings(answer), (std::vector<std::wstring>{L"WD_LIB", L"b"}));
  EXPECT_FALSE(host::answerString(answer));
  EXPECT_FALSE(host::invokeLispCore(L"c:no_such_function", {}));
  openDrawing(L"A.dwg");
  lisp().defineBuiltin(L"c:vox_proj_new", [&](const Args&, std::wstring&) {
    EXPECT_EQ(host().documents().resourceDepth(), 1);  // module resources around the call
    return Value::ofString(L"\\p\\NEW.wdp");
  });
  EXPECT_EQ(host::answerString(host::invokeLispCore(L"c:vox_proj_new", HcResBufChain().shortInt(0), {true, true})),
            L"\\p\\NEW.wdp");
  EXPECT_EQ(host().documents().resourceDepth(), 0);
}

TEST_F(LispCoreCalls, SentExpressionsRunAtTheNextTurnOfTheLoop) {
  EXPECT_FALSE(host::sendToCurrentDocument(L"(c:wd_tb)"));  // no document
  openDrawing(L"A.dwg");
  int runs = 0;
  lisp().defineBuiltin(L"c:wd_tb", [&](const Args&, std::wstring&) { return ++runs, Value::t(); });
  EXPECT_TRUE(host::sendToCurrentDocument(L"(c:wd_tb)"));
  EXPECT_EQ(runs, 0);
  host().loop().runPending();
  EXPECT_EQ(runs, 1);
}

TEST_F(LispCoreCalls, ExposureReportsEachFunctionItCouldNotRegister) {
  EXPECT_EQ(host::exposeLispCoreFunctions(), 19);  // no document: every attempt fails
  const std::wstring& out = host().commandLine().transcript();
  EXPECT_EQ(out.find(L"\n*** Unable to register \"wd_cpyprj_chk4_related_files\" ***"), 0u);
  EXPECT_NE(out.find(L"\n*** Unable to register \"wd_upda_chkdwglockstatus1\" ***"), std::wstring::npos);

  openDrawing(L"A.dwg");
  std::vector<std::wstring> evaluated;
  lisp().defineBuiltin(L"veval-str+", [&](const Args& args, std::wstring&) {
    evaluated.push_back(args.at(0).text);
    return Value::t();
  });
  EXPECT_EQ(host::exposeLispCoreFunctions(), 0);
  ASSERT_EQ(evaluated.size(), 19u);
  EXPECT_EQ(evaluated[2], L"(vl-dftr-defun 'vox_makeproj_active)");
}

TEST_F(LispCoreCalls, DrawingDefaultsComeFromTheCoreWhileADocumentIsOpen) {
  lisp().defineBuiltin(L"wd_xref_tbl_indexlst", [](const Args&, std::wstring&) {
    return Value::ofList({Value::ofString(L"1"), Value::ofInteger(7), Value::ofString(L"4")});
  });
  lisp().defineBuiltin(L"wd_wdp_get_dwg_WNUM_GAP_settings", [](const Args&, std::wstring&) { return Value::nil(); });
  EXPECT_EQ(host::dependentDefaultTexts().xrefTableIndex, L"1,2,3,5");  // no document: built in
  openDrawing(L"A.dwg");
  const records::DependentDefaultTexts texts = host::dependentDefaultTexts();
  EXPECT_EQ(texts.xrefTableIndex, L"1,4");
  EXPECT_EQ(texts.wireNumberGap, L"0.0,0.0,0.0");  // not a string: built in
  EXPECT_EQ(texts.xrefTableFieldNames, records::DependentDefaultTexts().xrefTableFieldNames);  // no such function

  writeNative(temp.native("P.wdp"), "a.dwg\r\n");
  VoxPrmWDPFiler filer(temp.path(L"P.wdp"), true);
  VoxPrmProjectData data;
  ASSERT_TRUE(filer.readProject(data));
  std::wstring value;
  data.getProjDefWDMVals().getValue(71, value);
  EXPECT_EQ(value, L"1,4");
}

}  // namespace
}  // namespace vox::test
