#pragma once
// Drawing files on module paths: reading one whole into a Drawing, and replacing one atomically
// (the new content goes to a temporary file beside it and is renamed over it when complete).

#include <optional>
#include <string>

#include "platform/dwgdb/Drawing.h"

namespace vox::dwgdb {

// A file larger than this is not a drawing of ours.
inline constexpr std::size_t kMaxDrawingFileSize = std::size_t{256} << 20;

// The drawing in the file at `path`; empty with `error` set ("cannot open drawing PATH: why")
// when it cannot be read or is not a well-formed drawing.
std::optional<Drawing> loadDrawing(const std::wstring& path, std::wstring* error = nullptr);
// Why the file at `path` is not a drawing that can be read ("the file is cut short: ..."), or
// empty when it is one.
std::wstring drawingProblem(const std::wstring& path);
// Writes `drawing` to `path`; false with `error` set ("cannot save drawing PATH: why"), and
// the old file whole, when the file cannot be written.
bool saveDrawing(const std::wstring& path, const Drawing& drawing, std::wstring* error = nullptr);

}  // namespace vox::dwgdb
