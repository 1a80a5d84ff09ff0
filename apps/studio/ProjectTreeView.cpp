#include "ProjectTreeView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "ProjectTreeDelegate.h"
#include "ProjectTreeInput.h"

namespace vox::studio {
namespace {

constexpr int kIconSize = 16;

HcNodeId idOf(const QModelIndex& index) { return ProjectTreeItemModel::idOf(index); }

}  // namespace

ProjectTreeView::ProjectTreeView(HcTreeController& tree, QWidget* parent)
    : QTreeView(parent), tree_(tree), model_(new ProjectTreeItemModel(tree, this)), delegate_(new ProjectTreeDelegate(this)) {
  setUpWidget();
  setItemDelegate(delegate_);
  setModel(model_);
  followModel();
  tree_.setViewPort(this);
  mirrorTree();
}

void ProjectTreeView::setUpWidget() {
  setObjectName(QStringLiteral("projectTree"));
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setSelectionMode(ExtendedSelection);
  setEditTriggers(NoEditTriggers);
  setExpandsOnDoubleClick(false);
  // Scrolling is the controller's (scroll requests, the view port); Qt must not scroll by itself
  // when rows around the current one go.
  setAutoScroll(false);
  setVerticalScrollMode(ScrollPerItem);
  setIconSize(QSize(kIconSize, kIconSize));
  viewport()->setBackgroundRole(QPalette::Window);
}

// After Qt's own handling of each change (its connections come first), the view copies the
// controller's flags again and answers its requests.
void ProjectTreeView::followModel() {
  connect(model_, &QAbstractItemModel::rowsInserted, this, &ProjectTreeView::mirrorTree);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, &ProjectTreeView::mirrorTree);
  connect(model_, &QAbstractItemModel::layoutChanged, this, &ProjectTreeView::mirrorTree);
  connect(model_, &QAbstractItemModel::modelReset, this, &ProjectTreeView::mirrorTree);
  connect(model_, &QAbstractItemModel::dataChanged, this, &ProjectTreeView::mirrorNodes);
  connect(model_, &ProjectTreeItemModel::selectionFlagsChanged, this, &ProjectTreeView::mirrorTree);
  connect(model_, &ProjectTreeItemModel::editRequested, this, &ProjectTreeView::beginEdit);
  connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { forwardExpansion(index, true); });
  connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { forwardExpansion(index, false); });
}

ProjectTreeView::~ProjectTreeView() {
  if (attached_) tree_.setViewPort(nullptr);
}

void ProjectTreeView::forgetTree() {
  attached_ = false;
  editing_ = 0;
  model_->forgetTree();
}

// Selecting is the controller's: whatever Qt would do to the selection, it does nothing.
QItemSelectionModel::SelectionFlags ProjectTreeView::selectionCommand(const QModelIndex& /*index*/,
                                                                      const QEvent* /*event*/) const {
  return QItemSelectionModel::NoUpdate;
}

HcHitPart ProjectTreeView::hitPart(const QModelIndex& index, QPoint viewportPoint) const {
  const QRect item = visualRect(index);
  if (viewportPoint.x() < item.left()) {
    // Left of the item is its indentation; the last step of it holds a project's expand arrow.
    const bool onArrow = viewportPoint.x() >= item.left() - indentation() && model_->hasChildren(index);
    return onArrow ? HcHitPart::kButton : HcHitPart::kNone;
  }
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = item;
  return delegate_->partAt(option, index, viewportPoint);
}

HcNodeId ProjectTreeView::firstVisibleNode() const {
  if (model_->changingStructure()) return 0;
  return idOf(indexAt(QPoint(0, 0)));
}

int ProjectTreeView::pageSize() const { return std::max(1, viewport()->height() / rowHeightHint()); }

void ProjectTreeView::scrollToTop(HcNodeId id) { scrollToNode(model_->indexOf(id), PositionAtTop); }

void ProjectTreeView::ensureVisible(HcNodeId id) { scrollToNode(model_->indexOf(id), EnsureVisible); }

