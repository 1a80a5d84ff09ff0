// The module's host functions against the whole headless reference host.

#include <gtest/gtest.h>

#include "host/HcCommandStack.h"
#include "host/HcDocument.h"
#include "host/HcEventLoop.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcLisp.h"
#include "host/HcMessageCatalog.h"
#include "host/HcSettingsStore.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using HostIntegration = HostFixture;

constexpr int kEchoCode = 11;

TEST_F(HostIntegration, ADefinedFunctionGetsTypedArgumentsAndAnswersEveryKind) {
  ASSERT_NE(openDrawing(L"A.dwg"), nullptr);
  HcResBufChain received;
  int kind = 0;
  ASSERT_EQ(hcedRegFunc([&] {
    received = hcedGetArgs();
    switch (kind) {
      case 0: hcedRetT(); break;
      case 1: hcedRetNil(); break;
      case 2: hcedRetInt(-3); break;
      case 3: hcedRetStr(L"done"); break;
      case 4: hcedRetList(HcResBufChain().str(L"P").shortInt(1)); break;
      default: return kRsError;
    }
    return kRsResult;
  }, kEchoCode), kRtNorm);
  ASSERT_EQ(hcedDefun(L"vox_echo", kEchoCode), kRtNorm);

  EXPECT_EQ(type(L"(vox_echo \"a\" 1 2.5 nil T '(\"x\" 2))"), L"T\n");
  const HcResBufChain expected = HcResBufChain().str(L"a").shortInt(1).real(2.5).nil().t().beginList().str(L"x").shortInt(2).endList();
  EXPECT_EQ(received, expected);
  const wchar_t* printed[] = {L"nil\n", L"-3\n", L"\"done\"\n", L"(\"P\" 1)\n", L"; error: function failed: vox_echo\n"};
  for (kind = 1; kind <= 5; ++kind) EXPECT_EQ(type(L"(vox_echo)"), printed[kind - 1]) << kind;

  kind = 3;
  HcResBufChain result;
  EXPECT_EQ(hcedInvoke(HcResBufChain().str(L"vox_echo").str(L"x"), result), kRtNorm);
  EXPECT_EQ(result, HcResBufChain().str(L"done"));
  EXPECT_EQ(hcedInvoke(HcResBufChain().str(L"vox_missing"), result), kRtError);
}

TEST_F(HostIntegration, FunctionsAndGlobalsBelongToTheirDocument) {
  hcedRegFunc([] { return hcedRetT() == kRtNorm ? kRsResult : kRsError; }, kEchoCode);
  HcDocument* a = openDrawing(L"A.dwg");
  hcedDefun(L"only_a", kEchoCode);
  type(L"(setq GBL_wd_usr \"\\\\home\\\\u\")");
  openDrawing(L"B.dwg");
  EXPECT_EQ(type(L"(only_a)"), L"; error: no function definition: only_a\n");
  EXPECT_EQ(type(L"!GBL_wd_usr"), L"nil\n");
  host().documents().closeDocument(a);
  EXPECT_FALSE(lisp().isDefined(a, L"only_a"));  // gone with its document
  EXPECT_FALSE(lisp().global(a, L"GBL_wd_usr"));
}

TEST_F(HostIntegration, SentCommandStringsRunOnlyWhenTheLoopRuns) {
  HcDocument* doc = openDrawing(L"A.dwg");
  int runs = 0;
  ASSERT_TRUE(hcCommandStackPtr()->addCommand(L"VOXFolio", L"_TestPM2", L"TestPM2", kHcCmdTransparent, [&] { ++runs; }));
  hcDocManagerPtr()->sendStringToExecute(doc, L"(setq x 5)\rTestPM2\r", false, false, false);
  EXPECT_EQ(runs, 0);
  host().loop().runPending();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(type(L"!x"), L"5\n");
  bool ran = false;
  hcDocManagerPtr()->executeInApplicationContext([&] { ran = true; });
  EXPECT_FALSE(ran);
  host().loop().runPending();
  EXPECT_TRUE(ran);
}

TEST_F(HostIntegration, TimersFireInOrderOnTheManualClock) {
  std::wstring order;
  const char window = 0;
  hcEventLoop()->setTimer(&window, 2, 200, false, [&] { order += L"b"; });
  hcEventLoop()->setTimer(&window, 1, 100, false, [&] { order += L"a"; });
  host().loop().advance(99);
  EXPECT_EQ(order, L"");
  host().loop().advance(101);
  EXPECT_EQ(order, L"ab");
}

TEST_F(HostIntegration, SettingsPersistForTheNextInstance) {
  const std::wstring key = hcrxProductKey() + L"\\Settings";
  ASSERT_TRUE(hcSettingsStore()->setNumber(key, L"ShowAtStartup", 1));
  const settings::JsonSettingsStore another(temp.native("config"));  // a second instance
  EXPECT_EQ(another.getNumber(key, L"showatstartup"), 1);
}

TEST_F(HostIntegration, QuestionsTextsAndBadInput) {
  answers.queueAnswer(HcAnswer::kYes);
  EXPECT_EQ(hcInteraction()->messageBox(hcResourceString(173), L"VoxFolio", HcIcon::kQuestion, HcButtons::kYesNo),
            HcAnswer::kYes);
  EXPECT_EQ(answers.asked().at(0).text, *messages().string(173));
  {
    const HcResourceScope scope;
    EXPECT_EQ(host().documents().resourceDepth(), 1);
  }
  EXPECT_EQ(host().documents().resourceDepth(), 0);
  openDrawing(L"A.dwg");
  EXPECT_NE(type(L"(strcat \"a\"").find(L"; error: malformed list"), std::wstring::npos);
  EXPECT_NE(type(L"(strcat \"a)").find(L"; error: unterminated string"), std::wstring::npos);
  EXPECT_NE(type(std::wstring(10 * 1024 * 1024, L'(')).find(L"; error:"), std::wstring::npos);
  EXPECT_EQ(type(L"(strcat \"still\" \" here\")"), L"\"still here\"\n");
}

}  // namespace
}  // namespace vox::test
