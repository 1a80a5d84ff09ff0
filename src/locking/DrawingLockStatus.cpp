#include "locking/DrawingLockStatus.h"

#include "host/HcDocument.h"
#include "locking/CurrentIdentity.h"
#include "locking/LockDecisions.h"
#include "locking/LockFile.h"
#include "locking/LockText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/LockedFile.h"
#include "platform/os/WinPath.h"

namespace vox::locking {
namespace {

OpenHere openHere(const std::wstring& drawing) {
  const HcDocManager* docs = hcDocManagerPtr();
  if (docs == nullptr) return OpenHere::kNo;
  for (const HcDocument* doc : docs->documents())
    if (doc != nullptr && os::iequals(doc->fileName(), drawing))
      return doc->isReadOnly() ? OpenHere::kReadOnly : OpenHere::kWritable;
  return OpenHere::kNo;
}

bool folderUsable(const std::wstring& path) {
  const std::wstring folder = os::folderOf(path);
  return !folderNeedsCheck(folder) || os::folderAccessible(folder);
}

// Whether another program has the drawing open: it cannot be taken for writing.
bool drawingTakenElsewhere(const std::wstring& drawing) {
  return !os::LockedFile::acquire(drawing, os::LockedFile::Disposition::kOpenExisting, nullptr,
                                  os::LockedFile::Links::kFollow)
              .has_value();
}

struct Outputs {
  std::wstring* holder;
  std::wstring* machine;
  std::wstring* timeStamp;
  bool rawOnly() const { return machine == nullptr || timeStamp == nullptr; }
  void assign(const ParsedLockText& parts) const {
    *holder = parts.holder;
    *machine = parts.machine;
    *timeStamp = parts.timeStamp;
  }
};

// The status from a host lock file open for reading; the outputs receive what it says.
_lockStatus statusFromHostLock(const _lockFile& hostLock, const Outputs& out, const std::wstring& drawing,
                               const std::wstring& ownHolder) {
  std::optional<ParsedLockText> parts;
  if (out.rawOnly()) {
    if (!hostLock.readText(*out.holder)) return kLockedHolderUnknown;
    parts = parseLockText(*out.holder);
  } else {
    parts = hostLock.readAndParse();
    if (!parts) return kLockedHolderUnknown;
    out.assign(*parts);
  }
  const bool own = parts && sameHolder(parts->holder, ownHolder);
  return drawingStatusOfHolder(own, out.rawOnly(), own && !out.rawOnly() ? openHere(drawing) : OpenHere::kNo);
}

}  // namespace

_lockStatus drawingLockStatus(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                              std::wstring* timeStamp, const IdentityTextSource& identity) {
  if (!usablePath(path) || holder == nullptr) return kLockStatusUnknown;
  const std::wstring drawing = os::toBackslashes(path);
  if (const auto status = fileStatus(os::fileExists(drawing), os::isReadOnly(drawing))) return *status;

  const Outputs out{holder, machine, timeStamp};
  const std::wstring ownText = identity();
  const std::optional<ParsedLockText> own = parseLockText(ownText);
  const std::wstring ownHolder = own ? own->holder : std::wstring();

  _lockFile hostLock(drawingLockPathFor(drawing));
  bool refused = false;
  if (hostLock.openForReading(&refused)) return statusFromHostLock(hostLock, out, drawing, ownHolder);
  if (refused) return kLockedHolderUnknown;  // a drawing lock file we may not read is someone's
  if (!drawingTakenElsewhere(drawing)) return kNotLocked;

  const OpenHere open = openHere(drawing);
  const _lockStatus status = drawingStatusInUse(open, folderUsable(drawing));
  if (status == kLockedByMe) {
    if (out.rawOnly()) {
      *holder = ownText;
    } else if (own) {
      out.assign(*own);
    }
  }
  return status;
}

}  // namespace vox::locking

_lockStatus getDrawingLockStatus(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                                 std::wstring* timeStamp) {
  return vox::locking::drawingLockStatus(path, holder, machine, timeStamp, vox::locking::currentIdentitySource());
}
