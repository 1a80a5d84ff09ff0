#pragma once
// The module's palette set as a dock widget: its caption is the palette set's, its object name
// its tool id (so the window layout finds it again). The project tab's controls come with their
// controllers; until then the dock shows what the host knows: the projects the module reported
// open, the active one in bold.

#include <QDockWidget>

#include <functional>
#include <string>
#include <vector>

class HcPaletteSetController;
class QLabel;
class QListWidget;

namespace vox::studio {

struct OpenProjectRow {
  std::wstring path;  // module form
  bool active = false;
};
using OpenProjects = std::function<std::vector<OpenProjectRow>()>;

class PaletteDock : public QDockWidget {
 public:
  PaletteDock(HcPaletteSetController& paletteSet, OpenProjects openProjects, QWidget* parent = nullptr);

  // Re-reads the caption and the open projects.
  void refresh();
  HcPaletteSetController& paletteSet() const { return paletteSet_; }
  QListWidget* projectList() const { return projects_; }

 private:
  HcPaletteSetController& paletteSet_;
  OpenProjects openProjects_;
  QLabel* heading_;
  QListWidget* projects_;
};

// A project's name as the palette shows it: the file name without folder and extension.
QString projectDisplayName(const std::wstring& modulePath);

}  // namespace vox::studio
