// counting_allocator.cpp - malloc and free, with the size in a small header before each block.
#include "counting_allocator.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#define BENCH_EXPORT __attribute__((visibility("default")))

namespace {
constexpr std::size_t kHeader = alignof(std::max_align_t);
std::size_t live = 0;
std::size_t peak = 0;
} // namespace

namespace counting_allocator {
std::size_t liveBytes() {
    return live;
}
std::size_t peakBytes() {
    return peak;
}
void resetPeak() {
    peak = live;
}
} // namespace counting_allocator

BENCH_EXPORT void* operator new(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(kHeader + size));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    live += size;
    peak = std::max(peak, live);
    return block + kHeader;
}

BENCH_EXPORT void operator delete(void* memory) noexcept {
    if (memory == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(memory) - kHeader;
    live -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

BENCH_EXPORT void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}
