#include "PaletteDock.h"

#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QVBoxLayout>

#include "ProjectComboView.h"
#include "ProjectTabView.h"
#include "ProjectTreeView.h"
#include "StudioTexts.h"
#include "TreeFilterBar.h"
#include "host/HcPaletteControllers.h"

namespace vox::studio {

QString projectDisplayName(const std::wstring& modulePath) {
  const std::size_t slash = modulePath.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? modulePath : modulePath.substr(slash + 1);
  if (const std::size_t dot = name.rfind(L'.'); dot != std::wstring::npos && dot > 0) name.resize(dot);
  return QString::fromStdWString(name);
}

PaletteDock::PaletteDock(HcPaletteSetController& paletteSet, OpenProjects openProjects, QWidget* parent)
    : QDockWidget(parent), paletteSet_(paletteSet), openProjects_(std::move(openProjects)) {
  setObjectName(QStringLiteral("palette-") + QString::fromStdWString(paletteSet.toolId()));
  content_ = new QWidget(this);
  QWidget* content = content_;
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(4, 4, 4, 4);
  heading_ = new QLabel(studioText(StudioText::kOpenProjects), content);
  heading_->setObjectName(QStringLiteral("openProjectsHeading"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  projects_ = new QListWidget(content);
  projects_->setObjectName(QStringLiteral("openProjects"));
  projects_->setSelectionMode(QAbstractItemView::NoSelection);
  layout->addWidget(heading_);
  layout->addWidget(projects_, 1);
  setWidget(content);
  refresh();
}

void PaletteDock::refresh() {
  setWindowTitle(QString::fromStdWString(paletteSet_.caption()));
  takeTree(paletteSet_.tree());
  refreshList();
}

// The tree's view replaces the list of open projects while the palette set has a tree. When the
// palette set answers another tree, the old one may be gone: its view is dropped without
// touching it.
void PaletteDock::takeTree(HcTreeController* tree) {
  if (tree == tree_) return;
  if (treeView_ != nullptr) {
    treeView_->forgetTree();
    delete treeView_;
  }
  delete tabArea_;  // the buttons, the combo box and the lower pane belong to the old palette
  tabArea_ = nullptr;
  treeView_ = nullptr;
  tree_ = tree;
  if (tree_ != nullptr) {
    // Buttons, combo box, then the tree above the details or preview pane.
    tabArea_ = new QWidget(content_);
    auto* column = new QVBoxLayout(tabArea_);
    column->setContentsMargins(0, 0, 0, 0);
    HcProjectTabController* tab = paletteSet_.projectTab();
    ProjectTabButtons* buttons = tab != nullptr ? new ProjectTabButtons(*tab, tabArea_) : nullptr;
    if (buttons != nullptr) column->addWidget(buttons);
    if (HcComboController* combo = paletteSet_.combo()) column->addWidget(new ProjectComboView(*combo, tabArea_));
    auto* split = new QSplitter(Qt::Vertical, tabArea_);
    split->setObjectName(QStringLiteral("projectSplit"));
    // The filter row above the tree; both take the split's upper part.
    auto* treeArea = new QWidget(split);
    auto* treeColumn = new QVBoxLayout(treeArea);
    treeColumn->setContentsMargins(0, 0, 0, 0);
    treeColumn->setSpacing(2);
    treeView_ = new ProjectTreeView(*tree_, treeArea);
    treeColumn->addWidget(new TreeFilterBar(*tree_, *treeView_->model(), treeArea));
    treeColumn->addWidget(treeView_, 1);
    split->addWidget(treeArea);
    if (tab != nullptr) {
      split->addWidget(new ProjectTabPages(*tab, buttons, split));
      // The split follows the stored ratio, and a moved handle is kept as the new one.
      const int whole = 1000;
      const int top = static_cast<int>(tab->topToWholeRatio() * whole);
      split->setSizes({top, whole - top});
      connect(split, &QSplitter::splitterMoved, split, [tab, split] {
        const QList<int> sizes = split->sizes();
        if (sizes.size() == 2 && sizes[0] + sizes[1] > 0)
          tab->setTopToWholeRatio(static_cast<double>(sizes[0]) / (sizes[0] + sizes[1]));
      });
    }
    column->addWidget(split, 1);
    content_->layout()->addWidget(tabArea_);
    tabArea_->show();
  }
  heading_->setVisible(tree_ == nullptr);
  projects_->setVisible(tree_ == nullptr);
}

void PaletteDock::refreshList() {
  projects_->clear();
  const std::vector<OpenProjectRow> rows = openProjects_ ? openProjects_() : std::vector<OpenProjectRow>{};
  for (const OpenProjectRow& row : rows) {
    auto* item = new QListWidgetItem(projectDisplayName(row.path), projects_);
    item->setToolTip(QString::fromStdWString(row.path));
    QFont font = item->font();
    font.setBold(row.active);
    item->setFont(font);
  }
  if (rows.empty()) {
    auto* none = new QListWidgetItem(studioText(StudioText::kNoOpenProjects), projects_);
    none->setFlags(Qt::NoItemFlags);
  }
}

}  // namespace vox::studio
