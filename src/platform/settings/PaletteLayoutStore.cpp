#include "platform/settings/PaletteLayoutStore.h"

#include <sstream>

#include "host/HcPaletteControllers.h"
#include "platform/os/NativePath.h"
#include "platform/settings/SettingsFile.h"

namespace vox::settings {
namespace {

constexpr const char* kRootName = "PaletteLayouts";
constexpr const char* kPaletteSetName = "PaletteSet";

std::string utf8(const std::wstring& text) { return os::encodeFileName(text); }

}  // namespace

std::string paletteLayoutPathIn(const std::string& settingsFolder) {
  return settingsFolder + "/palette-layout.xml";
}

PaletteLayoutStore::PaletteLayoutStore(std::string path) : path_(std::move(path)) {}

pugi::xml_node PaletteLayoutStore::root() {
  pugi::xml_node node = document_.child(kRootName);
  return node ? node : document_.append_child(kRootName);
}

bool PaletteLayoutStore::load(std::wstring& error) {
  loaded_ = true;
  document_.reset();
  const FileContent content = readSettingsFile(path_);
  if (content.status == FileContent::Status::kMissing) return true;
  if (content.status == FileContent::Status::kRead) {
    const pugi::xml_parse_result parsed = document_.load_buffer(content.bytes.data(), content.bytes.size());
    if (parsed && document_.child(kRootName)) return true;
  }
  document_.reset();
  std::wstring asideError;
  const auto aside = setAside(path_, asideError);
  error = L"The palette layout file \"" + os::decodeFileName(path_) + L"\" could not be read" +
          (aside ? L"; it was kept as \"" + os::decodeFileName(*aside) + L"\"." : L".");
  return false;
}

bool PaletteLayoutStore::save(std::wstring& error) {
  std::wstring folderError;
  const std::size_t slash = path_.rfind('/');
  if (slash != std::string::npos && !ensureFolder(path_.substr(0, slash), folderError)) {
    error = folderError;
    return false;
  }
  root();
  std::ostringstream bytes;
  document_.save(bytes, "  ", pugi::format_default, pugi::encoding_utf8);
  return writeAtomically(path_, bytes.str(), stampOf(path_), error).has_value();
}

pugi::xml_node PaletteLayoutStore::paletteSetElement(const std::wstring& toolId) {
  const std::string id = utf8(toolId);
  pugi::xml_node top = root();
  for (pugi::xml_node node : top.children(kPaletteSetName))
    if (id == node.attribute("id").value()) return node;
  pugi::xml_node node = top.append_child(kPaletteSetName);
  node.append_attribute("id") = id.c_str();
  return node;
}

void PaletteLayoutStore::handTo(HcPaletteSetController& paletteSet) {
  std::wstring ignored;  // an unreadable file was set aside; the palette starts from defaults
  if (!loaded_) load(ignored);
  paletteSet.loadLayout(paletteSetElement(paletteSet.toolId()));
}

bool PaletteLayoutStore::takeFrom(HcPaletteSetController& paletteSet, std::wstring& error) {
  if (!loaded_) load(error);
  pugi::xml_node element = paletteSetElement(paletteSet.toolId());
  element.remove_attribute("shown");
  element.append_attribute("shown") = paletteSet.isVisible() ? 1 : 0;
  paletteSet.saveLayout(element);
  return save(error);
}

}  // namespace vox::settings
