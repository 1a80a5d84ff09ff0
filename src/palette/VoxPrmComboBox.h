#pragma once
// The project combo box at the top of the project tab. Closed, it shows the active project's name
// with a lock mark; opened, it lists the open projects in the manager's order (the active one
// checked), then the recent-project, new-project and open-project commands, with separators.
// Choosing a project makes it active; choosing a command runs it, and a command that opens
// nothing puts the previous item back. A separator never becomes the current item; the
// commands that need a drawing are greyed while the host has none. The list is rebuilt whole
// on the project events; lock and read-only changes of the active project repaint the face.

#include <functional>
#include <string>
#include <vector>

#include "core/ProjectEvent.h"
#include "host/HcPaletteControllers.h"

class VoxPrmProject;

class VoxPrmComboBox : public VoxPrmProjectEventReceiver, public HcComboController {
 public:
  enum ItemType : int { kProjectItem = 1, kRecentItem = 2, kOpenItem = 3, kNewItem = 4, kSeparatorItem = 9 };

  struct voxprmComboDataTag {
    ItemType type = kSeparatorItem;
    std::wstring text;
    VoxPrmProject* project = nullptr;  // not owned
    bool needsDocument = false;
  };

  VoxPrmComboBox();
  ~VoxPrmComboBox() override;
  VoxPrmComboBox(const VoxPrmComboBox&) = delete;
  VoxPrmComboBox& operator=(const VoxPrmComboBox&) = delete;

  // Rebuilds the items and makes the active project's item current.
  virtual void onListNeedsUpdate();
  virtual void AddDefaultComboList();
  // False for an index beyond the end or an empty item that is no separator; -1 appends.
  bool InsertItem(int index, voxprmComboDataTag item);
  void ClearItems();
  virtual void OnItemSelection(int index);
  const std::vector<voxprmComboDataTag>& itemData() const { return items_; }

  void HookProjectEvents();
  void UnhookProjectEvents();

  // HcComboController
  std::vector<HcComboItemView> items() const override;
  int currentIndex() const override { return current_; }
  HcComboFace face(int widthPx) const override;
  void choose(int index) override;
  void setChangeListener(std::function<void()> listener) override { changed_ = std::move(listener); }

 private:
  void onProjectChanged(const std::wstring&) { rebuild(); }
  void onCloseAllNA() { rebuild(); }
  void onLockChanged(const std::wstring& projectID);
  void onReadOnlyChanged(const std::wstring& projectID, bool) { onLockChanged(projectID); }
  void rebuild();
  void restorePrevious();
  void changed() const;

  std::vector<voxprmComboDataTag> items_;
  int current_ = -1;
  int previous_ = -1;
  bool eventsHooked_ = false;
  std::function<void()> changed_;
};
