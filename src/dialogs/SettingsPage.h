#pragma once
// A property page described by a table of fields (PageField): it loads each field from its
// drawing setting, misc setting or flag bits, lets the user change it, checks it when the page
// is left and writes back only what changed. The five shared pages are such tables plus their
// own enabling rules and pictures.
//
// Rules common to all of them:
// - misc fields exist only when the page was loaded with a misc record (the project sheet);
// - a disabled field is neither checked nor written back: its setting keeps what it had;
// - a field whose value is what was loaded is not written back, so an unset setting stays unset
//   and accepting an untouched page changes nothing;
// - flag bits are written into the target's current word (or the loaded word when the target
//   has none), changing only the field's own bits.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/PageField.h"
#include "dialogs/PropertyPage.h"

namespace vox::dialogs {

class SettingsPage : public PropertyPage {
 public:
  void load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::optional<PageRefusal> leave() override;
  void store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const override;
  std::vector<PagePicture> pictures() const override;

 protected:
  // `pictures`: (group, picture base name) pairs, completed by the ladder orientation.
  SettingsPage(std::vector<PageField> specs, std::vector<std::pair<std::wstring, std::wstring>> pictures = {});

  // Recomputes enabled flags that follow other fields; called after load and every change.
  virtual void refreshEnabled() {}

  // For refreshEnabled: the shown value of a field (empty for an unknown one), and its flag.
  std::wstring value(const std::wstring& id) const;
  // The index of the choice a radio or choice field shows; -1 for an unknown field.
  int choice(const std::wstring& id) const;
  void setEnabled(const std::wstring& id, bool enabled);

 private:
  struct Bound {
    PageField spec;
    std::wstring shown;
    std::wstring loaded;
    bool present = false;
    bool enabled = true;
  };

  Bound* find(const std::wstring& id);
  const Bound* find(const std::wstring& id) const;
  std::wstring loadedText(const Bound& field, const VoxCfgDrawingSettings& settings,
                          const VoxPrmMiscProjSettings* misc) const;
  std::optional<PageRefusal> check(Bound& field);
  void storeField(const Bound& field, VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const;

  std::vector<Bound> m_fields;
  std::vector<std::pair<std::wstring, std::wstring>> m_pictures;
  int m_loadedFlags = 0;
};

}  // namespace vox::dialogs
