#pragma once
// Asking the user with Qt dialogs: message boxes with the asked icon and buttons, file dialogs
// for opening or saving, a folder chooser and a text prompt. Paths cross in the module's form
// (backslashes, mapped drives) and are shown natively. Dialogs are window-modal to the parent
// given with setParent, and are Qt's own (not the platform's), so they look and behave the same
// everywhere, offscreen included.

#include <QPointer>
#include <QWidget>

#include "host/HcInteraction.h"

namespace vox::studio {

class QtInteraction : public HcInteraction {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }

  HcAnswer messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon, HcButtons buttons) override;
  std::optional<std::vector<std::wstring>> chooseFiles(const std::wstring& title, const std::wstring& startPath,
                                                       const std::wstring& filter) override;
  void showReport(const std::wstring& text, const std::wstring& caption, HcIcon icon) override;
  std::optional<std::wstring> chooseFile(const std::wstring& title, const std::wstring& startPath,
                                         const std::wstring& filter, bool forSaving) override;
  std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& startFolder) override;
  std::optional<std::wstring> prompt(const std::wstring& text, const std::wstring& defaultValue) override;

 private:
  QPointer<QWidget> parent_;
};

// A filter in the host's form ("Drawings (*.dwg)|*.dwg|All files (*.*)|*.*") as Qt's name
// filters ("Drawings (*.dwg)", "All files (*.*)").
QStringList qtNameFilters(const std::wstring& hostFilter);

}  // namespace vox::studio
