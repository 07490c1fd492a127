// Every program that links allocation_count.cpp has its global operator new counted, so that a
// benchmark can report how many heap allocations the code it times makes.
#pragma once

#include <cstdint>

namespace orunika::bench {

// How many times the global operator new has allocated since the program started.
std::uint64_t AllocationCount();

}  // namespace orunika::bench
