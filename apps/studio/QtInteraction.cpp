#include "QtInteraction.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "StudioTexts.h"
#include "platform/os/NativePath.h"

namespace vox::studio {
namespace {

QMessageBox::Icon qtIcon(HcIcon icon) {
  switch (icon) {
    case HcIcon::kInformation: return QMessageBox::Information;
    case HcIcon::kExclamation: return QMessageBox::Warning;
    case HcIcon::kError: return QMessageBox::Critical;
    case HcIcon::kQuestion: return QMessageBox::Question;
    case HcIcon::kNone: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(HcButtons buttons) {
  switch (buttons) {
    case HcButtons::kOk: return QMessageBox::Ok;
    case HcButtons::kOkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case HcButtons::kYesNo: return QMessageBox::Yes | QMessageBox::No;
    case HcButtons::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case HcButtons::kRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// A box closed without a button (Escape, the window's close) answers what Cancel or No would.
HcAnswer hostAnswer(int button, HcButtons asked) {
  switch (button) {
    case QMessageBox::Ok: return HcAnswer::kOk;
    case QMessageBox::Yes: return HcAnswer::kYes;
    case QMessageBox::No: return HcAnswer::kNo;
    case QMessageBox::Retry: return HcAnswer::kRetry;
    case QMessageBox::Cancel: return HcAnswer::kCancel;
    default: break;
  }
  if (asked == HcButtons::kOk) return HcAnswer::kOk;
  return asked == HcButtons::kYesNo ? HcAnswer::kNo : HcAnswer::kCancel;
}

QString nativeText(const std::wstring& modulePath) {
  if (modulePath.empty()) return {};
  const std::optional<std::string> native = os::toNative(modulePath);
  return native ? QString::fromStdString(*native) : QString();
}

std::wstring modulePath(const QString& native) { return os::fromNative(native.toStdString()); }

}  // namespace

QStringList qtNameFilters(const std::wstring& hostFilter) {
  const QStringList parts = QString::fromStdWString(hostFilter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString name = parts[i].trimmed();
    const QString patterns = QString(parts[i + 1]).replace(u';', u' ').trimmed();
    // Qt reads the patterns from the last parentheses; a name that shows them already is kept.
    filters << (name.endsWith(u')') ? name : name + QStringLiteral(" (") + patterns + u')');
  }
  return filters;
}

HcAnswer QtInteraction::messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon,
                                   HcButtons buttons) {
  QMessageBox box(qtIcon(icon), QString::fromStdWString(caption), QString::fromStdWString(text), qtButtons(buttons),
                  parent_);
  box.setObjectName(QStringLiteral("hostMessageBox"));
  return hostAnswer(box.exec(), buttons);
}

std::optional<std::wstring> QtInteraction::chooseFile(const std::wstring& title, const std::wstring& startPath,
                                                      const std::wstring& filter, bool forSaving) {
  QFileDialog dialog(parent_, QString::fromStdWString(title), nativeText(startPath));
  dialog.setObjectName(QStringLiteral("hostFileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = qtNameFilters(filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return modulePath(dialog.selectedFiles().front());
}

std::optional<std::vector<std::wstring>> QtInteraction::chooseFiles(const std::wstring& title,
                                                                   const std::wstring& startPath,
                                                                   const std::wstring& filter) {
  QFileDialog dialog(parent_, QString::fromStdWString(title), nativeText(startPath));
  dialog.setObjectName(QStringLiteral("hostFilesDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  const QStringList filters = qtNameFilters(filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  std::vector<std::wstring> files;
  for (const QString& file : dialog.selectedFiles()) files.push_back(modulePath(file));
  return files;
}

// A report: the text in a read-only edit area the user can select and copy from.
void QtInteraction::showReport(const std::wstring& text, const std::wstring& caption, HcIcon /*icon*/) {
  QDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("hostReportDialog"));
  dialog.setWindowTitle(QString::fromStdWString(caption));
  auto* layout = new QVBoxLayout(&dialog);
  auto* area = new QPlainTextEdit(QString::fromStdWString(text), &dialog);
  area->setObjectName(QStringLiteral("reportText"));
  area->setReadOnly(true);
  area->setMinimumSize(480, 240);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(area);
  layout->addWidget(buttons);
  dialog.exec();
}

std::optional<std::wstring> QtInteraction::chooseFolder(const std::wstring& title, const std::wstring& startFolder) {
  QFileDialog dialog(parent_, QString::fromStdWString(title), nativeText(startFolder));
  dialog.setObjectName(QStringLiteral("hostFolderDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return modulePath(dialog.selectedFiles().front());
}

std::optional<std::wstring> QtInteraction::prompt(const std::wstring& text, const std::wstring& defaultValue) {
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("hostPromptDialog"));
  dialog.setWindowTitle(studioText(StudioText::kPromptTitle));
  dialog.setLabelText(QString::fromStdWString(text));
  dialog.setTextValue(QString::fromStdWString(defaultValue));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdWString();
}

}  // namespace vox::studio
