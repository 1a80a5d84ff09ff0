#pragma once
// The module's project tree drawn by a QTreeView. The controller owns the selection, the caret,
// the expansion and every decision; this view draws them and forwards the user's input:
// presses with the part of the row they hit (an expand arrow is the button part) and the
// modifiers, double clicks, keys, the context menu request, and the end of a label edit. Qt never changes the selection by
// itself here (every selection command is "no update"); after each change the controller
// reports, the view copies its selected flags, caret and expansion into Qt's selection model
// and tree. The view is also the controller's view port: the first visible row, the page size
// and scrolling.
//
// Keys go to the controller, F2 too: it decides whether a label edit starts and asks for it
// (editRequest), and the view then opens the editor with the file name in it.

#include <QTreeView>

#include "ProjectTreeItemModel.h"
#include "host/HcPaletteControllers.h"

namespace vox::studio {

class ProjectTreeDelegate;

class ProjectTreeView : public QTreeView, public HcTreeViewPort {
  Q_OBJECT

 public:
  // Shows `tree` through a model of its own and becomes the tree's view port until destroyed.
  explicit ProjectTreeView(HcTreeController& tree, QWidget* parent = nullptr);
  ~ProjectTreeView() override;

  ProjectTreeItemModel* treeModel() const { return model_; }
  // The tree is gone or about to go: the view and its model stop telling it anything, so the
  // view can be deleted without it.
  void forgetTree();
  // The part of the node at `index` that a point of the viewport is on.
  HcHitPart hitPart(const QModelIndex& index, QPoint viewportPoint) const;

  // HcTreeViewPort
  HcNodeId firstVisibleNode() const override;
  int pageSize() const override;
  void scrollToTop(HcNodeId id) override;
  void ensureVisible(HcNodeId id) override;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  void setUpWidget();
  void followModel();
  void mirrorTree();
  void collectDrawings(HcNodeId project, QItemSelection& selection, QModelIndex& caret) const;
  void showSelection(const QItemSelection& selection, const QModelIndex& caret);
  void mirrorNodes(const QModelIndex& first, const QModelIndex& last);
  void mirrorExpansion(const QModelIndex& project, bool expanded);
  void forwardExpansion(const QModelIndex& project, bool expanded);
  void scrollToNode(const QModelIndex& index, ScrollHint hint);
  void beginEdit(const QModelIndex& index, const QString& initialText);
  int rowHeightHint() const;

  HcTreeController& tree_;
  ProjectTreeItemModel* model_;
  ProjectTreeDelegate* delegate_;
  // Set while the view copies the controller's state, so Qt's echoes are not sent back.
  bool mirroring_ = false;
  // The node whose label is being edited (0: none) and whether its text was handed over.
  HcNodeId editing_ = 0;
  bool committed_ = false;
  bool attached_ = true;
};

}  // namespace vox::studio
