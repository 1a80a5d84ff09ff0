#pragma once
// The add-on's circuit builder as the module uses it: the list of code standards a project can
// follow, each a display name and the code a project stores. The free function forwards to the
// installed service (see VoxSiblingServices.h); with none installed the list is empty.

#include <string>
#include <vector>

struct VoxCodeStandard {
  std::wstring displayName;
  std::wstring code;

  bool operator==(const VoxCodeStandard&) const = default;
};

class VoxCircuitBuilder {
 public:
  virtual ~VoxCircuitBuilder() = default;
  virtual std::vector<VoxCodeStandard> codeStandards() const = 0;
};

std::vector<VoxCodeStandard> VoxCodeStandards();
