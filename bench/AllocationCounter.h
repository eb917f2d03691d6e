// Counts heap allocations, Qt's included (Qt allocates with malloc, not operator new), so a
// benchmark can show what its steady state allocates. Include in exactly one file per program.
#pragma once

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
}

namespace bench {
inline std::atomic<long long> allocations{0};
}

extern "C" void* malloc(std::size_t size)
{
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size)
{
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* memory, std::size_t size)
{
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(memory, size);
}
