#pragma once
// The drawing settings block: every drawing keeps its 77 drawing settings as the attribute
// values of one block reference named "WD_M" (attribute tag = the setting's tag). These are the
// only functions that touch it. Each works on one drawing opened through the drawing accessor
// by the caller (who also closes it, saving or not) and reports failure by its result, leaving
// the drawing as far as it got.

#include <array>
#include <optional>
#include <string>
#include <vector>

class VoxCfgDrawingSettings;
class VoxDbxBlockRef;
class VoxPrmProject;

namespace vox::core {

inline constexpr const wchar_t* kSettingsBlockName = L"WD_M";

// The ten title values of a drawing, custom properties of its summary information.
using TitleValues = std::array<std::wstring, 10>;
// The custom property name of title value `position` (0..9).
const std::wstring& titleValueName(std::size_t position);

// Finds a reference of `blockName` in "*Model_Space", then "*Paper_Space", then
// "*Paper_Space0", "*Paper_Space1", ... for each further layout; the first space where one is
// found wins and the reference stays open in `db`.
bool findBlockReference(VoxDbxBlockRef& db, const std::wstring& blockName);

// True when the drawing has a "WD_M" reference, inserting one into model space from the block
// file the LISP core names when it has none. With `report`, a missing block file is reported by
// the LISP core and a failed insertion by a message box.
bool ensureWDMBlock(VoxDbxBlockRef& db, bool report);

// Reads the block's attributes into `settings`: each index whose tag (for 13 also "SHEET_") has
// an attribute is set to its value; the others keep what they had, which with `fillDefaults`
// is first the active project's defaults. False when the drawing has no "WD_M" block.
bool readDrawingSettings(VoxDbxBlockRef& db, VoxCfgDrawingSettings& settings, bool fillDefaults);

// Adds an empty attribute for each tag the block lacks, 1.5 units apart in index order below
// its lowest attribute. False when the block is missing or an attribute cannot be added.
bool ensureWDMAttributes(VoxDbxBlockRef& db);

// Writes all 77 values into the block (an unset value as the empty text), adding missing
// attributes first. False when the block is missing or attributes cannot be added.
bool writeDrawingSettings(VoxDbxBlockRef& db, const VoxCfgDrawingSettings& settings);

// Brings the drawing's shared settings in line with `project`'s defaults (values the project
// lacks stay as they are), or with the active project's when `project` is null (values it lacks
// are written empty). Drawing-specific values never change; wire layers are merged; a changed
// wire number format is passed on to the ladder blocks.
bool updateDrawingFromProject(VoxDbxBlockRef& db, const VoxPrmProject* project, bool report);

// The same with another drawing's settings as the source; values the source lacks are written
// empty.
bool updateDrawingFromSettings(VoxDbxBlockRef& db, const VoxCfgDrawingSettings& source, bool report);

// Sets "WIREFMT" of every ladder block reference whose own format equals `oldFormat` (ignoring
// case) to `newFormat`. False when either is missing; nothing is done when they are equal.
bool propagateWireFormat(VoxDbxBlockRef& db, const std::optional<std::wstring>& oldFormat,
                         const std::optional<std::wstring>& newFormat);

// Title values: positions without a property keep their value; false without summary
// information. Writing sets or adds each property and stores the summary information.
bool readTitleValues(const VoxDbxBlockRef& db, TitleValues& values);
bool writeTitleValues(VoxDbxBlockRef& db, const TitleValues& values);

// The layers other than the current one, by frozen state; and freezing or thawing the listed
// layers (names ignoring case; the current layer is never changed).
void readLayerLists(const VoxDbxBlockRef& db, std::vector<std::wstring>& frozen, std::vector<std::wstring>& thawed);
void applyLayerList(VoxDbxBlockRef& db, const std::vector<std::wstring>& layers, bool freeze);

}  // namespace vox::core
