// Replaces the global allocation functions of this test program with ones that count the
// blocks and bytes alive, so that a long run can show the program's heap staying flat.
// Single-threaded use; the counters are atomic only so that gtest's own threads (if any)
// cannot tear them.
#include "heap_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> liveBlocks{0};
std::atomic<long long> liveBytes{0};

#ifndef FOOTPRINT_TEST_UNDER_ASAN
// Each block carries its size in front of it, so that the unsized delete can count bytes.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* allocate(std::size_t size) {
    void* raw = std::malloc(size + kHeader);
    if (!raw) return nullptr;
    *static_cast<std::size_t*>(raw) = size;
    ++liveBlocks;
    liveBytes += static_cast<long long>(size);
    return static_cast<char*>(raw) + kHeader;
}

void release(void* p) noexcept {
    if (!p) return;
    void* raw = static_cast<char*>(p) - kHeader;
    --liveBlocks;
    liveBytes -= static_cast<long long>(*static_cast<std::size_t*>(raw));
    std::free(raw);
}

void* allocateOrThrow(std::size_t size) {
    if (void* p = allocate(size)) return p;
    throw std::bad_alloc();
}
#endif  // FOOTPRINT_TEST_UNDER_ASAN

}  // namespace

namespace footprint_test {

HeapFigures heapNow() { return {liveBlocks.load(), liveBytes.load()}; }

}  // namespace footprint_test

#ifndef FOOTPRINT_TEST_UNDER_ASAN

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
#endif  // FOOTPRINT_TEST_UNDER_ASAN
