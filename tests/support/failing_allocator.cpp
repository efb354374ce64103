// failing_allocator.cpp - the replaced global operator new and delete.
#include "failing_allocator.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
long long failingFrom = 0; // 0: disarmed
long long sinceArmed = 0;
long long live = 0;
int pauses = 0;

// Each block carries a small header that says whether it counts as live: allocations made
// during a Pause belong to the fake host and are not counted.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* allocate(std::size_t size) noexcept {
    if (failingFrom > 0 && pauses == 0 && ++sinceArmed >= failingFrom) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(std::malloc(kHeader + size));
    if (block == nullptr) {
        return nullptr;
    }
    const bool counted = pauses == 0;
    block[0] = counted ? 1 : 0;
    if (counted) {
        ++live;
    }
    return block + kHeader;
}

void release(void* memory) noexcept {
    if (memory == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(memory) - kHeader;
    if (block[0] == 1) {
        --live;
    }
    std::free(block);
}
} // namespace

namespace failing_allocator {
void failFrom(long long allocation) {
    failingFrom = allocation;
    sinceArmed = 0;
}
void disarm() {
    failingFrom = 0;
}
long long allocationsSinceArmed() {
    return sinceArmed;
}
long long liveAllocations() {
    return live;
}
Pause::Pause() {
    ++pauses;
}
Pause::~Pause() {
    --pauses;
}
} // namespace failing_allocator

void* operator new(std::size_t size) {
    if (void* memory = allocate(size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    release(memory);
}
void operator delete[](void* memory) noexcept {
    release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    release(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    release(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    release(memory);
}
