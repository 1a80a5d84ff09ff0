#pragma once
// The JSON form of a drawing (docs/drawing-format.md): parsing a file's bytes into a Drawing and
// writing a Drawing back. Unknown members and unknown entity types are carried through.

#include <optional>
#include <string>
#include <string_view>

#include "platform/dwgdb/Drawing.h"

namespace vox::dwgdb {

inline constexpr std::string_view kFormatName = "voxfolio-drawing";
inline constexpr int kFormatVersion = 1;

struct ParsedDrawing {
  std::optional<Drawing> drawing;
  std::wstring problem;  // why there is none: not JSON, not a drawing, a member of a wrong type
};

ParsedDrawing parseDrawing(std::string_view bytes);
// Indented JSON text, ending with a line break.
std::string serializeDrawing(const Drawing& drawing);

}  // namespace vox::dwgdb
