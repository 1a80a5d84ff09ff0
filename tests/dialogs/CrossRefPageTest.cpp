// The Cross-References page: its sixteen drawing settings and the project's override flags.

#include "dialogs/CrossRefPage.h"

#include "PageFixture.h"

namespace vox::dialogs::test {
namespace {

using Indices = std::set<int>;

class CrossRefPageTest : public PageTest {
 protected:
  CrossRefPage page;
};

TEST_F(CrossRefPageTest, ChangingEveryFieldWritesExactlyItsSettings) {
  const VoxCfgDrawingSettings settings = fullSettings(0xFF);
  const VoxPrmMiscProjSettings misc = fullMisc();
  page.load(settings, &misc);
  for (const HcDialogField& f : page.fields()) {
    ASSERT_TRUE(page.setField(f.id, f.id == L"xref-override-flags" ? L"8" : L"%N/" + f.id)) << f.label;
  }
  EXPECT_FALSE(page.leave());
  VoxCfgDrawingSettings out(settings);
  VoxPrmMiscProjSettings miscOut(misc);
  page.store(out, &miscOut);
  EXPECT_EQ(changedIndices(settings, out),
            (Indices{14, 47, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73}));
  EXPECT_EQ(changedIndices(misc, miscOut), Indices{5});
  EXPECT_EQ(valueOf(out, 14), L"%N/xref-format");
  EXPECT_EQ(valueOf(out, 47), L"%N/xref-alt-format");
  EXPECT_EQ(valueOf(out, 73), L"%N/xref-table-justify");
  int flags = 0;
  miscOut.getValue(5, flags);
  EXPECT_EQ(flags, 8);
}

TEST_F(CrossRefPageTest, AnOverrideFlagWordMustBeAWholeNumber) {
  const VoxPrmMiscProjSettings misc = fullMisc();
  page.load(fullSettings(), &misc);
  ASSERT_TRUE(page.setField(L"xref-override-flags", L"8 and more"));
  const std::optional<PageRefusal> refusal = page.leave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focusField, L"xref-override-flags");
}

}  // namespace
}  // namespace vox::dialogs::test
