#pragma once
// One page of a property sheet, without any toolkit. A page works on copies: it reads its
// values from the settings the sheet hands it when it is first shown, the user edits its
// fields, it may refuse to be left while a field is wrong, and only when the whole sheet is
// accepted does it write its values back, touching nothing but the settings and flag bits it
// owns.
//
// The five pages shared by the project and drawing sheets edit drawing settings; in the project
// sheet three of them also edit some of the project's misc settings, which is why `load` and
// `store` take the misc record as a pointer: null in the drawing sheet.

#include <optional>
#include <string>
#include <vector>

#include "host/HcDialogController.h"

class VoxCfgDrawingSettings;
class VoxPrmMiscProjSettings;

namespace vox::dialogs {

// Why a page cannot be left: the field that gets the focus and the message to show.
struct PageRefusal {
  std::wstring focusField;
  std::wstring message;
  bool operator==(const PageRefusal&) const = default;
};

// A picture of a page: the group (sub-panel) it belongs to and its resource name.
struct PagePicture {
  std::wstring group;
  std::wstring resource;
  bool operator==(const PagePicture&) const = default;
};

class PropertyPage {
 public:
  virtual ~PropertyPage() = default;

  // The page's tab caption.
  virtual std::wstring title() const = 0;
  // The help topic is the sheet's prefix ("proj_props_", "drawing_props_") and this suffix.
  virtual std::wstring helpSuffix() const = 0;

  // Reads the page's values. `misc` is null where the page edits no misc settings (the drawing
  // sheet); the page then shows no misc fields.
  virtual void load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) = 0;

  virtual std::vector<HcDialogField> fields() const = 0;
  // As the user would: false for an unknown or disabled field, or a choice not offered.
  virtual bool setField(const std::wstring& id, const std::wstring& value) = 0;
  // A path field's browse button: asks the user for the path and sets the field. False when the
  // field has no browse button.
  virtual bool browse(const std::wstring& /*id*/) { return false; }

  // Checks the page before it is left or the sheet accepted. A check may also put a field back
  // to a sound value (a format without its number placeholder). Nothing when the page may be left.
  virtual std::optional<PageRefusal> leave() = 0;

  // Writes back what the user changed: only the page's own settings, misc settings (when `misc`
  // is not null) and flag bits. What was not changed is left as the target holds it, so
  // accepting an untouched page changes nothing.
  virtual void store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const = 0;

  // The page's pictures for the ladder orientation set with setLadderVertical.
  virtual std::vector<PagePicture> pictures() const { return {}; }

  void setLadderVertical(bool vertical) { m_vertical = vertical; }
  bool ladderVertical() const { return m_vertical; }

 private:
  bool m_vertical = false;
};

// "proj_props_" + "components_page_dialog".
inline std::wstring helpTopic(const std::wstring& prefix, const PropertyPage& page) {
  return prefix + page.helpSuffix();
}

}  // namespace vox::dialogs
