#pragma once
// The host's documents (open drawings) and its document manager.

#include <functional>
#include <string>
#include <vector>

class HcEdInputContextReactor;

class HcDocument {
 public:
  virtual ~HcDocument() = default;
  // The drawing's full path in the module's form ("\home\u\P\A.dwg").
  virtual std::wstring fileName() const = 0;
  virtual bool isReadOnly() const = 0;
  // No command or LISP evaluation is running in the document.
  virtual bool isQuiescent() const = 0;
  // The document's input-point manager takes input-context reactors.
  virtual void addInputContextReactor(HcEdInputContextReactor* reactor) = 0;
  virtual void removeInputContextReactor(HcEdInputContextReactor* reactor) = 0;
};

// Notifications of the document manager; every member has an empty default.
class HcDocManagerReactor {
 public:
  virtual ~HcDocManagerReactor() = default;
  virtual void documentCreated(HcDocument* /*doc*/) {}
  virtual void documentToBeDestroyed(HcDocument* /*doc*/) {}
  virtual void documentDestroyed(const std::wstring& /*fileName*/) {}
  virtual void documentActivated(HcDocument* /*doc*/) {}
};

class HcDocManager {
 public:
  virtual ~HcDocManager() = default;

  virtual HcDocument* curDocument() const = 0;
  virtual HcDocument* mdiActiveDocument() const = 0;
  virtual int documentCount() const = 0;
  virtual std::vector<HcDocument*> documents() const = 0;

  virtual void addReactor(HcDocManagerReactor* reactor) = 0;
  virtual void removeReactor(HcDocManagerReactor* reactor) = 0;

  // Queues `text` as typed input of `doc`; it runs when the host's loop next runs the command
  // line. `activate` makes the document current first; `wrapUpInactiveDoc` lets an inactive
  // document finish its command; `echo` shows the text on the command line.
  virtual bool sendStringToExecute(HcDocument* doc, const std::wstring& text, bool activate, bool wrapUpInactiveDoc,
                                   bool echo) = 0;
  // Runs `fn` outside any document's command, from the host's loop.
  virtual void executeInApplicationContext(std::function<void()> fn) = 0;

  // From the application context: open a drawing as a new document (it becomes current), close
  // a document, make one current. Null / false when that cannot be done.
  virtual HcDocument* appContextOpenDocument(const std::wstring& fileName, bool readOnly) = 0;
  virtual bool closeDocument(HcDocument* doc) = 0;
  virtual bool activateDocument(HcDocument* doc) = 0;

  // Locks `doc` for writing while the module changes its drawing from outside a command of the
  // document (a dialog, an operation from the palette). Locks nest; each needs its unlock.
  // False when the document cannot be locked.
  virtual bool lockDocument(HcDocument* doc) { return doc != nullptr; }
  virtual void unlockDocument(HcDocument* /*doc*/) {}

  // Switches the host's resource lookup to the module's catalog and back, always in pairs.
  virtual void pushResourceHandle() = 0;
  virtual void popResourceHandle() = 0;
};

// The host's document manager, or null when no host is installed.
HcDocManager* hcDocManagerPtr();
// The host has at least one document open.
bool hcHasDocument();
// The host's current document runs no command or LISP evaluation (false without one).
bool hcCurrentDocumentQuiescent();
