#pragma once
// Editor services of the host: system variables, commands with arguments, the file dialog,
// help, the user-break test, the command line and the product key; plus the dynamic linker.

#include <optional>
#include <string>

#include "host/HcResBuf.h"

class HcHostServices {
 public:
  virtual ~HcHostServices() = default;
  // A system variable's value (integers as 16-bit, texts as strings); empty when unknown.
  virtual std::optional<HcResBuf> getVar(const std::wstring& name) const = 0;
  virtual bool setVar(const std::wstring& name, const HcResBuf& value) = 0;
  // Runs a command: the chain's first string is the command name, the rest its arguments.
  virtual int command(const HcResBufChain& args) = 0;
  // The host's file-navigation dialog; empty when cancelled.
  virtual std::optional<std::wstring> getFile(const std::wstring& title, const std::wstring& defaultPath,
                                              const std::wstring& extension, int flags) = 0;
  virtual int help(const std::wstring& file, const std::wstring& topic, int command) = 0;
  virtual bool userBreak() = 0;
  // Writes text to the command line.
  virtual void print(const std::wstring& text) = 0;
  // The host's registry product key under the current user ("Software\...\R1\...").
  virtual std::wstring productKey() const = 0;
};

class HcDynamicLinker {
 public:
  virtual ~HcDynamicLinker() = default;
  virtual bool unlockApplication(const std::wstring& appName) = 0;
  virtual bool registerAppMDIAware(const std::wstring& appName) = 0;
};

int hcedGetVar(const wchar_t* name, HcResBuf& value);
int hcedSetVar(const wchar_t* name, const HcResBuf& value);
int hcedCommand(const HcResBufChain& args);
int hcedGetFileD(const wchar_t* title, const wchar_t* defaultPath, const wchar_t* extension, int flags,
                 HcResBuf& result);
int hcedHelp(const wchar_t* file, const wchar_t* topic, int command);
int hcedUsrBrk();
// printf-style output to the command line (wide format, "%s" takes a wide string).
int hcutPrintf(const wchar_t* format, ...);
std::wstring hcrxProductKey();
HcDynamicLinker* hcrxDynamicLinker();
