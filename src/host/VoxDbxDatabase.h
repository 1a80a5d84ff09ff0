#pragma once
// The add-on's drawing database accessor, as the module uses it: a drawing opened beside the
// editor (by path) or the database of a document the host has open, with its summary
// information, its layer table and its number of layouts. Changes stay in memory until the
// database is closed with saving. A closed accessor answers nothing and changes nothing.

#include <string>
#include <vector>

struct VoxDbxCustomProperty {
  std::wstring name;
  std::wstring value;

  bool operator==(const VoxDbxCustomProperty&) const = default;
};

// The summary information of a drawing; custom properties keep their order.
struct VoxDbxSummaryInfo {
  std::wstring title;
  std::wstring subject;
  std::wstring author;
  std::wstring keywords;
  std::wstring comments;
  std::vector<VoxDbxCustomProperty> customProperties;  // names are unique ignoring case
  std::wstring lastSavedBy;  // who saved the drawing last; read only (putSummaryInfo ignores it)

  bool operator==(const VoxDbxSummaryInfo&) const = default;
};

struct VoxDbxLayer {
  std::wstring name;
  bool frozen = false;

  bool operator==(const VoxDbxLayer&) const = default;
};

class VoxDbxDatabase {
 public:
  // Open modes: the bits of kOpenForWrite allow changes and saving; other bits are ignored.
  static constexpr int kOpenForRead = 0;
  static constexpr int kOpenForWrite = 32;

  virtual ~VoxDbxDatabase() = default;

  // Opens the drawing file at `path` (module form). With `createIfMissing` a file that does not
  // exist opens as an empty drawing, written on the first save. False, with lastError() set,
  // when the file is not a drawing, is damaged, or is read-only while writing was asked for.
  // An accessor that is open already is closed without saving first.
  virtual bool open(const std::wstring& path, int mode, bool createIfMissing) = 0;
  // The database of the host's open document whose file is `path` (ignoring case); false when
  // no document has that file. A read-only document gives a database that cannot be saved.
  virtual bool attach(const std::wstring& path) = 0;
  virtual bool isOpen() const = 0;
  // The open drawing's path; empty when closed.
  virtual std::wstring path() const = 0;
  // True when a change was made since the database was opened or last saved.
  virtual bool isModified() const = 0;
  // Closes the database, writing it first when `save` is set and it changed. A failed save
  // gives false and leaves the database open; saving a database opened for reading fails.
  virtual bool close(bool save) = 0;
  // Why the last open, attach or close failed.
  virtual std::wstring lastError() const = 0;

  virtual bool getSummaryInfo(VoxDbxSummaryInfo& out) const = 0;
  // The preview picture stored in the drawing file (PNG bytes); empty when it has none.
  virtual std::string thumbnailPng() const { return {}; }
  virtual bool putSummaryInfo(const VoxDbxSummaryInfo& info) = 0;

  // The layer table in its order, and the current layer's name.
  virtual std::vector<VoxDbxLayer> layers() const = 0;
  virtual std::wstring currentLayer() const = 0;
  // Freezes or thaws the layer named `name` (ignoring case); the current layer cannot be
  // frozen. False when there is no such layer or the change is refused.
  virtual bool setLayerFrozen(const std::wstring& name, bool frozen) = 0;

  // The layouts of the drawing: the model layout and one per paper space.
  virtual int numberOfLayouts() const = 0;
};
