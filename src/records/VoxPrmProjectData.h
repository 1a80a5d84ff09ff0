#pragma once
// The content of one project file in memory: the project's description lines, its misc project
// settings, its default drawing settings and its drawing list in project order.
//
// Drawing-list lookups compare the given name with each entry's fileName as a whole string,
// ignoring letter case and nothing else ("/" and "\" differ, blanks count), and use the first
// match in project order. The record does not enforce unique names.

#include <string>
#include <vector>

#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmFileDetails.h"
#include "records/VoxPrmMiscProjSettings.h"

class VoxPrmProjectData {
 public:
  // No description lines, both settings records unset, no entries.
  VoxPrmProjectData() = default;

  // An exact copy.
  VoxPrmProjectData(const VoxPrmProjectData& other) = default;

  // Copies the description lines and the entries exactly, but lays the source's settings over
  // this record's (a setting the source leaves unset keeps this record's value). For an exact
  // copy of the settings use setMiscProjSettings and setProjDefWDMVals.
  VoxPrmProjectData& operator=(const VoxPrmProjectData& other);

  // --- Drawing list ------------------------------------------------------------------------

  const std::vector<VoxPrmFileDetails>& getProjFileDetails() const { return m_entries; }

  // Appends a copy. Always true.
  bool addFile(const VoxPrmFileDetails& details);

  // Appends copies of all, in order. Always true. Throws std::invalid_argument when `files` is
  // this record's own entry list.
  bool addFiles(const std::vector<VoxPrmFileDetails>& files);

  // Removes the first entry named `fileName`; true if there was one.
  bool removeFile(const std::wstring& fileName);

  // Removes, for each name given, the first entry of that name not removed yet: a name given
  // twice removes two entries of that name. The others keep their order. True if anything was
  // removed, and true for an empty list.
  bool removeFiles(const std::vector<std::wstring>& fileNames);

  // Removes every entry. Always true.
  bool removeAllFiles();

  // Makes room for `count` entries in all, so that appending up to that many moves none (a
  // reader that knows how many entries come holds no spare room).
  void reserveFiles(std::size_t count) { m_entries.reserve(count); }

  // Renames the first entry named `oldName`, keeping its other members; true if there was one.
  bool replaceFile(const std::wstring& oldName, const std::wstring& newName);

  // Overwrites all members of the first entry named like `details` with those of `details`, so
  // the stored name takes the caller's letter case; true if there was one.
  bool modifyDetailsForFile(const VoxPrmFileDetails& details);

  // True if an entry is named `fileName`; then `isReference`, when given, receives its flag.
  bool isFileInProject(const std::wstring& fileName, bool* isReference = nullptr) const;

  // Replaces `details` with copies of the entries named in `fileNames`, chosen as removeFiles
  // chooses them, in project order. True if any was found, and true for an empty list.
  bool getDetailsForFiles(const std::vector<std::wstring>& fileNames,
                          std::vector<VoxPrmFileDetails>& details) const;

  // --- Description lines and settings ------------------------------------------------------

  // Element i is the project description line numbered i + 1; empty elements stand for
  // numbers without a line.
  const std::vector<std::wstring>& getProjDescriptions() const { return m_descriptions; }
  void setProjDescriptions(const std::vector<std::wstring>& descriptions);

  const VoxPrmMiscProjSettings& getMiscProjSettings() const { return m_misc; }

  // An exact copy: what `settings` leaves unset becomes unset here.
  void setMiscProjSettings(const VoxPrmMiscProjSettings& settings);

  const VoxCfgDrawingSettings& getProjDefWDMVals() const { return m_drawingDefaults; }

  // An exact copy: what `settings` leaves unset becomes unset here.
  void setProjDefWDMVals(const VoxCfgDrawingSettings& settings);

  // Equal when the description lines (case-sensitively), both settings records (by their own
  // equality) and the entries, pairwise in order, are equal.
  bool operator==(const VoxPrmProjectData& other) const;
  bool operator!=(const VoxPrmProjectData& other) const { return !(*this == other); }

 private:
  std::vector<VoxPrmFileDetails>::iterator findEntry(const std::wstring& fileName);
  std::vector<VoxPrmFileDetails>::const_iterator findEntry(const std::wstring& fileName) const;

  std::vector<std::wstring> m_descriptions;
  VoxCfgDrawingSettings m_drawingDefaults;
  VoxPrmMiscProjSettings m_misc;
  std::vector<VoxPrmFileDetails> m_entries;
};
