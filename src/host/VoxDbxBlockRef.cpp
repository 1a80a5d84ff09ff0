// Installation of the drawing accessor factory.

#include "host/VoxDbxBlockRef.h"

namespace {

VoxDbxBlockRefFactory& installedFactory() {
  static VoxDbxBlockRefFactory factory = nullptr;
  return factory;
}

}  // namespace

void voxInstallDbxBlockRefFactory(VoxDbxBlockRefFactory factory) { installedFactory() = factory; }

std::unique_ptr<VoxDbxBlockRef> VoxDbxCreateBlockRef() {
  const VoxDbxBlockRefFactory factory = installedFactory();
  return factory != nullptr ? factory() : nullptr;
}
