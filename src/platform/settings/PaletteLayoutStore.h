#pragma once
// The host's palette layout store: an XML element tree kept in a file beside the settings
// (palette-layout.xml). Each palette set has its own element, named by its tool id, which the
// host hands to the palette set when it first shows it and takes back when it is destroyed;
// the palette set keeps its own elements below it. The host's own facts (shown, dock side)
// are attributes of that element. Unknown elements are kept, so nothing is lost on save.
//
//   <PaletteLayouts>
//     <PaletteSet id="{...}" shown="1" dock="right">
//       ... the palette set's own elements ...
//     </PaletteSet>
//   </PaletteLayouts>

#include <string>

#include <pugixml.hpp>

class HcPaletteSetController;

namespace vox::settings {

class PaletteLayoutStore {
 public:
  // The store in file `path` (native); nothing is read yet.
  explicit PaletteLayoutStore(std::string path);

  // Reads the file. A missing file gives an empty tree; a file that is not a layout tree is set
  // aside (renamed) and an empty tree used, with `error` telling so. False only in that case.
  bool load(std::wstring& error);
  // Writes the tree atomically; false with `error` set when it cannot be written.
  bool save(std::wstring& error);

  // The element of the palette set `toolId`, created when missing.
  pugi::xml_node paletteSetElement(const std::wstring& toolId);

  // Loads the file once and hands the palette set its element.
  void handTo(HcPaletteSetController& paletteSet);
  // Takes the palette set's layout into its element and saves the file; false with `error`.
  bool takeFrom(HcPaletteSetController& paletteSet, std::wstring& error);

  const std::string& path() const { return path_; }
  const pugi::xml_document& document() const { return document_; }

 private:
  pugi::xml_node root();

  std::string path_;
  pugi::xml_document document_;
  bool loaded_ = false;
};

// The layout file in a settings folder (native).
std::string paletteLayoutPathIn(const std::string& settingsFolder);

}  // namespace vox::settings
