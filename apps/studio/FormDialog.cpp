#include "FormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "DialogTableView.h"
#include "ElidedPathLabel.h"

namespace vox::studio {
namespace {

QString q(const std::wstring& text) { return QString::fromStdWString(text); }

std::wstring selectedRows(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i)->isSelected()) rows << QString::number(i);
  return rows.join(u',').toStdWString();
}

void showValue(QWidget* widget, const HcDialogField& field) {
  const QSignalBlocker blocker(widget);
  widget->setEnabled(field.enabled);
  widget->setToolTip(q(field.tooltip));
  const QString value = q(field.value);
  if (auto* table = dynamic_cast<DialogTableView*>(widget)) {
    table->showField(field);
    return;
  }
  if (auto* path = qobject_cast<ElidedPathLabel*>(widget)) {
    path->setPath(value);  // its tooltip is the whole path unless the controller gives one
    if (!field.tooltip.empty()) path->setToolTip(q(field.tooltip));
    return;
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
  if (auto* line = qobject_cast<QLineEdit*>(widget); line != nullptr && line->text() != value) line->setText(value);
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget); box != nullptr && box->toPlainText() != value)
    box->setPlainText(value);
  if (auto* check = qobject_cast<QCheckBox*>(widget)) check->setChecked(field.value == L"1");
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && !combo->isEditable())
    combo->setCurrentIndex(combo->findText(value));
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->isEditable() && combo->currentText() != value)
    combo->setEditText(value);
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    // The rows themselves change when the controller moves entries between lists.
    QStringList texts;
    for (const std::wstring& choice : field.choices) texts << q(choice);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != texts) {
      list->clear();
      list->addItems(texts);
    }
    const QStringList rows = value.split(u',', Qt::SkipEmptyParts);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(rows.contains(QString::number(i)));
  }
  if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    for (QRadioButton* radio : group->findChildren<QRadioButton*>()) {
      const QSignalBlocker radioBlocker(radio);
      radio->setChecked(radio->text() == value);
    }
  }
  // A path field is a row: its line shows the value.
  if (auto* line = widget->findChild<QLineEdit*>(); line != nullptr && widget->property("pathField").toBool()) {
    const QSignalBlocker lineBlocker(line);
    if (line->text() != value) line->setText(value);
  }
}

}  // namespace

FormDialog::FormDialog(HcDialogController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller), layout_(new QVBoxLayout(this)) {
  setObjectName(q(controller.name()));
  setWindowTitle(q(controller.title()));
  const std::vector<std::wstring> pages = controller.pages();
  if (!pages.empty()) {
    tabs_ = new QTabWidget(this);
    for (const std::wstring& page : pages) {
      auto* host = new QWidget(tabs_);
      new QVBoxLayout(host);
      tabs_->addTab(host, q(page));
    }
    tabs_->setCurrentIndex(controller.currentPage());
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { selectPage(index); });
    layout_->addWidget(tabs_, 1);
  }
  controller_.setChangeListener([this] { refresh(); });
  rebuild();
}

FormDialog::~FormDialog() { controller_.setChangeListener({}); }

int FormDialog::run() {
  exec();
  return result_;
}

QWidget* FormDialog::fieldWidget(const std::wstring& id) const {
  const auto it = fields_.find(id);
  return it == fields_.end() ? nullptr : it->second;
}

void FormDialog::rebuild() {
  // The old widgets may be the ones whose signal led here: they go once it has returned.
  for (QWidget* old : {body_, static_cast<QWidget*>(buttons_)}) {
    if (old == nullptr) continue;
    old->hide();
    if (QLayout* holder = old->parentWidget()->layout()) holder->removeWidget(old);
    old->deleteLater();
  }
  fields_.clear();
  QWidget* host = fieldHost();
  body_ = new QWidget(host);
  auto* column = new QVBoxLayout(body_);
  auto* ungrouped = new QFormLayout;
  column->addLayout(ungrouped);
  std::map<std::wstring, QFormLayout*> groups;
  for (const HcDialogField& field : controller_.fields()) addField(formFor(field, *ungrouped, groups), field);
  column->addStretch(1);
  host->layout()->addWidget(body_);
  buttons_ = new QDialogButtonBox(this);
  for (const HcDialogButton& button : controller_.buttons()) {
    QPushButton* push = buttons_->addButton(q(button.text), QDialogButtonBox::ActionRole);
    push->setObjectName(q(button.id));
    push->setEnabled(button.enabled);
    push->setDefault(button.isDefault);
    connect(push, &QPushButton::clicked, this, [this, id = button.id] { press(id); });
  }
  layout_->addWidget(buttons_);
  refresh();
}

QWidget* FormDialog::fieldHost() const {
  QWidget* page = tabs_ != nullptr ? tabs_->widget(controller_.currentPage()) : nullptr;
  return page != nullptr ? page : const_cast<FormDialog*>(this);
}

QFormLayout& FormDialog::formFor(const HcDialogField& field, QFormLayout& ungrouped,
                                 std::map<std::wstring, QFormLayout*>& byGroup) {
  if (field.group.empty()) return ungrouped;
  QFormLayout*& form = byGroup[field.group];
  if (form == nullptr) {
    auto* frame = new QGroupBox(body_);
    frame->setObjectName(q(L"group-" + field.group));
    form = new QFormLayout(frame);
    qobject_cast<QVBoxLayout*>(body_->layout())->addWidget(frame);
  }
  return *form;
}

