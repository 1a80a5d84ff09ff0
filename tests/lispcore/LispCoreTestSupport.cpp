#include "LispCoreTestSupport.h"

#include <filesystem>

#include "host/HcHostRuntime.h"
#include "platform/lisp/LispReader.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::test {

std::pair<std::wstring, std::wstring> MemorySettingsStore::id(const std::wstring& key, const std::wstring& name) {
  return {os::toUpper(key), os::toUpper(name)};
}

std::optional<std::wstring> MemorySettingsStore::getString(const std::wstring& key, const std::wstring& name) const {
  const auto it = values_.find(id(key, name));
  return it == values_.end() ? std::nullopt : it->second.text;
}

std::optional<std::int32_t> MemorySettingsStore::getNumber(const std::wstring& key, const std::wstring& name) const {
  const auto it = values_.find(id(key, name));
  return it == values_.end() ? std::nullopt : it->second.number;
}

bool MemorySettingsStore::setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  values_[id(key, name)] = {name, value, std::nullopt};
  return true;
}

bool MemorySettingsStore::setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) {
  values_[id(key, name)] = {name, std::nullopt, value};
  return true;
}

bool MemorySettingsStore::deleteValue(const std::wstring& key, const std::wstring& name) {
  return values_.erase(id(key, name)) > 0;
}

std::vector<std::wstring> MemorySettingsStore::valueNames(const std::wstring& key) const {
  std::vector<std::wstring> names;
  for (const auto& [where, entry] : values_)
    if (where.first == os::toUpper(key)) names.push_back(entry.name);
  return names;
}

bool OneDocumentManager::sendStringToExecute(HcDocument* doc, const std::wstring& text, bool, bool, bool) {
  if (doc != &document_ || !text.ends_with(L"\r")) return false;
  interpreter_.evaluateLine(text.substr(0, text.size() - 1));
  return true;
}

LispCoreTest::LispCoreTest()
    : interpreter([this] { return current; }, [this](const std::wstring& text) { printed += text; }) {
  std::filesystem::create_directories(temp.native("lib"));
  std::filesystem::create_directories(temp.native("user"));
  restartCore();
  HcHostRuntime runtime;
  runtime.lisp = &interpreter;
  runtime.settings = &store;
  hcInstallHostRuntime(runtime);
}

LispCoreTest::~LispCoreTest() { hcInstallHostRuntime({}); }

void LispCoreTest::openDocument(bool open) {
  HcHostRuntime runtime = hcHostRuntime();
  runtime.documents = open ? &documents : nullptr;
  hcInstallHostRuntime(runtime);
}

void LispCoreTest::restartCore() {
  core.reset();
  lispcore::LispCoreContext context{
      .settings = store,
      .print = [this](const std::wstring& text) { printed += text; },
      .currentDocument = [this] { return current; },
      .blockLibraryFolder = temp.native("lib"),
      .userFolder = temp.native("user"),
      .processEnvironment = [this](const char* name) -> const char* {
        const auto it = processEnvironment.find(name);
        return it == processEnvironment.end() ? nullptr : it->second.c_str();
      },
  };
  core = std::make_unique<lispcore::LispCore>(interpreter, std::move(context));
}

lisp::Value LispCoreTest::eval(const std::wstring& text) {
  const lisp::ReadResult read = lisp::readAll(text);
  EXPECT_TRUE(read.ok() && read.values.size() == 1) << "cannot read: " << os::encodeFileName(text);
  if (!read.ok() || read.values.empty()) return {};
  lisp::Value result;
  std::wstring error;
  EXPECT_TRUE(interpreter.evaluate(read.values[0], result, error)) << os::encodeFileName(error);
  return result;
}

std::wstring LispCoreTest::errorOf(const std::wstring& text) {
  const lisp::ReadResult read = lisp::readAll(text);
  if (!read.ok()) return read.error;
  lisp::Value result;
  std::wstring error;
  for (const lisp::Value& expression : read.values)
    if (!interpreter.evaluate(expression, result, error)) return error;
  return {};
}

std::wstring LispCoreTest::typed(const std::wstring& line) {
  printed.clear();
  interpreter.evaluateLine(line);
  return printed;
}

std::wstring LispCoreTest::libraryPath(const std::wstring& below) const {
  return os::fromNative(temp.native("lib")) + below;
}

std::wstring LispCoreTest::userPath() const { return os::fromNative(temp.native("user")); }

}  // namespace vox::test
