#pragma once
// The drawings under samples/: the "WD_M" settings block file and two ladder blocks of the block
// library, the demonstration project's template and its drawings. Made by code so that they
// can be made again byte for byte.

#include <string>
#include <vector>

#include "platform/dwgdb/Drawing.h"

namespace vox::tools {

struct SampleFile {
  std::string relativePath;  // below the samples folder, with "/"
  dwgdb::Drawing drawing;
};

std::vector<SampleFile> sampleDrawings();

// Writes every sample below the native folder `samplesFolder`; false with `error` set when a
// file cannot be written.
bool writeSamples(const std::string& samplesFolder, std::wstring& error);

}  // namespace vox::tools
