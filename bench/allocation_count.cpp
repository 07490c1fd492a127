#include "bench/allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace orunika::bench {
namespace {

std::atomic<std::uint64_t> allocations{0};

}  // namespace

std::uint64_t AllocationCount() { return allocations.load(std::memory_order_relaxed); }

}  // namespace orunika::bench

// The library's array and no-throw forms call these, so replacing the plain ones counts those too.
// Over-aligned allocations, which nothing measured here makes, are left to the library.
void* operator new(std::size_t size) {
  orunika::bench::allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
