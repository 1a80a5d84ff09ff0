// Feeds arbitrary bytes to the project file reader. Besides not crashing, what the writer makes
// of a read project must read back to content that is written out the same again. (The content
// itself may differ after the first write: empty project description lines are not written.)

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/os/NarrowCodec.h"
#include "projectfile/ProjectFileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace vox::projectfile;
  const vox::os::NarrowCodec& codec = vox::os::narrowCodec();
  const ProjectFolderPaths paths(L"C:\\Projects\\Fuzz");
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);

  VoxPrmProjectData first;
  readProjectText(input, codec, paths, {}, first);
  const std::string written = writeProjectText(first, codec, paths);
  VoxPrmProjectData second;
  readProjectText(written, codec, paths, {}, second);
  if (writeProjectText(second, codec, paths) != written) std::abort();
  return 0;
}
