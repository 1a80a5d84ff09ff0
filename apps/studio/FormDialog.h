#pragma once
// A modal dialog drawn from a dialog controller: one widget per field (label, line, text box,
// check box, radio group, drop-down list, list box, path with a browse button, read-only path
// shortened in the middle, table of rows with highlighted cells), the fields of one group
// framed together, the pages of a property sheet as the tabs of a QTabWidget, and the
// controller's buttons below. Every edit goes to the controller at once; the widgets then show
// what the controller holds. A button's outcome closes the dialog with its result, or keeps it
// open with the controller's message and focus. A tab the user clicks is shown only when the
// controller lets the current page be left; otherwise the tab goes back and the message shows.

#include <QDialog>

#include <map>
#include <string>

#include "host/HcDialogController.h"

class QDialogButtonBox;
class QFormLayout;
class QTabWidget;
class QVBoxLayout;

namespace vox::studio {

class FormDialog : public QDialog {
 public:
  FormDialog(HcDialogController& controller, QWidget* parent = nullptr);
  ~FormDialog() override;

  // Runs the dialog modally; the result it closed with.
  int run();
  // The widget of field `id`, or null.
  QWidget* fieldWidget(const std::wstring& id) const;
  // Asks the controller to press button `id`, as a click on it does.
  void press(const std::wstring& id);

 protected:
  void reject() override;
  // Ctrl+Break closes the dialog as Escape does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void rebuild();
  void refresh();
  void addField(QFormLayout& form, const HcDialogField& field);
  // The form of the field's group, made (framed) on first use; `byGroup` holds those made.
  QFormLayout& formFor(const HcDialogField& field, QFormLayout& ungrouped, std::map<std::wstring, QFormLayout*>& byGroup);
  // Where the fields go: the current tab's page, or the dialog itself.
  QWidget* fieldHost() const;
  void edited(const std::wstring& id, const std::wstring& value);
  void selectPage(int index);
  void follow(const HcDialogOutcome& outcome);

  HcDialogController& controller_;
  QTabWidget* tabs_ = nullptr;
  QWidget* body_ = nullptr;
  QVBoxLayout* layout_;
  QDialogButtonBox* buttons_ = nullptr;
  std::map<std::wstring, QWidget*> fields_;
  bool refreshing_ = false;
  int result_ = kHcDialogCancel;
};

}  // namespace vox::studio
