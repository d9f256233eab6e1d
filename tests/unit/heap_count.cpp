// Counts the heap allocations of the whole test program, so a test can show
// that a stretch of code allocates nothing: every C++ `new`, and with glibc
// also the C library's malloc, calloc and realloc (the core's only raw
// allocation, the bitmaps' calloc, goes there).
#include <cstdlib>
#include <new>

#include "heap_count.h"

long heapAllocations = 0;

void* operator new(std::size_t size)
{
    ++heapAllocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) // the sanitizer has its own malloc
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t size)
{
    ++heapAllocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size)
{
    ++heapAllocations;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size)
{
    ++heapAllocations;
    return __libc_realloc(p, size);
}
void free(void* p) { __libc_free(p); }
}
#endif
