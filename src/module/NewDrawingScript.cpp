#include "module/NewDrawingScript.h"

#include "host/LispCorePaletteCalls.h"
#include "platform/os/Files.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"

namespace vox::module {

std::optional<std::wstring> newDrawingScriptText(const std::wstring& drawingPath) {
  if (host::lispcore::unsafeForQuotedInput(drawingPath)) return std::nullopt;
  return L"_.open\n\"" + drawingPath + L"\"\n_voxcontinuenewdrawing\n";
}

std::wstring newDrawingScriptPath(const std::wstring& userFolder) {
  std::wstring folder = os::toBackslashes(userFolder);
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder + kNewDrawingScriptName;
}

bool writeNewDrawingScript(const std::wstring& scriptPath, const std::wstring& text, os::OsError* error) {
  std::optional<os::ReplaceFile> file = os::ReplaceFile::open(scriptPath, error);
  if (!file) return false;
  file->append(os::narrowCodec().encode(text));
  return file->commit(error);
}

}  // namespace vox::module
