#pragma once
// Editor services of the reference host over its system variables, command line and
// interaction service; the dynamic linker; the system registry of named objects.

#include <map>
#include <set>
#include <string>

#include "host/HcHostRuntime.h"
#include "host/HcHostServices.h"

class HcInteraction;

namespace vox::runtime {

class CommandLine;
class HeadlessDocManager;
class SystemVariables;

class HeadlessHostServices : public HcHostServices {
 public:
  HeadlessHostServices(SystemVariables& variables, CommandLine& commandLine);

  void setInteraction(HcInteraction* interaction) { interaction_ = interaction; }
  // The documents whose current one answers DWGTITLED (borrowed, may be null).
  void setDocuments(const HeadlessDocManager* documents) { documents_ = documents; }

  std::optional<HcResBuf> getVar(const std::wstring& name) const override;
  bool setVar(const std::wstring& name, const HcResBuf& value) override;
  int command(const HcResBufChain& args) override;
  std::optional<std::wstring> getFile(const std::wstring& title, const std::wstring& defaultPath,
                                      const std::wstring& extension, int flags) override;
  int help(const std::wstring& file, const std::wstring& topic, int command) override;
  bool userBreak() override { return false; }
  void print(const std::wstring& text) override;
  std::wstring productKey() const override;

 private:
  SystemVariables& variables_;
  CommandLine& commandLine_;
  HcInteraction* interaction_ = nullptr;
  const HeadlessDocManager* documents_ = nullptr;
};

class HeadlessDynamicLinker : public HcDynamicLinker {
 public:
  bool unlockApplication(const std::wstring& appName) override;
  bool registerAppMDIAware(const std::wstring& appName) override;
  bool isUnloadable(const std::wstring& appName) const { return unloadable_.count(appName) > 0; }
  bool isMDIAware(const std::wstring& appName) const { return mdiAware_.count(appName) > 0; }

 private:
  std::set<std::wstring> unloadable_, mdiAware_;
};

class HeadlessSystemRegistry : public HcSystemRegistry {
 public:
  void add(std::wstring name, HcRxObject* object) { objects_[std::move(name)] = object; }
  HcRxObject* lookup(std::wstring_view name) const override;

 private:
  std::map<std::wstring, HcRxObject*, std::less<>> objects_;
};

}  // namespace vox::runtime
