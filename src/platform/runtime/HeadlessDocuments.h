#pragma once
// Documents of the reference host and its document manager. A document is an open drawing
// file; while a document holds its drawing writable, a drawing lock file (the drawing's path
// with ".dwl") beside it names the holder, and it is deleted when the document closes.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/HcDocument.h"
#include "host/HcEventLoop.h"

namespace vox::runtime {


class HeadlessDocument : public HcDocument {
 public:
  HeadlessDocument(std::wstring fileName, bool readOnly, bool titled = true)
      : fileName_(std::move(fileName)), readOnly_(readOnly), titled_(titled) {}

  std::wstring fileName() const override { return fileName_; }
  bool isReadOnly() const override { return readOnly_; }
  bool isQuiescent() const override { return quiescent_; }
  void addInputContextReactor(HcEdInputContextReactor* reactor) override;
  void removeInputContextReactor(HcEdInputContextReactor* reactor) override;

  // Busy while a command or LISP evaluation runs; the input-context reactors hear each change.
  void setQuiescent(bool quiescent);
  std::size_t inputContextReactorCount() const { return reactors_.size(); }
  // False for a new drawing that was never saved under a name of its own (DWGTITLED 0).
  bool isTitled() const { return titled_; }

 private:
  std::wstring fileName_;
  bool readOnly_;
  bool titled_;
  bool quiescent_ = true;
  std::vector<HcEdInputContextReactor*> reactors_;
};

class HeadlessDocManager : public HcDocManager {
 public:
  // Typed input for a document: the command line queues and later runs it.
  using InputSink = std::function<void(HcDocument* doc, const std::wstring& text, bool echo)>;

  HeadlessDocManager(HcEventLoop& loop, InputSink input);
  ~HeadlessDocManager() override;

  HcDocument* curDocument() const override { return current_; }
  HcDocument* mdiActiveDocument() const override { return current_; }
  int documentCount() const override { return static_cast<int>(documents_.size()); }
  std::vector<HcDocument*> documents() const override;
  void addReactor(HcDocManagerReactor* reactor) override;
  void removeReactor(HcDocManagerReactor* reactor) override;
  bool sendStringToExecute(HcDocument* doc, const std::wstring& text, bool activate, bool wrapUpInactiveDoc,
                           bool echo) override;
  void executeInApplicationContext(std::function<void()> fn) override;
  HcDocument* appContextOpenDocument(const std::wstring& fileName, bool readOnly) override;
  bool closeDocument(HcDocument* doc) override;
  // A new, never saved drawing "DrawingN.dwg" in the current folder (no file, no drawing lock),
  // made current.
  HeadlessDocument* newDocument();
  bool activateDocument(HcDocument* doc) override;
  bool lockDocument(HcDocument* doc) override;
  void unlockDocument(HcDocument* doc) override;
  // How many locks `doc` holds (0 when it is not locked).
  int lockDepth(const HcDocument* doc) const;
  void pushResourceHandle() override { ++resourceDepth_; }
  void popResourceHandle() override;

  // Whether `doc` is one of the open documents.
  bool contains(const HcDocument* doc) const;
  // The document of `fileName` (ignoring case), or null.
  HeadlessDocument* find(const std::wstring& fileName) const;
  HeadlessDocument* current() const { return current_; }
  int resourceDepth() const { return resourceDepth_; }
  // Holder text written into drawing lock files (login, computer and full name, date and time).
  void setHolderText(std::function<std::wstring()> holderText) { holderText_ = std::move(holderText); }
  // Hears every string sent to a document, exactly as sent (the shell's trace).
  using SendObserver = std::function<void(const HcDocument& doc, const std::wstring& text)>;
  void setSendObserver(SendObserver observer) { sendObserver_ = std::move(observer); }
  // Whether a file can be opened as a drawing: empty accepts it, else the text says why not.
  // Without a check every existing file opens.
  using DrawingCheck = std::function<std::wstring(const std::wstring& path)>;
  void setDrawingCheck(DrawingCheck check) { drawingCheck_ = std::move(check); }
  // Why the last appContextOpenDocument opened nothing; empty after one that opened a document.
  const std::wstring& lastOpenFailure() const { return lastOpenFailure_; }

 private:
  void notify(const std::function<void(HcDocManagerReactor&)>& notify);
  void writeDrawingLock(const HeadlessDocument& doc) const;
  void removeDrawingLock(const HeadlessDocument& doc) const;
  // Opening a document is a command of the host: once the loop next runs, after whatever the
  // opening posted for the modules (their load message), the document goes busy and then
  // quiescent, so input-context reactors hear the end of the command as they do for any other.
  void endOpeningCommand(HeadlessDocument* doc);

  HcEventLoop& loop_;
  InputSink input_;
  std::vector<std::unique_ptr<HeadlessDocument>> documents_;
  HeadlessDocument* current_ = nullptr;
  std::vector<HcDocManagerReactor*> reactors_;
  int resourceDepth_ = 0;
  std::function<std::wstring()> holderText_;
  SendObserver sendObserver_;
  DrawingCheck drawingCheck_;
  std::wstring lastOpenFailure_;
  std::map<const HcDocument*, int> locks_;
};

// The drawing lock file of a drawing: its path with the extension ".dwl".
std::wstring drawingLockPath(const std::wstring& drawing);

}  // namespace vox::runtime
