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
}

// A quote wraps its value in one more list, so quotes count toward the nesting limit like
// parentheses do.
TEST(LispReader, QuotesCountTowardTheNestingLimit) {
  std::wstring nested;
  for (std::size_t i = 0; i < kMaxNesting / 2; ++i) nested += L"'(";
  EXPECT_TRUE(readAll(nested + std::wstring(kMaxNesting / 2, L')')).ok());
  const ReadResult over = readAll(L"'" + nested + std::wstring(kMaxNesting / 2, L')'));
  EXPECT_NE(over.error.find(L"nesting too deep"), std::wstring::npos) << "got: " << over.error;

  const ReadResult manyQuotes = readAll(std::wstring(100000, L'\'') + L"x");
  EXPECT_NE(manyQuotes.error.find(L"nesting too deep"), std::wstring::npos) << "got: " << manyQuotes.error;
  const ReadResult quotesInList = readAll(L"(a " + std::wstring(kMaxNesting, L'\'') + L"x)");
  EXPECT_NE(quotesInList.error.find(L"nesting too deep"), std::wstring::npos) << "got: " << quotesInList.error;

  // Quotes of finished values no longer count: many quoted values side by side read fine.
  std::wstring siblings = L"(";
  for (std::size_t i = 0; i < 2 * kMaxNesting; ++i) siblings += L"'''x ";
  const ReadResult wide = readAll(siblings + L")");
  ASSERT_TRUE(wide.ok()) << wide.error;
  EXPECT_EQ(print(wide.values[0].list[0]), L"(quote (quote (quote x)))");

  const ReadResult deepest = readAll(std::wstring(kMaxNesting - 1, L'\'') + L"\"s\"");
  ASSERT_TRUE(deepest.ok()) << deepest.error;
  const Value* inner = &deepest.values[0];
  std::size_t depth = 0;
  while (inner->kind == Value::Kind::kList) {
    ASSERT_EQ(inner->list.size(), 2u);
    EXPECT_EQ(inner->list[0], Value::symbol(L"quote"));
    inner = &inner->list[1];
    ++depth;
  }
  EXPECT_EQ(depth, kMaxNesting - 1);
  EXPECT_EQ(*inner, Value::ofString(L"s"));
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
