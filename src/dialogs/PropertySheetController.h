#pragma once
// A property sheet over pages (PropertyPage), as a dialog controller a host can run.
//
// The sheet holds the records its pages edit: the drawing settings they show (`shown`, for the
// project sheet a copy filled with defaults), the drawing settings they write into (`written`,
// for the project sheet the project's own defaults) and, in the project sheet only, the misc
// project settings. A page reads its values the first time it is shown; leaving a page asks it
// first and stays when it refuses. OK asks the current page too, then lets every page that was
// shown write back, in page order (pages never shown write nothing); Cancel writes nothing.
// What happens with the written records afterwards (storing them in a project or a drawing) is
// up to the sheet built on this one, through storePage and finishAccept.

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dialogs/PropertyPage.h"
#include "host/HcDialogController.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::dialogs {

struct SheetRecords {
  VoxCfgDrawingSettings shown;
  VoxCfgDrawingSettings written;
  std::optional<VoxPrmMiscProjSettings> misc;  // the project sheet only
};

class PropertySheetController : public HcDialogController {
 public:
  // `helpPrefix` is "proj_props_" or "drawing_props_". The ladder orientation of the pages'
  // pictures is read from `records.shown` now, once.
  PropertySheetController(std::wstring name, std::wstring title, std::wstring helpPrefix, SheetRecords records);

  // Appends a page; call before open().
  void addPage(std::unique_ptr<PropertyPage> page);
  // Shows page `index` (clamped to the pages) first.
  void open(int index = 0);

  std::wstring name() const override { return m_name; }
  std::wstring title() const override { return m_title; }
  std::vector<std::wstring> pages() const override;
  int currentPage() const override { return m_current; }
  HcDialogOutcome selectPage(int index) override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  bool browse(const std::wstring& id) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

  bool wasShown(int index) const { return m_shown.contains(index); }
  // The current page's help topic; empty without pages.
  std::wstring helpTopic() const;
  // The current page's pictures.
  std::vector<PagePicture> pictures() const;
  // The records; after OK they hold what the shown pages wrote back.
  const SheetRecords& records() const { return m_records; }
  PropertyPage* page(int index) const;

 protected:
  // Lets one shown page write back; by default into the sheet's written records.
  virtual void storePage(PropertyPage& page);
  // After all shown pages wrote back: closes with OK by default.
  virtual HcDialogOutcome finishAccept() { return HcDialogOutcome::close(kHcDialogOk); }
  // The help button: nothing by default.
  virtual void showHelp(const std::wstring& /*topic*/) {}

  SheetRecords& mutableRecords() { return m_records; }

 private:
  void show(int index);
  HcDialogOutcome accept();
  std::optional<PageRefusal> leaveCurrent();

  std::wstring m_name;
  std::wstring m_title;
  std::wstring m_helpPrefix;
  SheetRecords m_records;
  bool m_vertical = false;
  std::vector<std::unique_ptr<PropertyPage>> m_pages;
  std::set<int> m_shown;
  int m_current = 0;
};

}  // namespace vox::dialogs
