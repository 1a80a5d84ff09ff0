// The pure parts of the details texts: lock-state wording, file sizes and the title-block labels
// of a project's description lines.

#include "palette/TreeDetailsText.h"

#include <gtest/gtest.h>

#include "support/HostFixture.h"

namespace vox::palette {
namespace {

using Texts = test::HostFixture;  // the shipped message catalog

TEST_F(Texts, LockStatesHaveTheirWordingAndTheHolderGoesIntoLockedBy) {
  EXPECT_EQ(lockStatusText(kLockedByOther, L"jsmith"), L"Locked by jsmith");
  EXPECT_EQ(lockStatusText(kLockedByMe, L"me"), L"Locked by me");
  EXPECT_EQ(lockStatusText(kNotLocked, L"ignored"), L"Not locked");
  EXPECT_NE(lockStatusText(kFileNotFound, L""), lockStatusText(kNoFolderAccess, L""));
  EXPECT_EQ(lockStatusText(static_cast<_lockStatus>(99), L""), std::nullopt) << "no lock state, no text";
}

TEST_F(Texts, SizesAreKilobytesUpToAThousandAndTwentyThreeThenMegabytes) {
  EXPECT_EQ(fileSizeText(1023), L"0 KB (1023 bytes)");
  EXPECT_EQ(fileSizeText(1023 * 1024 + 1023), L"1023 KB (1048575 bytes)");
  EXPECT_EQ(fileSizeText(1024 * 1024), L"1 MB (1048576 bytes)");
  EXPECT_EQ(fileSizeText(5LL * 1024 * 1024 * 1024), L"5120 MB (5368709120 bytes)");
}

TEST_F(Texts, TitleBlockLabelsComeFromLineNumberedEntries) {
  const std::map<int, std::wstring> labels = titleBlockLabels(
      L"; title block labels\r\nLINE1=Client\r\n  line 2 =Site\nLINE0=zero\nLINEx=bad\nLINE3=\nTITLE=no\nxLine12=Twelve");
  EXPECT_EQ(labels, (std::map<int, std::wstring>{{1, L"Client"}, {2, L"Site"}, {3, L""}, {12, L"Twelve"}}));
  EXPECT_EQ(descriptionLineLabel(labels, 1), L"Client ");
  EXPECT_EQ(descriptionLineLabel(labels, 3), L"Line 3: ") << "an empty label gives the numbered line";
  EXPECT_EQ(descriptionLineLabel(labels, 4), L"Line 4: ");
}

}  // namespace
}  // namespace vox::palette
