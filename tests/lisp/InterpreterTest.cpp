#include "platform/lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace vox::lisp {
namespace {

struct InterpreterTest : ::testing::Test {
  const char docA = 'a', docB = 'b';
  const void* current = &docA;
  std::wstring printed;
  Interpreter lisp{[this] { return current; }, [this](const std::wstring& t) { printed += t; }};

  std::wstring run(const std::wstring& line) {
    printed.clear();
    lisp.evaluateLine(line);
    return printed;
  }
};

TEST_F(InterpreterTest, HandlersReceiveTheTypedChainAndAnswerEveryKind) {
  HcResBufChain received;
  std::function<int()> answer;
  lisp.regFunc([&] {
    received = lisp.arguments();
    return answer();
  }, 4);
  ASSERT_EQ(lisp.defun(L"vox_test", 4), kRtNorm);
  answer = [&] { return lisp.setResult(HcResBufChain().t()) == kRtNorm ? kRsResult : kRsError; };
  EXPECT_EQ(run(L"(vox_test \"a\" 1 2.5 nil T '(\"x\" 2))"), L"T\n");
  std::vector<int> types;
  for (const HcResBuf& item : received.items()) types.push_back(item.type);
  EXPECT_EQ(types, (std::vector<int>{kRtStr, kRtShort, kRtReal, kRtNil, kRtT, kRtListBegin, kRtStr, kRtShort, kRtListEnd}));
  EXPECT_EQ(*received[0].string(), L"a");
  EXPECT_EQ(*received[2].number(), 2.5);

  const std::vector<std::pair<HcResBufChain, std::wstring>> kinds{
      {HcResBufChain().nil(), L"nil\n"},
      {HcResBufChain().shortInt(12), L"12\n"},
      {HcResBufChain().str(L"C:\\P"), L"\"C:\\\\P\"\n"},
      {HcResBufChain().beginList().str(L"p").shortInt(1).endList(), L"(\"p\" 1)\n"}};
  for (const auto& [result, text] : kinds) {
    answer = [&, r = result] { return lisp.setResult(r) == kRtNorm ? kRsResult : kRsError; };
    EXPECT_EQ(run(L"(vox_test)"), text);
  }
  answer = [] { return kRsError; };
  EXPECT_EQ(run(L"(vox_test)"), L"; error: function failed: vox_test\n");
  answer = [] { return kRsResult; };  // claims a result but set none
  EXPECT_EQ(run(L"(vox_test)"), L"; error: function failed: vox_test\n");
  // A reason given by the failing handler follows the function's name; it is not kept for the
  // next call.
  answer = [&] {
    lisp.setFailureReason(L"argument 1 (path) must be a string");
    return kRsError;
  };
  EXPECT_EQ(run(L"(vox_test)"), L"; error: function failed: vox_test: argument 1 (path) must be a string\n");
  answer = [] { return kRsError; };
  EXPECT_EQ(run(L"(vox_test)"), L"; error: function failed: vox_test\n");
}

TEST_F(InterpreterTest, InvokeReportsNormalCompletionOrAnError) {
  lisp.regFunc([&] { return lisp.setResult(HcResBufChain().str(L"ok")) == kRtNorm ? kRsResult : kRsError; }, 1);
  lisp.defun(L"c:vox_ok", 1);
  HcResBufChain result;
  EXPECT_EQ(lisp.invoke(HcResBufChain().str(L"c:VOX_OK").shortInt(3), result), kRtNorm);
  EXPECT_EQ(result, HcResBufChain().str(L"ok"));
  EXPECT_EQ(lisp.invoke(HcResBufChain().str(L"strcat").str(L"a").str(L"b"), result), kRtNorm);
  EXPECT_EQ(result, HcResBufChain().str(L"ab"));
  EXPECT_EQ(lisp.invoke(HcResBufChain().str(L"no_such_function"), result), kRtError);
  EXPECT_EQ(lisp.invoke(HcResBufChain().shortInt(1), result), kRtError);
  EXPECT_EQ(lisp.invoke(HcResBufChain().str(L"car").shortInt(1), result), kRtError);
}

TEST_F(InterpreterTest, DocumentsKeepTheirOwnGlobalsAndFunctions) {
  lisp.regFunc([&] { return lisp.setResult(HcResBufChain().t()) == kRtNorm ? kRsResult : kRsError; }, 2);
  lisp.defun(L"only_in_a", 2);
  run(L"(setq GBL_wd_usr \"\\\\home\\\\u\\\\\" n 5)");
  EXPECT_EQ(run(L"gbl_WD_usr"), L"\"\\\\home\\\\u\\\\\"\n");
  current = &docB;
  EXPECT_EQ(run(L"GBL_wd_usr"), L"nil\n");
  EXPECT_EQ(run(L"(only_in_a)"), L"; error: no function definition: only_in_a\n");
  current = &docA;
  EXPECT_EQ(run(L"(only_in_a)"), L"T\n");
  EXPECT_EQ(lisp.global(&docA, L"N"), Value::ofInteger(5));
  lisp.forgetDocument(&docA);
  EXPECT_FALSE(lisp.isDefined(&docA, L"only_in_a"));
}

TEST_F(InterpreterTest, BuiltinsAndErrors) {
  EXPECT_EQ(run(L"(if (null nil) (strcat \"a\" \"b\") \"no\")"), L"\"ab\"\n");
  EXPECT_EQ(run(L"(car (cdr (list 1 (+ 1 1.5) 3)))"), L"2.5\n");
  EXPECT_EQ(run(L"(cons 1 '(2)) (progn 1 2)"), L"2\n");
  EXPECT_EQ(run(L"(* 65536 65536)"), L"4.29497e+09\n");
  EXPECT_EQ(run(L"(/ 7 2) (= 2 2.0)"), L"T\n");
  EXPECT_EQ(run(L"(/ 1 0)"), L"; error: divide by zero\n");
  EXPECT_EQ(run(L"(car 5)"), L"; error: bad argument type: car\n");
  EXPECT_EQ(run(L"(undefined_fn 1)"), L"; error: no function definition: undefined_fn\n");
  EXPECT_EQ(run(L"(\"x\")"), L"; error: bad function: \"x\"\n");
  EXPECT_EQ(run(L"(setq a)"), L"; error: bad argument count: setq\n");
  EXPECT_NE(run(L"(a (b").find(L"; error: malformed list"), std::wstring::npos);
  lisp.defineBuiltin(L"wd_echo", [](const std::vector<Value>& args, std::wstring&) { return Value::ofList(args); });
  EXPECT_EQ(run(L"(WD_ECHO 1 \"two\")"), L"(1 \"two\")\n");
}

TEST_F(InterpreterTest, DefunDefinesFunctionsWithDynamicallyBoundParametersAndLocals) {
  EXPECT_EQ(run(L"(defun add2 (a b / tmp) (setq tmp (+ a b)) tmp)"), L"ADD2\n");
  run(L"(setq a \"outer\")");
  EXPECT_EQ(run(L"(add2 2 3)"), L"5\n");
  EXPECT_EQ(run(L"a"), L"\"outer\"\n") << "a parameter hides a global only during the call";
  EXPECT_EQ(run(L"tmp"), L"nil\n") << "a local is gone after the call";
  EXPECT_EQ(run(L"(add2 1)"), L"; error: too few arguments: add2\n");
  EXPECT_EQ(run(L"(add2 1 2 3)"), L"; error: too many arguments: add2\n");
  EXPECT_EQ(run(L"(defun fails (a) (car a)) (fails 5)"), L"; error: bad argument type: car\n");
  EXPECT_EQ(run(L"a"), L"\"outer\"\n") << "a failed call restores what it hid as well";
  EXPECT_EQ(run(L"(defun noargs () 7) (NoArgs)"), L"7\n");
  EXPECT_EQ(run(L"(defun 5 (a) a)"), L"; error: bad argument type: defun\n");
  current = &docB;
  EXPECT_EQ(run(L"(add2 1 2)"), L"; error: no function definition: add2\n") << "definitions are per document";
}

TEST_F(InterpreterTest, TheLatestDefinitionOfANameWinsOverBuiltinsAndHandlers) {
  lisp.defineBuiltin(L"wd_core_fn", [](const std::vector<Value>&, std::wstring&) { return Value::ofString(L"core"); });
  EXPECT_EQ(run(L"(defun wd_core_fn () \"script\") (wd_core_fn)"), L"\"script\"\n");
  HcResBufChain result;
  ASSERT_EQ(lisp.invoke(HcResBufChain().str(L"wd_core_fn"), result), kRtNorm);
  EXPECT_EQ(fromChain(result), std::vector<Value>{Value::ofString(L"script")}) << "the module's calls see it too";

  lisp.regFunc([&] { return lisp.setResult(HcResBufChain().t()) == kRtNorm ? kRsResult : kRsError; }, 3);
  lisp.defun(L"by_module", 3);
  EXPECT_EQ(run(L"(defun by_module () 1) (by_module)"), L"1\n");
  lisp.defun(L"by_module", 3);
  EXPECT_EQ(run(L"(by_module)"), L"T\n");
  EXPECT_TRUE(lisp.isDefined(&docA, L"wd_core_fn"));
}

TEST_F(InterpreterTest, RunawayRecursionEndsWithAnError) {
  int calls = 0;
  lisp.regFunc([&] {
    ++calls;
    lisp.evaluateLine(L"(again)");  // a handler that calls itself through LISP
    return kRsError;
  }, 9);
  lisp.defun(L"again", 9);
  const std::wstring out = run(L"(again)");
  EXPECT_NE(out.find(L"; error: evaluation too deep"), std::wstring::npos);
  EXPECT_LE(calls, static_cast<int>(kMaxEvaluationDepth));
  std::wstring deep;
  for (std::size_t i = 0; i < kMaxEvaluationDepth; ++i) deep += L"(list ";
  EXPECT_NE(run(deep + L"1" + std::wstring(kMaxEvaluationDepth, L')')).find(L"too deep"), std::wstring::npos);
  EXPECT_EQ(run(L"(list (list 1))"), L"((1))\n");  // the depth is back to zero afterwards
}

}  // namespace
}  // namespace vox::lisp
