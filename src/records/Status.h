#pragma once
// Result of getValue and setValue of the settings records. The numeric values are part of the
// exported interface: sibling modules compare them.

namespace vox::records {

enum Status {
  kWrongIndexOrType = 0,  // no such index, or the index does not hold the overload's type
  kOk = 1,                // done; also the string overloads' answer for an index out of range
  kNotSet = 2,            // getValue found the index unset; the output is left unchanged
  kIndexTooHigh = 3,      // drawing settings setValue with an index above the highest one
};

}  // namespace vox::records
