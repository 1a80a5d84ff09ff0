#include "PaletteDock.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "StudioTexts.h"
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
  auto* content = new QWidget(this);
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
