#include "QtUiHost.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMessageBox>

#include "FormDialog.h"
#include "MenuBuilder.h"

namespace vox::studio {
namespace {

constexpr int kPaletteWidth = 280;

}  // namespace

QtUiHost::QtUiHost(const std::string& settingsFolder) : layouts_(settings::paletteLayoutPathIn(settingsFolder)) {}

QtUiHost::~QtUiHost() { delete dock_.data(); }

PaletteDock* QtUiHost::dockFor(HcPaletteSetController& paletteSet) {
  if (dock_ != nullptr && &dock_->paletteSet() == &paletteSet) return dock_;
  if (window_ == nullptr) return nullptr;
  delete dock_.data();
  if (handed_ != &paletteSet) {
    layouts_.handTo(paletteSet);
    handed_ = &paletteSet;
  }
  dock_ = new PaletteDock(paletteSet, openProjects_, window_);
  window_->addDockWidget(Qt::LeftDockWidgetArea, dock_);
  // A layout saved with the dock in it puts it back where the user left it.
  if (!window_->restoreDockWidget(dock_)) window_->resizeDocks({dock_}, {kPaletteWidth}, Qt::Horizontal);
  return dock_;
}

void QtUiHost::refreshPalette() {
  if (dock_ != nullptr) dock_->refresh();
}

void QtUiHost::showPaletteSet(HcPaletteSetController& paletteSet, bool show) {
  PaletteDock* dock = show ? dockFor(paletteSet) : dock_.data();
  if (dock == nullptr || &dock->paletteSet() != &paletteSet) return;
  dock->refresh();
  dock->setVisible(show);
  if (show) dock->raise();
}

void QtUiHost::placePaletteSet(HcPaletteSetController& paletteSet, HcDockSide side) {
  PaletteDock* dock = dockFor(paletteSet);
  if (dock == nullptr) return;
  if (side == HcDockSide::kFloating) {
    dock->setFloating(true);
    return;
  }
  const Qt::DockWidgetArea area = side == HcDockSide::kLeft    ? Qt::LeftDockWidgetArea
                                  : side == HcDockSide::kRight ? Qt::RightDockWidgetArea
                                  : side == HcDockSide::kTop   ? Qt::TopDockWidgetArea
                                                               : Qt::BottomDockWidgetArea;
  dock->setFloating(false);
  window_->addDockWidget(area, dock);
}

void QtUiHost::paletteSetDestroyed(HcPaletteSetController& paletteSet) {
  if (handed_ == &paletteSet) {
    handed_ = nullptr;
    std::wstring error;
    if (!layouts_.takeFrom(paletteSet, error) && window_ != nullptr)
      QMessageBox::warning(window_, QString::fromStdWString(paletteSet.caption()), QString::fromStdWString(error));
  }
  if (dock_ != nullptr && &dock_->paletteSet() == &paletteSet) delete dock_.data();
}

std::optional<unsigned> QtUiHost::popupMenu(const HcMenu& menu, HcPoint screenPoint) {
  const std::unique_ptr<QMenu> qmenu = buildQMenu(menu, window_);
  return menuCommand(qmenu->exec(QPoint(screenPoint.x, screenPoint.y)));
}

int QtUiHost::runDialog(HcDialogController& dialog) {
  FormDialog form(dialog, window_);
  return form.run();
}

unsigned QtUiHost::doubleClickMs() const { return static_cast<unsigned>(QApplication::doubleClickInterval()); }

bool QtUiHost::textFits(const std::wstring& text, int widthPx) const {
  const QFont font = dock_ != nullptr ? dock_->font() : QApplication::font();
  return QFontMetrics(font).horizontalAdvance(QString::fromStdWString(text)) <= widthPx;
}

}  // namespace vox::studio
