#pragma once
// The sheet values panel of the new-drawing dialog: sheet, drawing, section and sub-section. The
// section and sub-section are editable drop-down lists offering those of the project's drawings.
// Without a project the panel is disabled. Its fields are part of its dialog's fields, framed as
// the group "sheet".

#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::dialogs {

class CVoxCfgSheetValsCDlg {
 public:
  CVoxCfgSheetValsCDlg(bool enabled, std::vector<std::wstring> sections, std::vector<std::wstring> subSections)
      : m_enabled(enabled), m_sections(std::move(sections)), m_subSections(std::move(subSections)) {}

  std::vector<HcDialogField> fields() const;
  static bool owns(const std::wstring& id);
  // False for a field that is not the panel's, or while the panel is disabled.
  bool setField(const std::wstring& id, const std::wstring& value);

  const std::wstring& sheet() const { return m_sheet; }
  const std::wstring& drawing() const { return m_drawing; }
  const std::wstring& section() const { return m_section; }
  const std::wstring& subSection() const { return m_subSection; }

 private:
  std::wstring* valueOf(const std::wstring& id);

  bool m_enabled;
  std::vector<std::wstring> m_sections;
  std::vector<std::wstring> m_subSections;
  std::wstring m_sheet;
  std::wstring m_drawing;
  std::wstring m_section;
  std::wstring m_subSection;
};

}  // namespace vox::dialogs