int ProjectTreeView::rowHeightHint() const {
  const QModelIndex first = model_->index(0, 0);
  if (first.isValid()) return std::max(1, indexRowSizeHint(first));
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  return std::max(1, delegate_->sizeHint(option, first).height());
}

void ProjectTreeView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  const QPoint point = event->position().toPoint();
  const QModelIndex index = indexAt(point);
  if (event->button() == Qt::RightButton) {
    const QPoint screen = event->globalPosition().toPoint();
    tree_.rightClick(idOf(index), HcPoint{screen.x(), screen.y()});
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  // A press on a project's arrow is a click on its button too: the controller expands or
  // collapses it (and ends a pending rename, as every press does).
  const HcHitPart part = index.isValid() ? hitPart(index, point) : HcHitPart::kNone;
  tree_.click(idOf(index), part, treeModifiersOf(event->modifiers()));
}

// Dragging neither selects nor moves the caret; without a button, Qt's hover handling runs.
void ProjectTreeView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton) {
    event->accept();
    return;
  }
  QTreeView::mouseMoveEvent(event);
}

void ProjectTreeView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void ProjectTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  const QModelIndex index = indexAt(point);
  if (!index.isValid()) return;
  // The second press of a double click on an arrow turns it back, as a second click would.
  if (hitPart(index, point) == HcHitPart::kButton) {
    tree_.click(idOf(index), HcHitPart::kButton, treeModifiersOf(event->modifiers()));
    return;
  }
  tree_.doubleClick(idOf(index));
}

void ProjectTreeView::keyPressEvent(QKeyEvent* event) {
  // The tree's own keys as they are (Return opens, F2 renames, arrows move); other keys, the
  // tree's keys with Ctrl or Alt, and Delete may be a command's shortcut.
  const std::optional<HcKey> key = treeKeyOf(event->key());
  const bool commandKeys = !key || event->key() == Qt::Key_Delete ||
                           (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  const QString keys = QKeySequence(event->keyCombination()).toString(QKeySequence::PortableText);
  if (commandKeys && tree_.shortcut(keys.toStdWString())) {
    event->accept();
    return;
  }
  if (!key) {
    // Not the tree's: left to the widgets around it (Qt's own handling would move the current
    // row or select).
    event->ignore();
    return;
  }
  event->accept();
  tree_.key(*key, treeModifiersOf(event->modifiers()));
  // The caret moved by a key stays in sight, as a tree control keeps it.
  if (editing_ == 0 && currentIndex().isValid()) scrollToNode(currentIndex(), EnsureVisible);
}

// The menu key asks for the caret's context menu; by mouse the right press asked already.
void ProjectTreeView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (event->reason() == QContextMenuEvent::Mouse) return;
  tree_.rightClick(idOf(currentIndex()), HcPoint{event->globalPos().x(), event->globalPos().y()});
}

// Qt makes the first row current when the tree gains the focus without one; the caret is the
// controller's, so it is put back.
void ProjectTreeView::focusInEvent(QFocusEvent* event) {
  QTreeView::focusInEvent(event);
  mirrorTree();
}

void ProjectTreeView::mirrorTree() {
  if (model_->changingStructure()) return;
  QItemSelection selection;
  QModelIndex caret;
  const std::vector<HcNodeId> roots = tree_.roots();
  for (int row = 0; row < int(roots.size()); ++row) {
    const HcNodeId projectId = roots[std::size_t(row)];
    const std::optional<HcTreeNodeView> project = tree_.node(projectId);
    if (!project) continue;
    const QModelIndex projectIndex = model_->nodeIndex(row, projectId);
    if (project->selected) selection.select(projectIndex, projectIndex);
    if (project->caret) caret = projectIndex;
    mirrorExpansion(projectIndex, project->expanded);
    collectDrawings(projectId, selection, caret);
  }
  showSelection(selection, caret);
}

