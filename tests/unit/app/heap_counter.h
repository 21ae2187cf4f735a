#pragma once
// Heap blocks and bytes alive in this test program (operator new/delete are counted).
// AddressSanitizer brings its own allocator, which the counting replacement would take
// the place of: under it the allocation functions are left alone and nothing is counted.
#if defined(__SANITIZE_ADDRESS__)
#define FOOTPRINT_TEST_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FOOTPRINT_TEST_UNDER_ASAN 1
#endif
#endif

namespace footprint_test {

#ifdef FOOTPRINT_TEST_UNDER_ASAN
inline constexpr bool kHeapCounted = false;
#else
inline constexpr bool kHeapCounted = true;
#endif

// Why a test that needs the counter does not run (GTEST_SKIP's message).
inline constexpr const char* kNotCountedReason =
    "AddressSanitizer replaces the allocator, so this build does not count heap blocks";

struct HeapFigures {
    long long blocks = 0;
    long long bytes = 0;
};

HeapFigures heapNow();

}  // namespace footprint_test
