#include "platform/runtime/HeadlessHostServices.h"

#include "host/HcInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/runtime/CommandLine.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "platform/runtime/SystemVariables.h"

namespace vox::runtime {

HeadlessHostServices::HeadlessHostServices(SystemVariables& variables, CommandLine& commandLine)
    : variables_(variables), commandLine_(commandLine) {}

std::optional<HcResBuf> HeadlessHostServices::getVar(const std::wstring& name) const {
  // Whether the current drawing has a name of its own belongs to the drawing.
  if (documents_ != nullptr && os::iequals(name, L"DWGTITLED"))
    if (const HeadlessDocument* current = documents_->current(); current != nullptr && !current->isTitled())
      return HcResBuf{kRtShort, static_cast<std::int16_t>(0)};
  return variables_.get(name);
}

bool HeadlessHostServices::setVar(const std::wstring& name, const HcResBuf& value) {
  if (!variables_.get(name)) return false;  // the host knows its variables; no new ones
  variables_.set(name, value);
  return true;
}

int HeadlessHostServices::command(const HcResBufChain& args) {
  HcResBufWalker walker(args);
  const std::optional<std::wstring> name = walker.nextString();
  if (!name) return kRtError;
  std::vector<std::wstring> words;
  while (!walker.atEnd()) {
    const HcResBufChain value = walker.nextValue();
    words.push_back(value[0].type == kRtStr ? *value[0].string() : value.toLispText());
  }
  return commandLine_.runCommand(nullptr, *name, std::move(words));
}

std::optional<std::wstring> HeadlessHostServices::getFile(const std::wstring& title, const std::wstring& defaultPath,
                                                          const std::wstring& extension, int flags) {
  if (interaction_ == nullptr) return std::nullopt;
  const bool forSaving = (flags & 1) != 0;
  return interaction_->chooseFile(title, defaultPath, extension, forSaving);
}

int HeadlessHostServices::help(const std::wstring& file, const std::wstring& topic, int /*command*/) {
  commandLine_.print(L"Help: " + file + (topic.empty() ? L"" : L" (" + topic + L")") + L"\n");
  return kRtNorm;
}

void HeadlessHostServices::print(const std::wstring& text) { commandLine_.print(text); }

std::wstring HeadlessHostServices::productKey() const { return L"Software\\VoxFolio\\ReferenceHost\\R1"; }

bool HeadlessDynamicLinker::unlockApplication(const std::wstring& appName) {
  unloadable_.insert(appName);
  return true;
}

bool HeadlessDynamicLinker::registerAppMDIAware(const std::wstring& appName) {
  mdiAware_.insert(appName);
  return true;
}

HcRxObject* HeadlessSystemRegistry::lookup(std::wstring_view name) const {
  const auto it = objects_.find(name);
  return it == objects_.end() ? nullptr : it->second;
}

}  // namespace vox::runtime
