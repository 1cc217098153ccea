// The benchmark program's operator new and delete: malloc and free, with every block counted.
#include "heapcount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> blocks{0};
}  // namespace

long long cxc::bench::heapBlocks() { return blocks.load(std::memory_order_relaxed); }

void* operator new(std::size_t n)
{
    blocks.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return ::operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
// The nothrow forms too: a runtime that brings its own (the address sanitizer's) would otherwise
// hand out blocks that the counted delete frees.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return ::operator new(n, std::nothrow); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
