// Forwarding of the code standards list to the installed service.

#include "host/VoxCircuitBuilder.h"

#include "host/VoxSiblingServices.h"

std::vector<VoxCodeStandard> VoxCodeStandards() {
  const VoxCircuitBuilder* builder = voxSiblingServices().circuitBuilder;
  return builder != nullptr ? builder->codeStandards() : std::vector<VoxCodeStandard>();
}
