#include "memory/large_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace memora {

namespace {

constexpr std::size_t largePageBytes = 2 * 1024 * 1024;
constexpr int heapKeptBytes = 128 * 1024 * 1024;
constexpr int heapBlockBytesMax = 32 * 1024 * 1024;

std::size_t roundedUp(std::size_t bytes) { return (bytes + largePageBytes - 1) / largePageBytes * largePageBytes; }

std::size_t quarterOfMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageBytes = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageBytes <= 0)
        return std::size_t(1) << 30;
    return std::size_t(pages) / 4 * std::size_t(pageBytes);
}

std::size_t listLimit = quarterOfMemory();

}  // namespace

void keepFreedMemoryForReuse()
{
    ::mallopt(M_MMAP_THRESHOLD, heapBlockBytesMax);
    ::mallopt(M_TRIM_THRESHOLD, heapKeptBytes);
}

std::size_t listMemoryLimit() { return listLimit; }

void setListMemoryLimit(std::size_t bytes) { listLimit = bytes; }

void requireListRoom(std::size_t bytes)
{
    if (bytes >= listLimit)
        throw std::bad_alloc();
}

// The block is placed on a large-page boundary and rounded up to whole large
// pages: the kernel gives large pages only to whole aligned ones.
void* mapLargeBlock(std::size_t bytes)
{
    const std::size_t length = roundedUp(bytes);
    const std::size_t mapped = length + largePageBytes;
    void* area = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED)
        throw std::bad_alloc();
    auto* const first = static_cast<char*>(area);
    char* const start = first + (roundedUp(std::uintptr_t(first)) - std::uintptr_t(first));
    if (start != first)
        ::munmap(first, std::size_t(start - first));
    if (const std::size_t after = mapped - std::size_t(start - first) - length; after > 0)
        ::munmap(start + length, after);
#ifdef MADV_HUGEPAGE
    ::madvise(start, length, MADV_HUGEPAGE);
#endif
    return start;
}

void unmapLargeBlock(void* start, std::size_t bytes) { ::munmap(start, roundedUp(bytes)); }

}  // namespace memora
