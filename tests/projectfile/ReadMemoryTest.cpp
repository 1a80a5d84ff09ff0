// The memory a project read needs, counted through the program's own operator new (this test is
// a program of its own for that reason): a read holds the records it fills and little more,
// never the whole file besides them, and the drawing list has no spare room.

#include <gtest/gtest.h>

#include <filesystem>

#include "projectfile/VoxPrmWDPFiler.h"
#include "support/AllocationCounter.h"
#include "support/TempDir.h"

namespace {

using vox::test::TempDir;

// What a read may hold besides the records it fills: a piece of the file and one line's worth.
constexpr std::size_t kTransientAllowance = 256 * 1024;

// A project like the benchmark's: each drawing with a section, a sub-section and two descriptions.
VoxPrmProjectData generated(const TempDir& dir, int drawings) {
  VoxPrmProjectData data;
  data.setProjDescriptions({L"Memory test project", L"Generated"});
  for (int i = 0; i < drawings; ++i) {
    VoxPrmFileDetails e;
    e.fileName = dir.path(L"sheets\\" + std::to_wstring(i / 100) + L"\\DWG" + std::to_wstring(i) + L".dwg");
    e.section = L"Section " + std::to_wstring(i / 500);
    e.subSection = L"Sub-section " + std::to_wstring(i / 50);
    e.descriptions = {L"Drawing number " + std::to_wstring(i), L"Motor control circuit, cabinet 3"};
    data.addFile(e);
  }
  return data;
}

TEST(ProjectReadMemory, AReadOf20000DrawingsHoldsTheRecordsAndLittleMore) {
  const TempDir dir;
  {
    VoxPrmWDPFiler writer(dir.path(L"big.wdp"), false);
    ASSERT_TRUE(writer.writeProject(generated(dir, 20000)));
  }
  const auto fileSize = static_cast<std::size_t>(std::filesystem::file_size(dir.native("big.wdp")));

  VoxPrmWDPFiler filer(dir.path(L"big.wdp"), true);
  VoxPrmProjectData data;
  vox::test::markAllocationPeak();
  const std::size_t before = vox::test::allocatedBytes();
  ASSERT_TRUE(filer.readProject(data));
  const std::size_t kept = vox::test::allocatedBytes() - before;
  const std::size_t peak = vox::test::peakBytesSinceMark();

  ASSERT_EQ(data.getProjFileDetails().size(), 20000u);
  EXPECT_EQ(data.getProjFileDetails().capacity(), 20000u) << "the drawing list is sized once, without spare room";
  EXPECT_LE(peak, kept + kTransientAllowance)
      << "file " << fileSize << " bytes; the read kept " << kept << " bytes (" << double(kept) / double(fileSize)
      << "x the file) and held at most " << peak << " (" << double(peak) / double(fileSize) << "x)";
}

}  // namespace
