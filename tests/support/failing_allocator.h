// failing_allocator.h - a global allocator that fails on request, for out-of-memory tests.
//
// The test executable replaces the global operator new and delete. Disarmed, they are malloc and
// free with a count of live allocations. Armed with failFrom(n), the n-th allocation from then on
// and every later one fail (std::bad_alloc, or null for the nothrow forms) until disarm().
#pragma once

namespace failing_allocator {

void failFrom(long long allocation);
void disarm();
// Allocations made since the last failFrom, failed ones included.
long long allocationsSinceArmed();
// Allocations made and not yet freed, over the whole process.
long long liveAllocations();

// Allocations made while a Pause lives never fail: the fake host's own bookkeeping is not
// the plug-in's memory.
class Pause {
public:
    Pause();
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
};

} // namespace failing_allocator
