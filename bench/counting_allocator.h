// counting_allocator.h - the benchmark's global operator new, which keeps a memory peak.
//
// The benchmark executable exports its operator new and delete, so the plug-in library's
// allocations bind to them too: the peak covers the plug-in's memory.
#pragma once

#include <cstddef>

namespace counting_allocator {
std::size_t liveBytes();
std::size_t peakBytes();
// Starts a new peak from the bytes live now.
void resetPeak();
} // namespace counting_allocator
