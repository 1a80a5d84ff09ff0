#pragma once
// The project tab's tool buttons and its lower pane as widgets over the module's project tab
// controller: a row of tool buttons (icons, tooltips, greyed as the controller says), and the
// details text or the preview picture with two page buttons. Presses and page changes go to
// the controller; everything shown is re-read when it says it changed.

#include <QWidget>

class HcProjectTabController;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace vox::studio {

class ProjectTabButtons : public QWidget {
 public:
  ProjectTabButtons(HcProjectTabController& tab, QWidget* parent = nullptr);
  void refresh();

 private:
  HcProjectTabController& tab_;
  QHBoxLayout* row_;
};

class ProjectTabPages : public QWidget {
 public:
  // Re-reads itself, and `buttons` when given, whenever the controller changed.
  ProjectTabPages(HcProjectTabController& tab, ProjectTabButtons* buttons, QWidget* parent = nullptr);
  ~ProjectTabPages() override;
  void refresh();
  QPlainTextEdit* details() const { return details_; }

 private:
  HcProjectTabController& tab_;
  QButtonGroup* pages_;
  QStackedWidget* stack_;
  QPlainTextEdit* details_;
  QLabel* preview_;
};

}  // namespace vox::studio
