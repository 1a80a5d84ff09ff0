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
                              std::wstring* timeStamp, const OwnIdentity& identity) {
  if (!usablePath(path) || holder == nullptr) return kLockStatusUnknown;
  const std::wstring drawing = os::toBackslashes(path);
  const std::optional<bool> readOnly = os::regularFileReadOnly(drawing);
  if (const auto status = fileStatus(readOnly.has_value(), readOnly.value_or(false))) return *status;

  const Outputs out{holder, machine, timeStamp};
  _lockFile hostLock(drawingLockPathFor(drawing));
  bool refused = false;
  if (hostLock.openForReading(&refused)) return statusFromHostLock(hostLock, out, drawing, identity.holder());
  if (refused) return kLockedHolderUnknown;  // a drawing lock file we may not read is someone's
  if (os::lockableNow(drawing)) return kNotLocked;  // nobody else has it open for writing

  const OpenHere open = openHere(drawing);
  const _lockStatus status = drawingStatusInUse(open, lockFolderUsable(drawing));
  if (status == kLockedByMe) {
    const std::wstring ownText = identity.text();
    if (out.rawOnly()) {
      *holder = ownText;
    } else if (const std::optional<ParsedLockText> own = parseLockText(ownText)) {
      out.assign(*own);
    }
  }
  return status;
}

}  // namespace vox::locking

_lockStatus getDrawingLockStatus(const wchar_t* path, std::wstring* holder, std::wstring* machine,
                                 std::wstring* timeStamp) {
  return vox::locking::drawingLockStatus(path, holder, machine, timeStamp, vox::locking::currentOwnIdentity());
}
