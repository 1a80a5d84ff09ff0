#pragma once
// Asked when a drawing has no drawing settings block: OK inserts one, Cancel ends the drawing
// properties. The use-project-defaults box (ticked at first) fills the new block with the
// project's default drawing settings instead of the block's own default values.

#include "host/HcDialogController.h"

namespace vox::dialogs {

class CVoxCfgWDMAlertDlg : public HcDialogController {
 public:
  // `drawing` is the file name the message names.
  explicit CVoxCfgWDMAlertDlg(std::wstring drawing) : m_drawing(std::move(drawing)) {}

  std::wstring name() const override { return L"settings-block-alert"; }
  std::wstring title() const override;
  std::vector<HcDialogField> fields() const override;
  bool setField(const std::wstring& id, const std::wstring& value) override;
  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

  bool useProjectDefaults() const { return m_useDefaults; }

 private:
  std::wstring m_drawing;
  bool m_useDefaults = true;
};

}  // namespace vox::dialogs
