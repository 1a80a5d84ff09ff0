#pragma once
// The module's project tree as a Qt item model: two levels (projects, their drawings), one
// column. The model owns no tree state: every id, row, count, text and flag is asked from the
// tree controller when Qt asks. It is the controller's listener and turns its before/after event
// pairs into the model's row and layout signals; the events that are not about rows or data
// (selection flags, edit requests) come out as the model's own signals for the view.
//
// An index's internal id is the node's id; a project's parent is the invisible root.

#include <QAbstractItemModel>
#include <QIcon>

#include <array>
#include <map>
#include <utility>
#include <vector>

#include "host/HcPaletteControllers.h"

namespace vox::studio {

class ProjectTreeItemModel : public QAbstractItemModel, public HcTreeListener {
  Q_OBJECT

 public:
  // Registers itself as the tree's listener until it is destroyed.
  // The node's lock mark (HcLockMark as int); the icon carries it as a badge.
  static constexpr int kLockMarkRole = Qt::UserRole + 1;

  explicit ProjectTreeItemModel(HcTreeController& tree, QObject* parent = nullptr);
  ~ProjectTreeItemModel() override;

  HcTreeController& tree() const { return tree_; }
  // The tree is gone or about to go: the model no longer unregisters from it.
  void forgetTree() { attached_ = false; }
  // The index of a node, invalid for an unknown id.
  QModelIndex indexOf(HcNodeId id) const;
  // The index of a node whose row is already known (no lookup).
  QModelIndex nodeIndex(int row, HcNodeId id) const { return createIndex(row, 0, quintptr(id)); }
  static HcNodeId idOf(const QModelIndex& index) { return index.isValid() ? HcNodeId(index.internalId()) : 0; }
  // True between an "about to" event and its pair: the controller already answers the new
  // structure while Qt still holds the old one, so nothing may lay the view out.
  bool changingStructure() const { return pending_ != Pending::kNone; }

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // An edit's text goes to the controller, which renames and reports the changes itself.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // HcTreeListener
  void projectAboutToBeInserted(int row) override;
  void projectInserted(int row) override;
  void projectAboutToBeRemoved(int row) override;
  void projectRemoved(int row) override;
  void rootsAboutToBeReordered() override;
  void rootsReordered() override;
  void childrenAboutToBeRemoved(int projectRow, int count) override;
  void childrenRemoved(int projectRow) override;
  void childrenAboutToBeInserted(int projectRow, int count) override;
  void childrenInserted(int projectRow) override;
  void nodeChanged(HcNodeId id) override;
  void selectionChanged() override;
  void editRequest(HcNodeId id, const std::wstring& initialText) override;

 signals:
  // The controller's selected flags or caret changed.
  void selectionFlagsChanged();
  void editRequested(const QModelIndex& index, const QString& initialText);

 private:
  QVariant decoration(int icon, HcLockMark lock) const;
  // Which Qt "begin" call is open, so the pair's second half ends exactly that (or nothing,
  // when an empty set of children was announced).
  enum class Pending { kNone, kInsertRows, kRemoveRows, kLayout, kNothing };

  QModelIndex projectIndex(int row) const;
  void endPending();

  HcTreeController& tree_;
  std::array<QIcon, 3> icons_;
  // Node icons with a lock badge, by icon and mark, made when first shown.
  mutable std::map<std::pair<int, int>, QIcon> badged_;
  bool attached_ = true;
  Pending pending_ = Pending::kNone;
  // Between rootsAboutToBeReordered and rootsReordered: the persistent indexes and their nodes.
  QModelIndexList movingIndexes_;
  std::vector<HcNodeId> movingIds_;
};

}  // namespace vox::studio
