#pragma once
// What a host installs for the add-on's sibling modules: one borrowed pointer per sibling (the
// host keeps them alive while installed). The sibling functions the module calls forward to
// these; a sibling that is not installed fails its calls.

class VoxUtils;
class VoxPmClientApp;
class VoxMDIGblManager;
class VoxCircuitBuilder;
class VoxPmOleDb;

struct VoxSiblingServices {
  VoxUtils* utils = nullptr;
  VoxPmClientApp* pmClient = nullptr;
  VoxMDIGblManager* globals = nullptr;
  VoxCircuitBuilder* circuitBuilder = nullptr;
  VoxPmOleDb* oleDb = nullptr;
};

void voxInstallSiblingServices(const VoxSiblingServices& services);
const VoxSiblingServices& voxSiblingServices();
