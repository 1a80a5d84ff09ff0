// Typed calls of LISP core functions, against stand-ins defined in the interpreter.

#include <gtest/gtest.h>

#include "host/LispCoreFunctions.h"
#include "host/VoxSiblingServices.h"
#include "platform/lisp/LispReader.h"
#include "platform/siblings/SiblingStandIns.h"
#include "support/HostFixture.h"

namespace vox::test {
namespace {

using LispCoreFunctions = HostFixture;
using lisp::Value;
using Args = std::vector<Value>;

// A stand-in that records its arguments as text and answers `answer` (LISP text).
void standIn(lisp::Interpreter& interpreter, const std::wstring& name, const std::wstring& answer, std::wstring* seen) {
  const Value value = lisp::readAll(answer).values.at(0);
  interpreter.defineBuiltin(name, [value, seen](const Args& args, std::wstring&) {
    if (seen != nullptr) *seen = lisp::print(Value::ofList(args));
    return value;
  });
}

TEST_F(LispCoreFunctions, RecentProjectsListAndItsUpdates) {
  EXPECT_FALSE(host::lispcore::recentProjectList());
  standIn(lisp(), L"c:wd_get_recent_prj_lst", L"((\"\\\\p\\\\A.wdp\" \"\\\\p\\\\B.wdp\") nil nil nil (\"1\" \"2\"))", nullptr);
  const auto recent = host::lispcore::recentProjectList();
  ASSERT_TRUE(recent);
  EXPECT_EQ(recent->paths, (std::vector<std::wstring>{L"\\p\\A.wdp", L"\\p\\B.wdp"}));
  EXPECT_EQ(recent->flags, (std::vector<std::wstring>{L"1", L"2"}));
  standIn(lisp(), L"c:wd_get_recent_prj_lst", L"\"not a list\"", nullptr);
  EXPECT_FALSE(host::lispcore::recentProjectList());

  std::wstring seen;
  standIn(lisp(), L"c:vox_LastProjFil_upd", L"T", &seen);
  const std::array<std::wstring, 4> lines{L"Demo", L"", L"Line 3", L""};
  EXPECT_TRUE(host::lispcore::updateRecentProject(2, L"\\p\\A.wdp", &lines));
  EXPECT_EQ(seen, L"(nil ((\"1\" \"\\\\p\\\\A.wdp\" \"Demo\" \"\" \"Line 3\" \"\")))");
  EXPECT_TRUE(host::lispcore::updateRecentProject(4, L"\\p\\A.wdp", nullptr));
  EXPECT_EQ(seen, L"(nil ((\"X\" \"\\\\p\\\\A.wdp\" nil nil nil nil)))");
  EXPECT_FALSE(host::lispcore::updateRecentProject(5, L"\\p\\A.wdp", nullptr));
}

TEST_F(LispCoreFunctions, TheMonitorsBackgroundProcessLeavesTheRecentListAlone) {
  int updates = 0;
  lisp().defineBuiltin(L"c:vox_LastProjFil_upd", [&](const Args&, std::wstring&) { return ++updates, Value::t(); });
  siblings::SiblingStandIns helper(nullptr, L"", [](const std::string& name) -> std::optional<std::string> {
    if (name == "VOXFOLIO_PM_HELPER") return "1";
    return std::nullopt;
  });
  voxInstallSiblingServices(helper.services());
  EXPECT_TRUE(host::lispcore::updateRecentProject(2, L"\\p\\A.wdp", nullptr));  // skipped, counts as done
  EXPECT_FALSE(host::lispcore::updateRecentProject(5, L"\\p\\A.wdp", nullptr));  // still a bad code
  voxInstallSiblingServices({});
  EXPECT_EQ(updates, 0);
  EXPECT_TRUE(host::lispcore::updateRecentProject(2, L"\\p\\A.wdp", nullptr));
  EXPECT_EQ(updates, 1);
}

TEST_F(LispCoreFunctions, GlobalsAsTextOrNumber) {
  lisp().defineBuiltin(L"vox_get_var", [](const Args& args, std::wstring&) {
    const std::wstring& name = args.at(0).text;
    if (name == L"TEXT") return Value::ofString(L"12abc");
    if (name == L"ZERO") return Value::ofString(L"0");
    if (name == L"INT") return Value::ofInteger(3);
    return Value::nil();
  });
  EXPECT_EQ(host::lispcore::globalText(L"TEXT"), L"12abc");
  EXPECT_EQ(host::lispcore::globalNumber(L"TEXT"), 12);
  EXPECT_EQ(host::lispcore::globalNumber(L"INT"), 3);
  EXPECT_FALSE(host::lispcore::globalNumber(L"ZERO"));  // a string reading as 0 is not read
  EXPECT_FALSE(host::lispcore::globalText(L"INT"));
  EXPECT_FALSE(host::lispcore::globalText(L"UNSET"));
}

TEST_F(LispCoreFunctions, MessagesEnvironmentAndProjectCalls) {
  std::wstring seen;
  standIn(lisp(), L"c:wd_msg", L"\"Wire layers\"", &seen);
  EXPECT_EQ(host::lispcore::message(L"CFG060", L"Wire layers"), L"Wire layers");
  EXPECT_EQ(seen, L"(\"CFG060\" nil \"Wire layers\")");
  standIn(lisp(), L"wd_proj_figure_wdtitle_fnam", L"nil", nullptr);
  EXPECT_EQ(host::lispcore::titleBlockFileName(L"\\p\\A.wdp"), L"");  // done, without a file
  EXPECT_FALSE(host::lispcore::environmentValue(L"WD_LIB"));  // no such function
  standIn(lisp(), L"c:vox_proj_recent", L"nil", nullptr);
  std::optional<std::wstring> chosen = L"old";
  EXPECT_TRUE(host::lispcore::chooseRecentProject(chosen));
  EXPECT_FALSE(chosen);
  EXPECT_FALSE(host::lispcore::makeProjectActive(L"\\p\\A.wdp"));
  standIn(lisp(), L"vox_makeproj_active", L"T", &seen);
  EXPECT_TRUE(host::lispcore::makeProjectActive(L"\\p\\A.wdp"));
  EXPECT_EQ(seen, L"(\"\\\\p\\\\A.wdp\")");
}

}  // namespace
}  // namespace vox::test
