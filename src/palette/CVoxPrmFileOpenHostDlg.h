#pragma once
// The dialog of "Copy drawing to": the target file's path (preset with the drawing's own, with a
// browse button) and the open project the copy joins (the active project first and chosen).
// OK needs a path ending in ".dwg".

#include <string>
#include <vector>

#include "host/HcDialogController.h"

class CVoxPrmFileOpenHostDlg : public HcDialogController {
 public:
  struct Project {
    std::wstring id;
    std::wstring name;
  };
  // `projects` in the order shown; the first is chosen at the start.
  CVoxPrmFileOpenHostDlg(std::wstring path, std::vector<Project> projects);

  const std::wstring& path() const { return path_; }
  // The chosen project's ID; empty without projects.
  std::wstring projectID() const;

  std::wstring name() const override { return L"copy-drawing-to"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  bool browse(const std::wstring& id) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

 private:
  std::wstring path_;
  std::vector<Project> projects_;
  std::size_t chosen_ = 0;
};
