#include "ProjectTreeItemModel.h"

#include <QColor>
#include <QFont>

#include "LockMarkIcon.h"

#include <algorithm>

namespace vox::studio {
namespace {

// The node icons by the controller's icon index: project, drawing, reference entry.
std::array<QIcon, 3> loadIcons() {
  return {QIcon(QStringLiteral(":/tree/project.svg")), QIcon(QStringLiteral(":/tree/drawing.svg")),
          QIcon(QStringLiteral(":/tree/reference.svg"))};
}


QString qtext(const std::wstring& text) { return QString::fromStdWString(text); }

}  // namespace

ProjectTreeItemModel::ProjectTreeItemModel(HcTreeController& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), icons_(loadIcons()) {
  tree_.setListener(this);
}

ProjectTreeItemModel::~ProjectTreeItemModel() {
  if (attached_) tree_.setListener(nullptr);
}

QModelIndex ProjectTreeItemModel::indexOf(HcNodeId id) const {
  const int row = id != 0 ? tree_.rowOf(id) : -1;
  return row < 0 ? QModelIndex() : nodeIndex(row, id);
}

QModelIndex ProjectTreeItemModel::projectIndex(int row) const {
  const HcNodeId id = tree_.childAt(0, row);
  return id != 0 ? nodeIndex(row, id) : QModelIndex();
}

QModelIndex ProjectTreeItemModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || (parent.isValid() && parent.column() != 0)) return {};
  const HcNodeId id = tree_.childAt(idOf(parent), row);
  return id != 0 ? nodeIndex(row, id) : QModelIndex();
}

QModelIndex ProjectTreeItemModel::parent(const QModelIndex& child) const {
  const std::optional<HcTreeNodeView> node = child.isValid() ? tree_.node(idOf(child)) : std::nullopt;
  if (!node || node->parent == 0) return {};
  return indexOf(node->parent);
}

int ProjectTreeItemModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  // Only projects have children; asking for a drawing's answers none.
  return tree_.childCount(idOf(parent));
}

int ProjectTreeItemModel::columnCount(const QModelIndex& /*parent*/) const { return 1; }

bool ProjectTreeItemModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant ProjectTreeItemModel::data(const QModelIndex& index, int role) const {
  const std::optional<HcTreeNodeView> node = index.isValid() ? tree_.node(idOf(index)) : std::nullopt;
  if (!node) return {};
  switch (role) {
    case Qt::DisplayRole:
      return qtext(node->text);
    case Qt::EditRole:
      return qtext(tree_.editText(node->id));
    case Qt::ToolTipRole: {
      // The whole text when it is shortened, then why the node is marked or noted.
      QStringList lines;
      for (const std::wstring* line : {&node->tooltip, &node->lockText, &node->note})
        if (!line->empty()) lines << qtext(*line);
      return lines.isEmpty() ? QVariant() : QVariant(lines.join(u'\n'));
    }
    case Qt::DecorationRole:
      return decoration(node->icon, node->lock);
    case Qt::BackgroundRole:
      return node->note.empty() ? QVariant() : QVariant(QColor(255, 240, 190));
    case kLockMarkRole:
      return static_cast<int>(node->lock);
    case Qt::FontRole: {
      if (!node->bold) return {};
      QFont font;
      font.setBold(true);
      return font;
    }
    default:
      return {};
  }
}

QVariant ProjectTreeItemModel::decoration(int icon, HcLockMark lock) const {
  if (icon < 0 || icon >= int(icons_.size())) return {};
  if (lock == HcLockMark::kNone) return icons_[std::size_t(icon)];
  QIcon& badged = badged_[{icon, static_cast<int>(lock)}];
  if (badged.isNull()) badged = withLockBadge(icons_[std::size_t(icon)], lock);
  return badged;
}

Qt::ItemFlags ProjectTreeItemModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (!tree_.editText(idOf(index)).empty()) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ProjectTreeItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  tree_.endEdit(idOf(index), value.toString().toStdWString());
  return true;
}

void ProjectTreeItemModel::endPending() {
  const Pending pending = pending_;
  pending_ = Pending::kNone;
  if (pending == Pending::kInsertRows) endInsertRows();
  if (pending == Pending::kRemoveRows) endRemoveRows();
}

void ProjectTreeItemModel::projectAboutToBeInserted(int row) {
  beginInsertRows({}, row, row);
  pending_ = Pending::kInsertRows;
}

void ProjectTreeItemModel::projectInserted(int /*row*/) {
  endPending();
}

void ProjectTreeItemModel::projectAboutToBeRemoved(int row) {
  beginRemoveRows({}, row, row);
  pending_ = Pending::kRemoveRows;
}

void ProjectTreeItemModel::projectRemoved(int /*row*/) {
  endPending();
}

void ProjectTreeItemModel::rootsAboutToBeReordered() {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  movingIndexes_ = persistentIndexList();
  movingIds_.clear();
  for (const QModelIndex& index : movingIndexes_) movingIds_.push_back(idOf(index));
  pending_ = Pending::kLayout;
}

void ProjectTreeItemModel::rootsReordered() {
  pending_ = Pending::kNone;
  // Nodes keep their ids across a reorder, so each persistent index moves to its node's new row.
  QModelIndexList moved;
  moved.reserve(movingIndexes_.size());
  for (const HcNodeId id : movingIds_) moved.push_back(indexOf(id));
  changePersistentIndexList(movingIndexes_, moved);
  movingIndexes_.clear();
  movingIds_.clear();
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ProjectTreeItemModel::childrenAboutToBeRemoved(int projectRow, int count) {
  if (count <= 0) {
    pending_ = Pending::kNothing;
    return;
  }
  beginRemoveRows(projectIndex(projectRow), 0, count - 1);
  pending_ = Pending::kRemoveRows;
}

void ProjectTreeItemModel::childrenRemoved(int /*projectRow*/) {
  endPending();
}

void ProjectTreeItemModel::childrenAboutToBeInserted(int projectRow, int count) {
  if (count <= 0) {
    pending_ = Pending::kNothing;
    return;
  }
  // The project row is the same before and after; its id is taken while the old roots answer.
  beginInsertRows(projectIndex(projectRow), 0, count - 1);
  pending_ = Pending::kInsertRows;
}

void ProjectTreeItemModel::childrenInserted(int /*projectRow*/) {
  endPending();
}

void ProjectTreeItemModel::nodeChanged(HcNodeId id) {
  const QModelIndex index = indexOf(id);
  if (index.isValid()) emit dataChanged(index, index);
}

void ProjectTreeItemModel::selectionChanged() {
  emit selectionFlagsChanged();
}

void ProjectTreeItemModel::editRequest(HcNodeId id, const std::wstring& initialText) {
  const QModelIndex index = indexOf(id);
  if (index.isValid()) emit editRequested(index, qtext(initialText));
}

}  // namespace vox::studio
