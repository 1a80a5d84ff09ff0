#pragma once
// The reference host's drawing accessor: VoxDbxBlockRef over a drawing file in our JSON format.
// The drawing is read whole when opened and written atomically when closed with saving;
// attaching to an open document reads the document's file (the headless host keeps its
// documents' drawings in their files).

#include <memory>
#include <optional>
#include <string>

#include "host/VoxDbxBlockRef.h"
#include "platform/dwgdb/Drawing.h"

namespace vox::dwgdb {

class DrawingDatabase : public VoxDbxBlockRef {
 public:
  DrawingDatabase() = default;

  bool open(const std::wstring& path, int mode, bool createIfMissing) override;
  bool attach(const std::wstring& path) override;
  bool isOpen() const override { return drawing_.has_value(); }
  std::wstring path() const override { return path_; }
  bool isModified() const override { return modified_; }
  bool close(bool save) override;
  std::wstring lastError() const override { return error_; }

  bool getSummaryInfo(VoxDbxSummaryInfo& out) const override;
  std::string thumbnailPng() const override;
  bool putSummaryInfo(const VoxDbxSummaryInfo& info) override;
  std::vector<VoxDbxLayer> layers() const override;
  std::wstring currentLayer() const override;
  bool setLayerFrozen(const std::wstring& name, bool frozen) override;
  int numberOfLayouts() const override;

  bool selectSpace(const std::wstring& name) override;
  bool find(const std::wstring& blockName, int findParam = 0, int openMode = 0) override;
  bool findNext() override;
  bool isBlockRefOpen() const override { return found_.has_value(); }
  std::wstring openBlockName() const override;
  VoxDbxPoint openPosition() const override;
  std::vector<VoxDbxAttribute> attributes() const override;
  bool hasAttribute(const std::wstring& tag) const override;
  bool getAttributeValue(const std::wstring& tag, std::wstring& value) const override;
  bool setAttributeValue(const std::wstring& tag, const std::wstring& value) override;
  bool addAttribute(const std::wstring& referenceTag, const std::wstring& tag, const std::wstring& value,
                    bool likeReference, double dx, double dy, bool invisible) override;
  bool insertBlock(const std::wstring& blockName, const std::wstring& drawingFile, const VoxDbxPoint& at,
                   double scaleX, double scaleY, double scaleZ, double rotation, int redefine,
                   bool withAttributes) override;

 private:
  Space* selectedSpace();
  const Space* selectedSpace() const;
  BlockReference* openReference();
  const BlockReference* openReference() const;
  // The first reference of `found_`'s block in the selected space at or after `from`.
  bool findFrom(std::size_t from);
  bool writable() const { return drawing_ && writable_; }
  void forget();

  std::optional<Drawing> drawing_;
  std::wstring path_;
  bool writable_ = false;
  bool modified_ = false;
  bool existsOnDisk_ = false;
  std::wstring error_;
  std::wstring spaceName_;
  std::wstring findName_;
  std::optional<std::size_t> found_;  // entity index of the open reference in the selected space
};

// The factory the host installs (voxInstallDbxBlockRefFactory).
std::unique_ptr<VoxDbxBlockRef> createDrawingAccessor();

}  // namespace vox::dwgdb
