#pragma once
// Counts the bytes held through the global operator new of the program that links
// AllocationCounter.cpp (it replaces that operator), so a test or a benchmark can tell the peak
// memory an operation needed above what was held when it began. Sizes are the allocator's usable
// sizes, so its rounding counts too. Only for programs of their own: every allocation is counted.

#include <cstddef>

namespace vox::test {

// Bytes held now.
std::size_t allocatedBytes();
// Starts a new peak at the bytes held now; `peakBytesSinceMark` then gives the most held
// above that level until the next mark.
void markAllocationPeak();
std::size_t peakBytesSinceMark();

}  // namespace vox::test
