// The module's host functions forward to the installed runtime.

#include <gtest/gtest.h>

#include "host/HcCommandStack.h"
#include "host/HcEditor.h"
#include "host/HcHostRuntime.h"
#include "host/HcHostServices.h"
#include "host/HcLisp.h"
#include "host/HcMessageCatalog.h"
#include "platform/os/Identity.h"
#include "platform/runtime/CommandLine.h"
#include "platform/runtime/HeadlessCommandStack.h"
#include "platform/runtime/HeadlessEditor.h"
#include "platform/runtime/HeadlessEventLoop.h"
#include "platform/runtime/HeadlessHostServices.h"
#include "platform/runtime/SystemVariables.h"

namespace vox::runtime {
namespace {

struct HostFunctions : ::testing::Test {
  HeadlessEventLoop loop{HeadlessEventLoop::Clock::kManual};
  HeadlessCommandStack commands;
  HeadlessEditor editor;
  CommandLine line{loop, commands, editor};
  SystemVariables variables;
  HeadlessHostServices services{variables, line};
  HeadlessSystemRegistry registry;
  HeadlessDynamicLinker linker;

  HostFunctions() {
    registry.add(std::wstring(kHcEditorEntry), &editor);
    registry.add(std::wstring(kHcRegisteredCommandsEntry), &commands);
    HcHostRuntime runtime;
    runtime.services = &services;
    runtime.registry = &registry;
    runtime.linker = &linker;
    runtime.loop = &loop;
    hcInstallHostRuntime(runtime);
  }
  ~HostFunctions() override { hcInstallHostRuntime({}); }
};

TEST_F(HostFunctions, PrintfTakesWideStringsForPercentS) {
  hcutPrintf(L"\n*** Unable to register \"%s\" ***", L"wd_cfg_add_lay");
  hcutPrintf(L"%d%% %hs %c", 42, "narrow", L'w');
  EXPECT_EQ(line.transcript(), L"\n*** Unable to register \"wd_cfg_add_lay\" ***42% narrow w");
  const std::wstring longText(5000, L'x');
  EXPECT_EQ(hcutPrintf(L"%s", longText.c_str()), 5000);
}

TEST_F(HostFunctions, VariablesCommandsAndRegistryLookups) {
  HcResBuf value;
  ASSERT_EQ(hcedGetVar(L"cleanscreenstate", value), kRtNorm);
  EXPECT_EQ(value.integer(), 0);
  EXPECT_EQ(hcedGetVar(L"NOSUCHVAR", value), kRtError);
  variables.setInteger(L"DWGTITLED", 1);
  ASSERT_EQ(hcedGetVar(L"DWGTITLED", value), kRtNorm);
  EXPECT_EQ(value.integer(), 1);

  EXPECT_EQ(hcEditorPtr(), &editor);
  ASSERT_EQ(hcCommandStackPtr(), &commands);
  int runs = 0;
  hcCommandStackPtr()->addCommand(L"VOXFolio", L"_TestPM2", L"TestPM2", kHcCmdTransparent | kHcCmdSession,
                                  [&] { ++runs; });
  EXPECT_EQ(hcedCommand(HcResBufChain().str(L"_TestPM2")), kRtNorm);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(hcedCommand(HcResBufChain().str(L"_NoSuch")), kRtError);
  EXPECT_EQ(hcedCommand(HcResBufChain().shortInt(3)), kRtError);
  EXPECT_TRUE(hcrxDynamicLinker()->unlockApplication(L"voxfolio"));
  EXPECT_TRUE(linker.isUnloadable(L"voxfolio"));
  EXPECT_FALSE(hcrxProductKey().empty());
}

TEST_F(HostFunctions, WithoutARuntimeEverythingFailsQuietly) {
  hcInstallHostRuntime({});
  HcResBuf value;
  HcResBufChain result;
  EXPECT_EQ(hcedGetVar(L"SDI", value), kRtError);
  EXPECT_EQ(hcedInvoke(HcResBufChain().str(L"x"), result), kRtError);
  EXPECT_EQ(hcedRetT(), kRtError);
  EXPECT_EQ(hcDocManagerPtr(), nullptr);
  EXPECT_EQ(hcEditorPtr(), nullptr);
  EXPECT_EQ(hcResourceString(173), L"#173");
  EXPECT_EQ(hcutPrintf(L"%s", L"nobody listens"), 14);
}

TEST(Identity, HolderTextHasThreeLinesWithoutATrailingBreak) {
  EXPECT_EQ(os::holderText(L"jdoe", L"ws12", L"John Doe", L"Sunday, 06 December 2026", L"10:00:00"),
            L"jdoe\nws12 John Doe\nSunday, 06 December 2026  10:00:00");
  const std::wstring now = os::currentHolderText(0, std::wstring(L"Configured Name"));
  EXPECT_EQ(std::count(now.begin(), now.end(), L'\n'), 2);
  EXPECT_NE(now.find(L" Configured Name\n"), std::wstring::npos);
  EXPECT_EQ(now.substr(0, now.find(L'\n')), os::loginName());
}

}  // namespace
}  // namespace vox::runtime

namespace vox::runtime {
namespace {

TEST(ResultChains, WalkValuesAndWriteLispText) {
  const HcResBufChain chain = HcResBufChain()
                                  .str(L"say \"hi\"\\")
                                  .beginList()
                                  .shortInt(1)
                                  .beginList()
                                  .real(2.0)
                                  .endList()
                                  .endList()
                                  .longInt(70000)
                                  .nil()
                                  .t();
  EXPECT_EQ(chain.toLispText(), L"\"say \\\"hi\\\"\\\\\" (1 (2.0)) 70000 nil T");
  HcResBufWalker walker(chain);
  EXPECT_EQ(walker.nextInteger(), std::nullopt);  // a string: no move
  EXPECT_EQ(walker.nextString(), L"say \"hi\"\\");
  const HcResBufChain list = walker.nextValue();
  EXPECT_EQ(list.size(), 6u);
  EXPECT_EQ(walker.nextInteger(), 70000);
  EXPECT_TRUE(walker.skipValue());
  EXPECT_EQ(walker.next()->type, kRtT);
  EXPECT_TRUE(walker.atEnd());
  EXPECT_FALSE(walker.skipValue());
  EXPECT_EQ(walker.nextValue().size(), 0u);
}

}  // namespace
}  // namespace vox::runtime
