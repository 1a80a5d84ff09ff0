#pragma once
// The 38 project-wide settings of a project, addressed by bracket index 1 to 38 (there is no
// index 0). Every index is either set or unset, and holds a value of a fixed type:
//   text     1, 2, 3, 4, 7, 9, 16, 17, 20, 22, 24, 26, 27, 33, 35, 38
//   double   30
//   integer  all others
// The record copies through the values' text forms, so the floating point value keeps six
// decimals after any copy or assignment.

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "records/Status.h"

class VoxPrmMiscProjSettings {
 public:
  using Status = vox::records::Status;
  using enum vox::records::Status;

  // The highest bracket index, 38.
  static int getMaxBracketIndex();

  // All indices unset.
  VoxPrmMiscProjSettings();

  // An exact copy: what the source leaves unset is unset here too.
  VoxPrmMiscProjSettings(const VoxPrmMiscProjSettings& other);

  // Overlay: takes every value the source has set and keeps this record's value where the
  // source's is unset.
  VoxPrmMiscProjSettings& operator=(const VoxPrmMiscProjSettings& other);

  // The value as text, whatever its type: integers as "%d", the double as "%f". kNotSet when
  // unset; kOk without touching `value` for an index outside 1..38.
  Status getValue(int index, std::wstring& value) const;

  // Integer indices only (otherwise kWrongIndexOrType); kNotSet when unset.
  Status getValue(int index, int& value) const;

  // Index 30 only (otherwise kWrongIndexOrType); kNotSet when unset.
  Status getValue(int index, double& value) const;

  // Null unsets the index. Text indices store the text; integer indices store its leading
  // integer and index 30 its leading number (0 when there is none). Always kOk; an index
  // outside 1..38 changes nothing.
  Status setValue(int index, const std::wstring* value);

  // Integer indices only: stores the value, or unsets the index for null. kOk, or
  // kWrongIndexOrType for any other index.
  Status setValue(int index, const int* value);

  // Index 30 only, with the same rules.
  Status setValue(int index, const double* value);

  // Equal when the text forms of all 38 indices are equal ignoring letter case; an unset value
  // counts as the empty text.
  bool operator==(const VoxPrmMiscProjSettings& other) const;
  bool operator!=(const VoxPrmMiscProjSettings& other) const { return !(*this == other); }

  // Unsets every index.
  void reInitializeData();

 protected:
  // Unsets every index.
  void initializeData();

 private:
  using Value = std::variant<std::wstring, int, double>;
  static constexpr int kMaxIndex = 38;

  static bool inRange(int index) { return index >= 1 && index <= kMaxIndex; }
  const std::optional<Value>& slot(int index) const { return m_values[static_cast<std::size_t>(index - 1)]; }
  std::optional<Value>& slot(int index) { return m_values[static_cast<std::size_t>(index - 1)]; }

  std::array<std::optional<Value>, kMaxIndex> m_values;
};