// The project's selected drawings, as runs of neighbouring rows, and the caret among them.
void ProjectTreeView::collectDrawings(HcNodeId project, QItemSelection& selection, QModelIndex& caret) const {
  const std::vector<HcNodeId> children = tree_.children(project);
  const auto drawingIndex = [&](int row) { return model_->nodeIndex(row, children[std::size_t(row)]); };
  int runStart = -1;
  for (int row = 0; row <= int(children.size()); ++row) {
    std::optional<HcTreeNodeView> drawing;
    if (row < int(children.size())) drawing = tree_.node(children[std::size_t(row)]);
    if (drawing && drawing->caret) caret = drawingIndex(row);
    const bool selected = drawing && drawing->selected;
    if (selected && runStart < 0) runStart = row;
    if (!selected && runStart >= 0) {
      selection.select(drawingIndex(runStart), drawingIndex(row - 1));
      runStart = -1;
    }
  }
}

// Qt's selection model takes the controller's selection and caret without telling the view,
// which only repaints.
void ProjectTreeView::showSelection(const QItemSelection& selection, const QModelIndex& caret) {
  const QSignalBlocker blocker(selectionModel());
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  selectionModel()->setCurrentIndex(caret, QItemSelectionModel::NoUpdate);
  viewport()->update();
}

void ProjectTreeView::mirrorNodes(const QModelIndex& first, const QModelIndex& last) {
  if (model_->changingStructure() || !first.isValid()) return;
  const QModelIndex parent = first.parent();
  for (int row = first.row(); row <= last.row(); ++row) {
    const QModelIndex index = model_->index(row, 0, parent);
    const std::optional<HcTreeNodeView> node = tree_.node(idOf(index));
    if (!node) continue;
    if (!parent.isValid()) mirrorExpansion(index, node->expanded);
    const QSignalBlocker blocker(selectionModel());
    selectionModel()->select(index, node->selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    if (node->caret) selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  }
  viewport()->update();
}

void ProjectTreeView::mirrorExpansion(const QModelIndex& project, bool expanded) {
  if (isExpanded(project) == expanded) return;
  mirroring_ = true;
  setExpanded(project, expanded);
  mirroring_ = false;
}

// Qt expanded or collapsed a project by itself (not by copying the controller's state): the
// controller decides, and the view then shows what it decided.
void ProjectTreeView::forwardExpansion(const QModelIndex& project, bool expanded) {
  if (mirroring_) return;
  tree_.setExpanded(idOf(project), expanded);
  const QModelIndex now = model_->indexOf(idOf(project));
  if (now.isValid()) mirrorNodes(now, now);
}

void ProjectTreeView::scrollToNode(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid() || model_->changingStructure()) return;
  // Qt would expand a collapsed project to show a drawing; the project is shown instead.
  const QModelIndex parent = index.parent();
  scrollTo(parent.isValid() && !isExpanded(parent) ? parent : index, hint);
}

void ProjectTreeView::beginEdit(const QModelIndex& index, const QString& initialText) {
  editing_ = idOf(index);
  committed_ = false;
  scrollToNode(index, EnsureVisible);
  if (!edit(index, AllEditTriggers, nullptr)) {
    // No editor could be opened: the controller ends the edit it began.
    const HcNodeId id = editing_;
    editing_ = 0;
    tree_.endEdit(id, std::nullopt);
    return;
  }
  if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index))) {
    if (!initialText.isEmpty()) line->setText(initialText);
    line->selectAll();
  }
}

void ProjectTreeView::commitData(QWidget* editor) {
  committed_ = editing_ != 0;
  QTreeView::commitData(editor);
}

void ProjectTreeView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const HcNodeId id = editing_;
  const bool committed = committed_;
  editing_ = 0;
  committed_ = false;
  // Tab in the editor must not open the next row's editor: edits begin only on the controller's
  // request.
  const bool next = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
  if (id == 0 || indexWidget(model_->indexOf(id)) == editor) {
    QTreeView::closeEditor(editor, next ? QAbstractItemDelegate::NoHint : hint);
  } else {
    // The text handed over rebuilt the rows under the editor, and Qt let the editor go with
    // them; only the editing state and the focus are left to put back.
    if (state() == EditingState) setState(NoState);
    setFocus();
  }
  if (id != 0 && !committed) tree_.endEdit(id, std::nullopt);
}

}  // namespace vox::studio
