#include "platform/lisp/LispReader.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vox::lisp {
namespace {

std::wstring roundTrip(const std::wstring& text) {
  const ReadResult read = readAll(text);
  EXPECT_TRUE(read.ok()) << read.error;
  std::wstring out;
  for (const Value& v : read.values) out += (out.empty() ? L"" : L" ") + print(v);
  return out;
}

TEST(LispReader, ReadsAndPrintsEveryKindOfValue) {
  EXPECT_EQ(roundTrip(L"(name \"a\" 1 2.5 nil T '(\"x\" 2))"), L"(name \"a\" 1 2.5 nil T (quote (\"x\" 2)))");
  EXPECT_EQ(roundTrip(L"  -7 +3 .5 2e3 -0.25 3.0 NIL t ()"), L"-7 3 0.5 2000.0 -0.25 3.0 nil T nil");
  EXPECT_EQ(roundTrip(L"\"q\\\"uote\\\\ \\n\\t\""), L"\"q\\\"uote\\\\ \\n\\t\"");
  EXPECT_EQ(roundTrip(L"(a ; comment\n b) 'c"), L"(a b) (quote c)");
  EXPECT_EQ(roundTrip(L"99999999999 1e400 c:wd_getenv 12a"), L"1e+11 1.0e999 c:wd_getenv 12a");
}

TEST(LispReader, IntegersThatFitAreIntegers) {
  const ReadResult read = readAll(L"2147483647 2147483648 -2147483648");
  ASSERT_EQ(read.values.size(), 3u);
  EXPECT_EQ(read.values[0].kind, Value::Kind::kInteger);
  EXPECT_EQ(read.values[1].kind, Value::Kind::kReal);
  EXPECT_EQ(read.values[2].integer, INT32_MIN);
}

TEST(LispReader, BadInputGivesAnErrorNotACrash) {
  EXPECT_NE(readAll(L"(a (b)").error.find(L"malformed list"), std::wstring::npos);
  EXPECT_NE(readAll(L"(a))").error.find(L"extra right paren"), std::wstring::npos);
  EXPECT_NE(readAll(L"\"open").error.find(L"unterminated string"), std::wstring::npos);
  EXPECT_NE(readAll(L"'").error.find(L"quote"), std::wstring::npos);
  const auto start = std::chrono::steady_clock::now();
  const ReadResult deep = readAll(std::wstring(10 * 1024 * 1024, L'('));
  EXPECT_NE(deep.error.find(L"nesting too deep"), std::wstring::npos);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  std::wstring nested;
  for (std::size_t i = 0; i < kMaxNesting; ++i) nested += L"'(";
  EXPECT_TRUE(readAll(nested + std::wstring(kMaxNesting, L')')).ok());
  EXPECT_FALSE(readAll(L"(" + nested + std::wstring(kMaxNesting + 1, L')')).ok());
}

TEST(LispValue, ChainsCarryTheTypes) {
  const ReadResult read = readAll(L"(\"a\" 1 70000 2.5 nil T (\"x\" 2))");
  const HcResBufChain chain = toChain(read.values[0].list);
  std::vector<int> types;
  for (const HcResBuf& item : chain.items()) types.push_back(item.type);
  EXPECT_EQ(types, (std::vector<int>{kRtStr, kRtShort, kRtLong, kRtReal, kRtNil, kRtT, kRtListBegin, kRtStr, kRtShort,
                                     kRtListEnd}));
  EXPECT_EQ(fromChain(chain), read.values[0].list);
  HcResBufChain unbalanced;
  unbalanced.endList().beginList().str(L"x");
  EXPECT_EQ(print(fromChain(unbalanced).at(0)), L"(\"x\")");
}

}  // namespace
}  // namespace vox::lisp
