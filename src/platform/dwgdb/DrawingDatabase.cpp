// Opening, closing and saving the drawing, its summary information and its layer table.

#include "platform/dwgdb/DrawingDatabase.h"

#include "host/HcDocument.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/Identity.h"
#include "platform/os/WinPath.h"

namespace vox::dwgdb {
namespace {

constexpr const wchar_t* kModelSpace = L"*Model_Space";
constexpr const wchar_t* kPaperSpacePrefix = L"*Paper_Space";

const HcDocument* documentOf(const std::wstring& path) {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return nullptr;
  for (const HcDocument* doc : documents->documents())
    if (os::samePath(doc->fileName(), path)) return doc;
  return nullptr;
}

}  // namespace

bool DrawingDatabase::open(const std::wstring& path, int mode, bool createIfMissing) {
  forget();
  const bool forWrite = (mode & kOpenForWrite) != 0;
  const bool exists = os::fileExists(path);
  if (exists && forWrite && os::isReadOnly(path)) {
    error_ = L"cannot open drawing " + path + L": the file is read-only";
    return false;
  }
  if (!exists && createIfMissing) {
    drawing_ = emptyDrawing();
  } else if (std::optional<Drawing> loaded = loadDrawing(path, &error_)) {
    drawing_ = std::move(*loaded);
  } else {
    return false;
  }
  path_ = path;
  writable_ = forWrite;
  existsOnDisk_ = exists;
  spaceName_ = kModelSpace;
  error_.clear();
  return true;
}

bool DrawingDatabase::attach(const std::wstring& path) {
  const HcDocument* doc = documentOf(path);
  if (doc == nullptr) {
    forget();
    error_ = L"cannot open drawing " + path + L": no document has it open";
    return false;
  }
  return open(doc->fileName(), doc->isReadOnly() ? kOpenForRead : kOpenForWrite, false);
}

bool DrawingDatabase::close(bool save) {
  if (!drawing_) return false;
  if (save && (modified_ || !existsOnDisk_)) {
    if (!writable_) {
      error_ = L"cannot save drawing " + path_ + L": it was opened for reading";
      return false;
    }
    Drawing saved = *drawing_;
    saved.header.lastSavedBy = os::loginName();
    if (!saveDrawing(path_, saved, &error_)) return false;
  }
  forget();
  return true;
}

void DrawingDatabase::forget() {
  drawing_.reset();
  path_.clear();
  writable_ = false;
  modified_ = false;
  existsOnDisk_ = false;
  spaceName_.clear();
  findName_.clear();
  found_.reset();
}

std::string DrawingDatabase::thumbnailPng() const {
  return drawing_ && drawing_->thumbnailPng ? *drawing_->thumbnailPng : std::string();
}

bool DrawingDatabase::getSummaryInfo(VoxDbxSummaryInfo& out) const {
  if (!drawing_) return false;
  const SummaryInfo& s = drawing_->summary;
  out = VoxDbxSummaryInfo{s.title, s.subject, s.author, s.keywords, s.comments, {}, drawing_->header.lastSavedBy};
  for (const CustomProperty& p : s.customProperties) out.customProperties.push_back({p.name, p.value});
  return true;
}

bool DrawingDatabase::putSummaryInfo(const VoxDbxSummaryInfo& info) {
  if (!writable()) return false;
  SummaryInfo& s = drawing_->summary;
  s.title = info.title;
  s.subject = info.subject;
  s.author = info.author;
  s.keywords = info.keywords;
  s.comments = info.comments;
  s.customProperties.clear();
  for (const VoxDbxCustomProperty& p : info.customProperties) {
    if (p.name.empty()) continue;  // a property needs a name to be found again
    s.customProperties.push_back({p.name, p.value});
  }
  modified_ = true;
  return true;
}

std::vector<VoxDbxLayer> DrawingDatabase::layers() const {
  std::vector<VoxDbxLayer> out;
  if (drawing_) {
    for (const Layer& l : drawing_->layers) out.push_back({l.name, l.frozen});
  }
  return out;
}

std::wstring DrawingDatabase::currentLayer() const { return drawing_ ? drawing_->header.currentLayer : std::wstring(); }

bool DrawingDatabase::setLayerFrozen(const std::wstring& name, bool frozen) {
  if (!writable()) return false;
  Layer* layer = drawing_->findLayer(name);
  if (layer == nullptr || (frozen && os::iequals(name, drawing_->header.currentLayer))) return false;
  if (layer->frozen != frozen) {
    layer->frozen = frozen;
    modified_ = true;
  }
  return true;
}

int DrawingDatabase::numberOfLayouts() const {
  if (!drawing_) return 0;
  int layouts = 1;  // the model layout
  for (const Space& s : drawing_->spaces) layouts += os::istartsWith(s.name, kPaperSpacePrefix) ? 1 : 0;
  return layouts;
}

std::unique_ptr<VoxDbxBlockRef> createDrawingAccessor() { return std::make_unique<DrawingDatabase>(); }

}  // namespace vox::dwgdb
