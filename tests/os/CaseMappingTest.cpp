#include "platform/os/CaseMapping.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vox::os {
namespace {

TEST(CaseMapping, MapsBeyondAsciiWhateverTheProcessLocale) {
  std::setlocale(LC_ALL, "C");  // the mapping must not depend on it
  EXPECT_EQ(toUpper(L"straße äöü é"), L"STRAßE ÄÖÜ É");  // simple mapping: one character each
  EXPECT_EQ(toLower(L"ÀÉÎÕÜ ΣΑΒ Жук"), L"àéîõü σαβ жук");
  EXPECT_EQ(toUpper(L'ÿ'), L'Ÿ');
}

TEST(CaseMapping, ComparesIgnoringCase) {
  EXPECT_TRUE(iequals(L"C:\\Proj\\Ärger.DWG", L"c:\\proj\\ärger.dwg"));
  EXPECT_FALSE(iequals(L"abc", L"abcd"));
  EXPECT_FALSE(iequals(L"a/b", L"a\\b"));
  EXPECT_LT(icompare(L"apple", L"Banana"), 0);
  EXPECT_GT(icompare(L"b", L"A"), 0);
  EXPECT_EQ(icompare(L"Same", L"sAME"), 0);
  EXPECT_LT(icompare(L"ab", L"ABC"), 0);
  EXPECT_TRUE(istartsWith(L"====REF x", L"====ref"));
  EXPECT_FALSE(istartsWith(L"==", L"==="));
}

TEST(CaseMapping, HashAgreesWithEquality) {
  const CaseInsensitiveHash hash;
  EXPECT_EQ(hash(L"C:\\P\\ÉTÉ.dwg"), hash(L"c:\\p\\été.DWG"));
  EXPECT_NE(hash(L"a.dwg"), hash(L"b.dwg"));
}

}  // namespace
}  // namespace vox::os
