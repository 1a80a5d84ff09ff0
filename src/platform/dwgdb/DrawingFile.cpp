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

// The drawing in the file, or nothing with `why` set.
std::optional<Drawing> readDrawingFile(const std::wstring& path, std::wstring& why) {
  os::OsError osError;
  std::string bytes;
  if (!os::fileExists(path)) {
    why = L"the file does not exist";
    return std::nullopt;
  }
  if (tooLarge(path)) {
    why = L"the file is too large";
    return std::nullopt;
  }
  if (!os::readFile(path, bytes, &osError)) {
    why = osError.message;
    return std::nullopt;
  }
  ParsedDrawing parsed = parseDrawing(bytes);
  if (!parsed.drawing) why = parsed.problem;
  return std::move(parsed.drawing);
}

}  // namespace

std::optional<Drawing> loadDrawing(const std::wstring& path, std::wstring* error) {
  std::wstring why;
  std::optional<Drawing> drawing = readDrawingFile(path, why);
  if (!drawing) report(error, L"cannot open drawing", path, why);
  return drawing;
}

std::wstring drawingProblem(const std::wstring& path) {
  std::wstring why;
  return readDrawingFile(path, why) ? std::wstring() : why;
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
