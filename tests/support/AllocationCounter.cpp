#include "support/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> base{0};

void* take(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const std::size_t now = held.fetch_add(::malloc_usable_size(p), std::memory_order_relaxed) + ::malloc_usable_size(p);
  std::size_t seen = peak.load(std::memory_order_relaxed);
  while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
  }
  return p;
}

void give(void* p) noexcept {
  if (p == nullptr) return;
  held.fetch_sub(::malloc_usable_size(p), std::memory_order_relaxed);
  std::free(p);
}

}  // namespace

namespace vox::test {

std::size_t allocatedBytes() { return held.load(std::memory_order_relaxed); }

void markAllocationPeak() {
  base.store(held.load(std::memory_order_relaxed), std::memory_order_relaxed);
  peak.store(base.load(std::memory_order_relaxed), std::memory_order_relaxed);
}

std::size_t peakBytesSinceMark() {
  return peak.load(std::memory_order_relaxed) - base.load(std::memory_order_relaxed);
}

}  // namespace vox::test

// The program's allocation functions; the aligned forms are left to the library (nothing here
// asks for over-aligned memory).
void* operator new(std::size_t size) { return take(size); }
void* operator new[](std::size_t size) { return take(size); }
void operator delete(void* p) noexcept { give(p); }
void operator delete[](void* p) noexcept { give(p); }
void operator delete(void* p, std::size_t) noexcept { give(p); }
void operator delete[](void* p, std::size_t) noexcept { give(p); }
