#pragma once
// A LISP core in a fresh interpreter for one test: an in-memory settings store, a block library
// and a user folder in a temporary folder, a switchable current document and the printed text.
// While a test runs, the interpreter is the module's host runtime, so the module's own typed
// calls reach the core.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "host/HcDocument.h"
#include "host/HcSettingsStore.h"
#include "platform/lisp/Interpreter.h"
#include "platform/lispcore/LispCore.h"
#include "support/TempDir.h"

namespace vox::test {

// Values by (key, name), both ignoring case.
class MemorySettingsStore : public HcSettingsStore {
 public:
  std::optional<std::wstring> getString(const std::wstring& key, const std::wstring& name) const override;
  std::optional<std::int32_t> getNumber(const std::wstring& key, const std::wstring& name) const override;
  bool setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) override;
  bool setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) override;
  bool deleteValue(const std::wstring& key, const std::wstring& name) override;
  std::vector<std::wstring> valueNames(const std::wstring& key) const override;

 private:
  struct Entry {
    std::wstring name;
    std::optional<std::wstring> text;
    std::optional<std::int32_t> number;
  };
  static std::pair<std::wstring, std::wstring> id(const std::wstring& key, const std::wstring& name);
  std::map<std::pair<std::wstring, std::wstring>, Entry> values_;
};

// One open drawing whose typed input runs in the interpreter at once.
class OneDocumentManager : public HcDocManager {
 public:
  explicit OneDocumentManager(lisp::Interpreter& interpreter) : interpreter_(interpreter) {}

  HcDocument* curDocument() const override { return &document_; }
  HcDocument* mdiActiveDocument() const override { return &document_; }
  int documentCount() const override { return 1; }
  std::vector<HcDocument*> documents() const override { return {&document_}; }
  void addReactor(HcDocManagerReactor*) override {}
  void removeReactor(HcDocManagerReactor*) override {}
  bool sendStringToExecute(HcDocument* doc, const std::wstring& text, bool, bool, bool) override;
  void executeInApplicationContext(std::function<void()> fn) override { fn(); }
  HcDocument* appContextOpenDocument(const std::wstring&, bool) override { return nullptr; }
  bool closeDocument(HcDocument*) override { return false; }
  bool activateDocument(HcDocument* doc) override { return doc == &document_; }
  void pushResourceHandle() override {}
  void popResourceHandle() override {}

 private:
  class Drawing : public HcDocument {
   public:
    std::wstring fileName() const override { return L"\\drawings\\A.dwg"; }
    bool isReadOnly() const override { return false; }
    bool isQuiescent() const override { return true; }
    void addInputContextReactor(HcEdInputContextReactor*) override {}
    void removeInputContextReactor(HcEdInputContextReactor*) override {}
  };
  lisp::Interpreter& interpreter_;
  mutable Drawing document_;
};

class LispCoreTest : public ::testing::Test {
 protected:
  LispCoreTest();
  ~LispCoreTest() override;

  // Opens the host's one document (typed input runs at once), or closes it.
  void openDocument(bool open);
  // A new core on the same interpreter and store (the old one is destroyed first).
  void restartCore();
  // The value of the LISP text; fails the test on an error.
  lisp::Value eval(const std::wstring& text);
  // The error of the LISP text; empty when it succeeded.
  std::wstring errorOf(const std::wstring& text);
  // What the command line shows for the line.
  std::wstring typed(const std::wstring& line);
  std::wstring libraryPath(const std::wstring& below) const;  // module form
  std::wstring userPath() const;

  TempDir temp;
  MemorySettingsStore store;
  const char documentA = 'a', documentB = 'b';
  const void* current = &documentA;
  std::wstring printed;
  std::map<std::string, std::string> processEnvironment;
  lisp::Interpreter interpreter;
  std::unique_ptr<lispcore::LispCore> core;
  OneDocumentManager documents{interpreter};
};

}  // namespace vox::test
