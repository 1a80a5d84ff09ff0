#include "platform/runtime/HeadlessDocuments.h"

#include <algorithm>
#include <ctime>

#include "host/HcEditor.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/Identity.h"
#include "platform/os/LockedFile.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"

namespace vox::runtime {

void HeadlessDocument::addInputContextReactor(HcEdInputContextReactor* reactor) {
  if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end())
    reactors_.push_back(reactor);
}

void HeadlessDocument::removeInputContextReactor(HcEdInputContextReactor* reactor) { std::erase(reactors_, reactor); }

void HeadlessDocument::setQuiescent(bool quiescent) {
  if (quiescent == quiescent_) return;
  quiescent_ = quiescent;
  const std::vector<HcEdInputContextReactor*> snapshot = reactors_;
  for (HcEdInputContextReactor* r : snapshot) {
    if (std::find(reactors_.begin(), reactors_.end(), r) == reactors_.end()) continue;
    if (quiescent) {
      r->beginQuiescentState();
    } else {
      r->endQuiescentState();
    }
  }
}

std::wstring drawingLockPath(const std::wstring& drawing) { return os::replaceExtension(drawing, L".dwl"); }

HeadlessDocManager::HeadlessDocManager(HcEventLoop& loop, InputSink input)
    : loop_(loop), input_(std::move(input)), holderText_([] { return os::currentHolderText(std::time(nullptr)); }) {}

HeadlessDocManager::~HeadlessDocManager() {
  for (const auto& doc : documents_)
    if (!doc->isReadOnly()) removeDrawingLock(*doc);
}

std::vector<HcDocument*> HeadlessDocManager::documents() const {
  std::vector<HcDocument*> out;
  for (const auto& doc : documents_) out.push_back(doc.get());
  return out;
}

void HeadlessDocManager::addReactor(HcDocManagerReactor* reactor) {
  if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end())
    reactors_.push_back(reactor);
}

void HeadlessDocManager::removeReactor(HcDocManagerReactor* reactor) { std::erase(reactors_, reactor); }

void HeadlessDocManager::notify(const std::function<void(HcDocManagerReactor&)>& notify) {
  const std::vector<HcDocManagerReactor*> snapshot = reactors_;
  for (HcDocManagerReactor* r : snapshot)
    if (std::find(reactors_.begin(), reactors_.end(), r) != reactors_.end()) notify(*r);
}

bool HeadlessDocManager::sendStringToExecute(HcDocument* doc, const std::wstring& text, bool activate,
                                             bool /*wrapUpInactiveDoc*/, bool echo) {
  if (doc == nullptr || !contains(doc)) return false;
  if (activate) activateDocument(doc);
  if (sendObserver_) sendObserver_(*doc, text);
  input_(doc, text, echo);
  return true;
}

void HeadlessDocManager::executeInApplicationContext(std::function<void()> fn) { loop_.post(std::move(fn)); }

bool HeadlessDocManager::contains(const HcDocument* doc) const {
  return std::any_of(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == doc; });
}

HeadlessDocument* HeadlessDocManager::find(const std::wstring& fileName) const {
  for (const auto& doc : documents_)
    if (os::iequals(doc->fileName(), fileName)) return doc.get();
  return nullptr;
}

HcDocument* HeadlessDocManager::appContextOpenDocument(const std::wstring& fileName, bool readOnly) {
  lastOpenFailure_.clear();
  if (HeadlessDocument* open = find(fileName)) {
    activateDocument(open);
    return open;
  }
  if (!os::fileExists(fileName)) {
    lastOpenFailure_ = L"the file does not exist";
    return nullptr;
  }
  if (drawingCheck_) {
    lastOpenFailure_ = drawingCheck_(fileName);
    if (!lastOpenFailure_.empty()) return nullptr;
  }
  const bool writable = !readOnly && !os::isReadOnly(fileName);
  documents_.push_back(std::make_unique<HeadlessDocument>(fileName, !writable));
  HeadlessDocument* doc = documents_.back().get();
  if (writable) writeDrawingLock(*doc);
  notify([&](HcDocManagerReactor& r) { r.documentCreated(doc); });
  activateDocument(doc);
  endOpeningCommand(doc);
  return doc;
}

void HeadlessDocManager::endOpeningCommand(HeadlessDocument* doc) {
  loop_.post([this, doc] {
    if (!contains(doc)) return;  // closed meanwhile
    doc->setQuiescent(false);
    doc->setQuiescent(true);
  });
}

HeadlessDocument* HeadlessDocManager::newDocument() {
  std::wstring name;
  for (int n = 1; name.empty() || find(name) != nullptr; ++n)
    name = os::qualify(L"Drawing" + std::to_wstring(n) + L".dwg", os::currentFolder());
  documents_.push_back(std::make_unique<HeadlessDocument>(name, false, false));
  HeadlessDocument* doc = documents_.back().get();
  notify([&](HcDocManagerReactor& r) { r.documentCreated(doc); });
  activateDocument(doc);
  endOpeningCommand(doc);
  return doc;
}

bool HeadlessDocManager::closeDocument(HcDocument* doc) {
  const auto it = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == doc; });
  if (it == documents_.end()) return false;
  notify([&](HcDocManagerReactor& r) { r.documentToBeDestroyed(doc); });
  const std::unique_ptr<HeadlessDocument> closing = std::move(*it);
  documents_.erase(it);
  locks_.erase(closing.get());
  if (!closing->isReadOnly() && closing->isTitled()) removeDrawingLock(*closing);
  if (current_ == closing.get()) current_ = nullptr;
  notify([&](HcDocManagerReactor& r) { r.documentDestroyed(closing->fileName()); });
  if (current_ == nullptr && !documents_.empty()) activateDocument(documents_.back().get());
  return true;
}

bool HeadlessDocManager::activateDocument(HcDocument* doc) {
  const auto it = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == doc; });
  if (it == documents_.end()) return false;
  if (current_ == it->get()) return true;
  current_ = it->get();
  notify([&](HcDocManagerReactor& r) { r.documentActivated(current_); });
  return true;
}

bool HeadlessDocManager::lockDocument(HcDocument* doc) {
  if (!contains(doc)) return false;
  ++locks_[doc];
  return true;
}

void HeadlessDocManager::unlockDocument(HcDocument* doc) {
  const auto it = locks_.find(doc);
  if (it != locks_.end() && --it->second <= 0) locks_.erase(it);
}

int HeadlessDocManager::lockDepth(const HcDocument* doc) const {
  const auto it = locks_.find(doc);
  return it != locks_.end() ? it->second : 0;
}

void HeadlessDocManager::popResourceHandle() {
  if (resourceDepth_ > 0) --resourceDepth_;
}

void HeadlessDocManager::writeDrawingLock(const HeadlessDocument& doc) const {
  // Written in place, never through a link planted where the drawing lock file belongs.
  const std::optional<os::LockedFile> file =
      os::LockedFile::acquire(drawingLockPath(doc.fileName()), os::LockedFile::Disposition::kOpenOrCreate);
  if (!file) return;  // a drawing in a folder we cannot write still opens
  file->replaceContent(os::narrowCodec().encode(holderText_()));
}

void HeadlessDocManager::removeDrawingLock(const HeadlessDocument& doc) const {
  os::removeFile(drawingLockPath(doc.fileName()));
}

}  // namespace vox::runtime
