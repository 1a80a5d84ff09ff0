#pragma once
// Asking the user: message boxes, file and folder choosers, text prompts. The desktop host shows
// dialogs, the shell asks on the terminal or reads scripted answers, tests queue answers.

#include <optional>
#include <string>
#include <vector>

enum class HcIcon { kNone, kInformation, kExclamation, kError, kQuestion };
enum class HcButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel };
enum class HcAnswer { kOk, kCancel, kYes, kNo, kRetry };

class HcInteraction {
 public:
  virtual ~HcInteraction() = default;
  virtual HcAnswer messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon,
                              HcButtons buttons) = 0;
  // A file to open (or to create when `forSaving`); empty when cancelled.
  virtual std::optional<std::wstring> chooseFile(const std::wstring& title, const std::wstring& startPath,
                                                 const std::wstring& filter, bool forSaving) = 0;
  virtual std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& startFolder) = 0;
  virtual std::optional<std::wstring> prompt(const std::wstring& text, const std::wstring& defaultValue) = 0;
  // Several existing files to open, in the order chosen; empty when cancelled. A host that asks
  // for one answer takes several paths separated by "|", a character no file name holds.
  virtual std::optional<std::vector<std::wstring>> chooseFiles(const std::wstring& title, const std::wstring& startPath,
                                                               const std::wstring& filter);
  // A long text the user reads and may copy (a report), in a dialog with an edit area.
  virtual void showReport(const std::wstring& text, const std::wstring& caption, HcIcon icon) {
    messageBox(text, caption, icon, HcButtons::kOk);
  }
};

// The installed service, or null.
HcInteraction* hcInteraction();
