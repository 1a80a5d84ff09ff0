#include "TreeFilterBar.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include "StudioTexts.h"
#include "host/HcPaletteControllers.h"

namespace vox::studio {
namespace {

QToolButton* expansionButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, StudioText tip,
                             const QKeySequence& keys) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setAutoRaise(true);
  button->setToolTip(studioText(tip) + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + u')');
  auto* shortcut = new QShortcut(keys, parent->parentWidget() != nullptr ? parent->parentWidget() : parent);
  shortcut->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
  return button;
}

}  // namespace

TreeFilterBar::TreeFilterBar(HcTreeController& tree, QAbstractItemModel& rows, QWidget* parent)
    : QWidget(parent), tree_(tree), box_(new QLineEdit(this)), hidden_(new QLabel(this)) {
  setObjectName(QStringLiteral("treeFilterBar"));
  box_->setObjectName(QStringLiteral("treeFilter"));
  box_->setPlaceholderText(studioText(StudioText::kFilterDrawings));
  box_->setClearButtonEnabled(true);
  hidden_->setObjectName(QStringLiteral("hiddenCount"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(box_, 1);
  row->addWidget(hidden_);
  auto* expand = expansionButton(this, "expandAll", QStyle::SP_ArrowDown, StudioText::kExpandAll,
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus));
  auto* collapse = expansionButton(this, "collapseAll", QStyle::SP_ArrowUp, StudioText::kCollapseAll,
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Minus));
  row->addWidget(expand);
  row->addWidget(collapse);
  connect(expand, &QToolButton::clicked, this, [this] { tree_.setAllExpanded(true); });
  connect(collapse, &QToolButton::clicked, this, [this] { tree_.setAllExpanded(false); });
  auto* find = new QShortcut(QKeySequence::Find, parent != nullptr ? parent : this);
  find->setContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, box_, [this] {
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
  });
  connect(box_, &QLineEdit::textChanged, this, [this](const QString& text) {
    tree_.setFilter(text.toStdWString());
    refresh();
  });
  // Rebuilds while filtering hide new drawings too.
  connect(&rows, &QAbstractItemModel::rowsInserted, this, [this] { refresh(); });
  connect(&rows, &QAbstractItemModel::rowsRemoved, this, [this] { refresh(); });
  refresh();
}

void TreeFilterBar::refresh() {
  const std::size_t hidden = tree_.hiddenCount();
  hidden_->setText(hidden == 0 ? QString() : studioText(StudioText::kHiddenCount, QString::number(hidden)));
  hidden_->setVisible(hidden != 0);
}

}  // namespace vox::studio
