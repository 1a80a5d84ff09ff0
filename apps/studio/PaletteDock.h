#pragma once
// The module's palette set as a dock widget: its caption is the palette set's, its object name
// its tool id (so the window layout finds it again). When the palette set has a project tree,
// the dock shows it; without one it shows what the host knows: the projects the module reported
// open, the active one in bold.

#include <QDockWidget>

#include <functional>
#include <string>
#include <vector>

class HcPaletteSetController;
class HcTreeController;
class QLabel;
class QListWidget;

namespace vox::studio {

class ProjectTreeView;

struct OpenProjectRow {
  std::wstring path;  // module form
  bool active = false;
};
using OpenProjects = std::function<std::vector<OpenProjectRow>()>;

class PaletteDock : public QDockWidget {
 public:
  PaletteDock(HcPaletteSetController& paletteSet, OpenProjects openProjects, QWidget* parent = nullptr);

  // Re-reads the caption and the open projects, and takes up the palette set's project tree
  // when it has a new one.
  void refresh();
  HcPaletteSetController& paletteSet() const { return paletteSet_; }
  QListWidget* projectList() const { return projects_; }
  // The project tree's view; null while the palette set has no tree.
  ProjectTreeView* treeView() const { return treeView_; }
  HcTreeController* tree() const { return tree_; }

 private:
  void takeTree(HcTreeController* tree);
  void refreshList();

  HcPaletteSetController& paletteSet_;
  OpenProjects openProjects_;
  QLabel* heading_;
  QListWidget* projects_;
  QWidget* content_;
  HcTreeController* tree_ = nullptr;
  ProjectTreeView* treeView_ = nullptr;
  QWidget* tabArea_ = nullptr;
};

// A project's name as the palette shows it: the file name without folder and extension.
QString projectDisplayName(const std::wstring& modulePath);

}  // namespace vox::studio
