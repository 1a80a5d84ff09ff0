#pragma once
// The IEC designators panel of the new-drawing dialog: project code, installation and location,
// 16 characters at most each (longer text is cut). The installation and location fields have a
// browse button that asks the LISP core for a pick list of the project's installation or
// location codes; the code picked replaces the field, nothing picked keeps it. The panel's
// fields are part of its dialog's fields, framed as the group "iec".

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "host/HcDialogController.h"

namespace vox::dialogs {

class CVoxCfgIECDesigCDlg {
 public:
  static constexpr std::size_t kMaxLength = 16;

  std::vector<HcDialogField> fields() const;
  // Whether `id` is one of the panel's fields.
  static bool owns(const std::wstring& id);
  // False for a field that is not the panel's.
  bool setField(const std::wstring& id, const std::wstring& value);
  // The pick list of an installation or location field; false for any other field.
  bool browse(const std::wstring& id);

  const std::wstring& projectCode() const { return m_values[0]; }
  const std::wstring& installation() const { return m_values[1]; }
  const std::wstring& location() const { return m_values[2]; }

 private:
  std::array<std::wstring, 3> m_values;
};

}  // namespace vox::dialogs
