// The sample drawings under samples/ are what the generator makes, byte for byte, and each
// opens as a drawing.

#include <gtest/gtest.h>

#include "SampleDrawings.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/NativePath.h"
#include "support/TempDir.h"

namespace vox::tools {
namespace {

TEST(SampleDrawings, TheShippedSamplesAreWhatTheGeneratorMakes) {
  const test::TempDir temp;
  std::wstring error;
  ASSERT_TRUE(writeSamples(temp.native(), error));
  const std::string shipped = std::string(VOX_SOURCE_DIR) + "/samples/";
  for (const SampleFile& file : sampleDrawings()) {
    SCOPED_TRACE(file.relativePath);
    EXPECT_EQ(test::readNative(temp.native(file.relativePath)), test::readNative(shipped + file.relativePath));
    const std::optional<dwgdb::Drawing> opened = dwgdb::loadDrawing(os::fromNative(shipped + file.relativePath));
    ASSERT_TRUE(opened);
    EXPECT_EQ(*opened, file.drawing);
  }
}

}  // namespace
}  // namespace vox::tools
