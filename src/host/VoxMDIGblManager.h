#pragma once
// The add-on's per-document global manager as the module uses it: it keeps the LISP globals
// of the documents in step with the open projects and the current one.
// The free functions forward to the installed service (see VoxSiblingServices.h); with none
// installed they fail (false).

#include <string>

#include "host/HcResBuf.h"

class VoxMDIGblManager {
 public:
  virtual ~VoxMDIGblManager() = default;

  virtual bool openProject(const std::wstring& project) = 0;
  virtual bool closeProject(const std::wstring& project) = 0;
  virtual bool setCurrentProject(const std::wstring& project) = 0;
  // Keeps a copy of the current project's globals.
  virtual bool backupActive() = 0;
  // The value of global `name`; false when it has none.
  virtual bool globalValue(const std::wstring& name, HcResBuf& out) const = 0;
};

bool GblPm_Open_Project(const std::wstring& project);
bool GblPm_Close_Project(const std::wstring& project);
bool GblPm_SetCurrent_Project(const std::wstring& project);
bool GblPm_Backup_Active();
bool GblPm_GetGblValue(const std::wstring& name, HcResBuf& out);
