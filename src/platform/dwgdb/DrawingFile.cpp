#include "platform/dwgdb/DrawingFile.h"

#include <filesystem>

#include "platform/dwgdb/DrawingJson.h"
#include "platform/os/Files.h"
#include "platform/os/NativePath.h"

namespace vox::dwgdb {
namespace {

void report(std::wstring* error, const wchar_t* what, const std::wstring& path, const std::wstring& why) {
  if (error != nullptr) *error = std::wstring(what) + L" " + path + L": " + why;
}

// Checked before reading, so a huge file is never read into memory.
bool tooLarge(const std::wstring& path) {
  const std::optional<std::string> native = os::toNative(path);
  std::error_code failed;
  return native && std::filesystem::file_size(*native, failed) > kMaxDrawingFileSize && !failed;
}

}  // namespace

std::optional<Drawing> loadDrawing(const std::wstring& path, std::wstring* error) {
  os::OsError osError;
  std::string bytes;
  if (!os::fileExists(path)) {
    report(error, L"cannot open drawing", path, L"the file does not exist");
    return std::nullopt;
  }
  if (tooLarge(path)) {
    report(error, L"cannot open drawing", path, L"the file is too large");
    return std::nullopt;
  }
  if (!os::readFile(path, bytes, &osError)) {
    report(error, L"cannot open drawing", path, osError.message);
    return std::nullopt;
  }
  ParsedDrawing parsed = parseDrawing(bytes);
  if (!parsed.drawing) report(error, L"cannot open drawing", path, parsed.problem);
  return std::move(parsed.drawing);
}

bool saveDrawing(const std::wstring& path, const Drawing& drawing, std::wstring* error) {
  os::OsError osError;
  std::optional<os::ReplaceFile> file = os::ReplaceFile::open(path, &osError);
  if (file) {
    file->append(serializeDrawing(drawing));
    if (file->commit(&osError)) return true;
  }
  report(error, L"cannot save drawing", path, osError.message);
  return false;
}

}  // namespace vox::dwgdb
