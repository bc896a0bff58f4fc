// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "CountingMalloc.h"

#include <atomic>
#include <cerrno>
#include <malloc.h>

// The C library's own entry points, which glibc exports for exactly this use.
extern "C" {
void* __libc_malloc(std::size_t);
void __libc_free(void*);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
}

namespace {

std::atomic<std::size_t> InUseBytes{0};
std::atomic<std::size_t> PeakBytes{0};

void Gained(void* block)
{
    if (!block)
        return;
    const std::size_t now = InUseBytes.fetch_add(malloc_usable_size(block)) + malloc_usable_size(block);
    std::size_t peak = PeakBytes.load();
    while (now > peak && !PeakBytes.compare_exchange_weak(peak, now)) {
    }
}

void Lost(void* block)
{
    if (block)
        InUseBytes.fetch_sub(malloc_usable_size(block));
}

} // namespace

namespace CountingMalloc {

std::size_t InUse() { return InUseBytes.load(); }
std::size_t Peak() { return PeakBytes.load(); }
void ResetPeak() { PeakBytes.store(InUseBytes.load()); }

} // namespace CountingMalloc

extern "C" {

void* malloc(std::size_t size)
{
    void* block = __libc_malloc(size);
    Gained(block);
    return block;
}

void free(void* block)
{
    Lost(block);
    __libc_free(block);
}

void* calloc(std::size_t count, std::size_t size)
{
    void* block = __libc_calloc(count, size);
    Gained(block);
    return block;
}

void* realloc(void* block, std::size_t size)
{
    // A failed realloc keeps the old block; a realloc to 0 may free it.
    const std::size_t before = block ? malloc_usable_size(block) : 0;
    void* moved = __libc_realloc(block, size);
    if (!moved && size != 0)
        return nullptr;
    InUseBytes.fetch_sub(before);
    Gained(moved);
    return moved;
}

void* memalign(std::size_t alignment, std::size_t size)
{
    void* block = __libc_memalign(alignment, size);
    Gained(block);
    return block;
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void* block = memalign(alignment, size);
    if (!block && size != 0)
        return ENOMEM;
    *result = block;
    return 0;
}

} // extern "C"