void FormDialog::addField(QFormLayout& form, const HcDialogField& field) {
  const std::wstring id = field.id;
  QWidget* widget = nullptr;
  switch (field.kind) {
    case HcFieldKind::kLabel: widget = new QLabel(body_); break;
    case HcFieldKind::kPathLabel: widget = new ElidedPathLabel(body_); break;
    case HcFieldKind::kText:
    case HcFieldKind::kNumber: {
      auto* line = new QLineEdit(body_);
      connect(line, &QLineEdit::textEdited, this, [this, id](const QString& t) { edited(id, t.toStdWString()); });
      widget = line;
      break;
    }
    case HcFieldKind::kMultiLine: {
      auto* box = new QPlainTextEdit(body_);
      connect(box, &QPlainTextEdit::textChanged, this, [this, id, box] { edited(id, box->toPlainText().toStdWString()); });
      widget = box;
      break;
    }
    case HcFieldKind::kCheck: {
      auto* check = new QCheckBox(q(field.label), body_);
      connect(check, &QCheckBox::toggled, this, [this, id](bool on) { edited(id, on ? L"1" : L"0"); });
      widget = check;
      break;
    }
    case HcFieldKind::kRadio: {
      auto* group = new QGroupBox(q(field.label), body_);
      auto* column = new QVBoxLayout(group);
      for (const std::wstring& choice : field.choices) {
        auto* radio = new QRadioButton(q(choice), group);
        connect(radio, &QRadioButton::toggled, this, [this, id, choice](bool on) {
          if (on) edited(id, choice);
        });
        column->addWidget(radio);
      }
      widget = group;
      break;
    }
    case HcFieldKind::kChoice: {
      auto* combo = new QComboBox(body_);
      for (const std::wstring& choice : field.choices) combo->addItem(q(choice));
      connect(combo, &QComboBox::activated, this, [this, id, combo](int) { edited(id, combo->currentText().toStdWString()); });
      widget = combo;
      break;
    }
    case HcFieldKind::kCombo: {  // editable: typed text and picked choices both reach the controller
      auto* combo = new QComboBox(body_);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      for (const std::wstring& choice : field.choices) combo->addItem(q(choice));
      connect(combo, &QComboBox::editTextChanged, this, [this, id](const QString& t) { edited(id, t.toStdWString()); });
      widget = combo;
      break;
    }
    case HcFieldKind::kTable: {
      widget = new DialogTableView(
          body_, [this, id](const std::wstring& rows) { edited(id, rows); },
          [this, id](int rowHeight, const std::vector<int>& widths) { controller_.tableLayoutChanged(id, rowHeight, widths); });
      break;
    }
    case HcFieldKind::kList: {
      auto* list = new QListWidget(body_);
      list->setSelectionMode(QAbstractItemView::ExtendedSelection);
      for (const std::wstring& choice : field.choices) list->addItem(q(choice));
      connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] { edited(id, selectedRows(*list)); });
      widget = list;
      break;
    }
    case HcFieldKind::kPath: {
      auto* row = new QWidget(body_);
      row->setProperty("pathField", true);
      auto* line = new QLineEdit(row);
      auto* browse = new QToolButton(row);
      browse->setText(QStringLiteral("..."));
      auto* across = new QHBoxLayout(row);
      across->setContentsMargins(0, 0, 0, 0);
      across->addWidget(line, 1);
      across->addWidget(browse);
      connect(line, &QLineEdit::textEdited, this, [this, id](const QString& t) { edited(id, t.toStdWString()); });
      connect(browse, &QToolButton::clicked, this, [this, id] {
        controller_.browse(id);
        refresh();
      });
      widget = row;
      break;
    }
  }
  widget->setObjectName(q(id));
  fields_[id] = widget;
  const bool labelled = field.kind != HcFieldKind::kCheck && field.kind != HcFieldKind::kRadio;
  if (labelled) {
    form.addRow(q(field.label), widget);
  } else {
    form.addRow(widget);
  }
}

void FormDialog::refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  const std::vector<HcDialogField> fields = controller_.fields();
  bool sameFields = fields.size() == fields_.size();
  for (const HcDialogField& field : fields) sameFields = sameFields && fields_.count(field.id) != 0;
  if (!sameFields) {
    refreshing_ = false;
    rebuild();
    return;
  }
  for (const HcDialogField& field : fields) showValue(fields_[field.id], field);
  for (const HcDialogButton& button : controller_.buttons()) {
    if (auto* push = buttons_->findChild<QPushButton*>(q(button.id))) push->setEnabled(button.enabled);
  }
  refreshing_ = false;
}

void FormDialog::edited(const std::wstring& id, const std::wstring& value) {
  if (refreshing_) return;
  controller_.setField(id, value);
  refresh();
}

void FormDialog::selectPage(int index) {
  const HcDialogOutcome outcome = controller_.selectPage(index);
  if (controller_.currentPage() != index) {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(controller_.currentPage());
  }
  follow(outcome);
  refresh();
}

void FormDialog::press(const std::wstring& id) {
  follow(controller_.press(id));
  if (isVisible()) refresh();
}

void FormDialog::reject() { follow(controller_.cancel()); }

void FormDialog::keyPressEvent(QKeyEvent* event) {
  const bool ctrlBreak = event->key() == Qt::Key_Cancel ||
                         ((event->key() == Qt::Key_Pause) && (event->modifiers() & Qt::ControlModifier) != 0);
  if (ctrlBreak) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FormDialog::follow(const HcDialogOutcome& outcome) {
  if (outcome.closed) {
    result_ = outcome.result;
    done(outcome.result == kHcDialogCancel ? QDialog::Rejected : QDialog::Accepted);
    return;
  }
  if (!outcome.message.empty()) QMessageBox::warning(this, windowTitle(), q(outcome.message));
  if (QWidget* focus = fieldWidget(outcome.focusField)) focus->setFocus();
}

}  // namespace vox::studio
