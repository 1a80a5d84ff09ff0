#include "platform/interaction/FileMessageCatalog.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vox::interaction {
namespace {

TEST(MessageCatalog, NumbersNamesEscapesAndProblems) {
  FileMessageCatalog catalog;
  catalog.parse(L"# comment\n\n173=First\\nsecond \\\\ \\t.\r\nCaption-Name=Über\n173=later wins\nno equals sign\n=x\n");
  EXPECT_EQ(catalog.string(173), L"later wins");
  EXPECT_EQ(catalog.text(L"caption-name"), L"Über");
  EXPECT_FALSE(catalog.string(174));
  ASSERT_EQ(catalog.problems().size(), 2u);
  EXPECT_NE(catalog.problems()[0].find(L"line 6"), std::wstring::npos);
  FileMessageCatalog escapes;
  escapes.parse(L"1=a\\nb\\\\c\\td\n");
  EXPECT_EQ(escapes.string(1), L"a\nb\\c\td");
}

TEST(MessageCatalog, TheShippedCatalogLoadsCleanly) {
  FileMessageCatalog catalog;
  ASSERT_TRUE(catalog.load(catalogPathIn(VOX_SOURCE_DIR)));
  EXPECT_TRUE(catalog.problems().empty());
  EXPECT_TRUE(catalog.text(L"project-file-error-caption"));
  EXPECT_TRUE(catalog.string(173));
  // The lock holder texts the LISP functions answer for a holder that cannot be named.
  for (const unsigned number : {121u, 122u, 127u}) EXPECT_TRUE(catalog.string(number)) << "no message " << number;
  FileMessageCatalog missing;
  const test::TempDir dir;
  EXPECT_FALSE(missing.load(dir.native("none.txt")));
  EXPECT_EQ(missing.problems().size(), 1u);
}

}  // namespace
}  // namespace vox::interaction
