#include "module/DrawingBlockFunction.h"

#include <optional>

#include "core/DrawingSettingsBlock.h"
#include "host/HcDocument.h"
#include "host/HcLisp.h"
#include "host/VoxDbxBlockRef.h"
#include "module/LispArguments.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace vox::module {
namespace {

// Which drawing the function works on.
struct Target {
  std::wstring path;        // a drawing file, opened beside the editor
  bool document = false;    // an open document's database: the current one, or by number
  std::optional<int> number;
};

// The open document the number names: its position in the host's document list.
std::optional<std::wstring> documentFile(const Target& target) {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return std::nullopt;
  if (!target.number) {
    const HcDocument* current = documents->curDocument();
    return current != nullptr ? std::optional<std::wstring>(current->fileName()) : std::nullopt;
  }
  const std::vector<HcDocument*> all = documents->documents();
  if (*target.number < 0 || *target.number >= static_cast<int>(all.size())) return std::nullopt;
  return all[static_cast<std::size_t>(*target.number)]->fileName();
}

bool openTarget(VoxDbxBlockRef& db, const Target& target) {
  if (!target.document) return db.open(target.path, VoxDbxDatabase::kOpenForWrite, false);
  const std::optional<std::wstring> file = documentFile(target);
  return file && db.attach(*file);
}

}  // namespace

int ensureDrawingBlockFunction() {
  LispArguments args(hcedGetArgs());
  Target target;
  const HcResBuf* first = args.peek();
  const int type = first != nullptr ? first->type : kRtNone;
  if (type == kRtNil) {
    args.nil();
    target.document = true;
  } else if (type == kRtStr) {
    const std::wstring path = *args.string(L"drawing");
    target.document = path.empty();
    // A path in either separator, relative ones taken from the current folder.
    if (!target.document) target.path = os::fullPath(os::toBackslashes(path));
  } else if (type == kRtShort || type == kRtLong) {
    target.document = true;
    target.number = *args.integer(L"drawing");
  } else {
    args.refuse(L"drawing", L"a drawing path, nil or an integer");
    hcedRetNil();
    return hcedFail(args.problem());
  }
  bool report = false;
  if (!args.atEnd()) {
    report = args.t();
    if (!report && !args.nil()) {
      args.refuse(L"report", L"T or nil");
      hcedRetNil();
      return hcedFail(args.problem());
    }
  }
  std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
  if (!db || !openTarget(*db, target)) {
    hcedRetNil();
    return kRsResult;
  }
  const bool ensured = core::ensureWDMBlock(*db, report) && core::ensureWDMAttributes(*db);
  const bool saved = db->close(ensured) && ensured;
  if (saved) {
    hcedRetT();
  } else {
    hcedRetNil();
  }
  return kRsResult;
}

}  // namespace vox::module
