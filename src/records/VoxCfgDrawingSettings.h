#pragma once
// The 77 drawing settings, bracket indices 0 to 76, all text. A drawing keeps its own set as the
// attribute values of its "WD_M" block, where each index has a fixed tag; a project keeps one set
// as the defaults for its drawings. Every index is either set or unset, and unset is not the same
// as the empty text.
//
// The record also knows the built-in default of every setting, how some defaults follow from a
// project's misc settings, and how to compare and copy the settings a project shares with its
// drawings; those members are defined in VoxCfgDrawingSettingsDefaults.cpp.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "records/DependentDefaultTexts.h"
#include "records/Status.h"

class VoxPrmMiscProjSettings;
class VoxPrmProject;
class VoxPrmProjectData;

class VoxCfgDrawingSettings {
 public:
  using Status = vox::records::Status;
  using enum vox::records::Status;

  static constexpr int kMaxBracketIndex = 76;

  // The highest bracket index, 76.
  static int getMaxBracketIndex();

  // All indices unset.
  VoxCfgDrawingSettings();

  // An exact copy: what the source leaves unset is unset here too.
  VoxCfgDrawingSettings(const VoxCfgDrawingSettings& other) = default;

  // Overlay: takes every value the source has set and keeps this record's value where the
  // source's is unset.
  VoxCfgDrawingSettings& operator=(const VoxCfgDrawingSettings& other);

  // Copies the value. kNotSet when unset; kOk without touching `value` for an index outside
  // 0..76.
  Status getValue(int index, std::wstring& value) const;

  // Stores a copy of the text, or unsets the index for null; kOk. kIndexTooHigh above 76; a
  // negative index gives kOk and changes nothing.
  Status setValue(int index, const std::wstring* value);

  // Equal when every index has the same set/unset state and set values are equal ignoring case.
  bool operator==(const VoxCfgDrawingSettings& other) const;
  bool operator!=(const VoxCfgDrawingSettings& other) const { return !(*this == other); }

  // Unsets every index.
  void reInitializeData();

  // --- "WD_M" attribute tags -------------------------------------------------------------

  // The tag of `index`; false, leaving `tag` untouched, for an index outside 0..76.
  static bool getWD_MTagForIndex(int index, std::wstring& tag);

  // The alternate tag "SHEET_" of index 13; false for every other index.
  static bool getWD_MAltTagForIndex(int index, std::wstring& tag);

  // The lowest index whose tag equals `tag` ignoring case (alternate tags are not searched);
  // -1 when none does or `tag` is null.
  static int getIndexForWD_MTag(const std::wstring& tag);
  static int getIndexForWD_MTag(const wchar_t* tag);

  // --- Defaults ----------------------------------------------------------------------------
  // The fill operations overwrite the indices they set. `lispTexts` holds the defaults of
  // 71, 72, 73 and 76; its built-in values are the ones that apply when no document is open.

  // Built-in defaults for 0..59, and 60..76 as they follow from `misc`: all 77 indices set.
  void fillWithDefaults(const VoxPrmMiscProjSettings& misc,
                        const vox::records::DependentDefaultTexts& lispTexts = {});

  // The defaults a drawing of `project` starts from. Without a project: the built-in defaults
  // for all indices. With one: built-in defaults for 0..59 and 60..76 from its misc settings,
  // then its default drawing settings laid over them, so each value the project sets wins.
  void fillWithProjectDefaults(const VoxPrmProjectData* project,
                               const vox::records::DependentDefaultTexts& lispTexts = {});

  // The same for an open project; without one and with `useActive`, for the active project.
  // 71, 72, 73 and 76 come from the LISP core while a document is open. (Defined with the
  // project object, in the project core library.)
  void fillWithDefaults(const VoxPrmProject* project, bool useActive);

  // --- Settings shared by a project and its drawings -----------------------------------------
  // These skip the drawing-specific indices 13, 46, 51, 52 and 53. Index 26 is a layer list:
  // it matches when this record's list contains every layer of the other's.

  // True when every shared index has the same set/unset state here and in `other`, and equal
  // values ignoring case (index 26: by containment).
  bool CompareNonDrawingSpecificValues(const VoxCfgDrawingSettings& other) const;

  // Copies the shared values that `source` has set; index 26 merges the source's layers into
  // this record's list. Where the source's value is unset, this record's value is unset too
  // when `unsetMissing` is true and kept otherwise.
  void CopyNonDrawingSpecificValues(const VoxCfgDrawingSettings& source, bool unsetMissing);

 protected:
  using Slot = std::optional<std::wstring>;

  // Unsets every index.
  void initializeData();

  // Sets 0..59 to the built-in defaults.
  void fillHCDefaults();

  // Sets 60..76 to the defaults that apply without a project.
  void fillDependantDefaultsUsingHCD(const vox::records::DependentDefaultTexts& lispTexts = {});

  // Sets 60..76 to the defaults that follow from a project's misc settings (an unset integer
  // counting as 0, an unset text as empty).
  void fillDependantDefaultsUsingDependancy(const VoxPrmMiscProjSettings& misc,
                                            const vox::records::DependentDefaultTexts& lispTexts = {});

  // Appends to the list `second` each element of `first` it does not hold yet (ignoring case),
  // in order; the existing elements keep their order. An empty `second` becomes a copy of
  // `first`; an empty `first` leaves `second` as it is. Always true.
  static bool mergeWireLays(const std::wstring& first, std::wstring& second);

  // True when every element of the list `first` occurs in the list `second`, ignoring case.
  static bool firstListInSecondList(const std::wstring& first, const std::wstring& second);

  // Releases the slot's value and marks it unset.
  static void freeAndSetOnePtrNULL(Slot& slot);

 private:
  static constexpr std::size_t kCount = kMaxBracketIndex + 1;

  // Stores `value` at an index known to be valid.
  void store(int index, std::wstring value) { m_values[static_cast<std::size_t>(index)] = std::move(value); }
  void fillCommonDependents(const vox::records::DependentDefaultTexts& lispTexts);

  std::array<Slot, kCount> m_values;
};
