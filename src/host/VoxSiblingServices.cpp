// Installation of the sibling services.

#include "host/VoxSiblingServices.h"

namespace {

VoxSiblingServices& installed() {
  static VoxSiblingServices services;
  return services;
}

}  // namespace

void voxInstallSiblingServices(const VoxSiblingServices& services) { installed() = services; }
const VoxSiblingServices& voxSiblingServices() { return installed(); }
