// Memory for the large lists a scan builds, straight from the kernel.
//
// Every list is rebuilt at each opening and freed at each closing, so a long
// list meets fresh memory every time; where touching a fresh page is slow (on
// a virtual machine it costs microseconds) a list of a million cards would
// spend more time being faulted in than being built. Blocks of a few megabytes
// and more therefore ask for the kernel's large pages, one fault for two
// megabytes; and they go back to the kernel when the list goes, so nothing is
// held after a window closes. Where the kernel has no large pages to give the
// request is ignored and the memory is ordinary.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace memora {

// Blocks of this size and more are mapped on their own and in large pages.
constexpr std::size_t largeBlockBytes = 4 * 1024 * 1024;

// Called once at start-up. Memory freed from the ordinary heap stays in it, up
// to 128 MiB, for the next window to reuse rather than fault in afresh; and
// every block under 32 MiB comes from the heap rather than a mapping of its
// own that would go back at once. The large lists use the blocks below and
// return them whatever their size, so little is held after a window closes.
void keepFreedMemoryForReuse();

// A block of at least largeBlockBytes; throws std::bad_alloc when none is left.
void* mapLargeBlock(std::size_t bytes);
void unmapLargeBlock(void* start, std::size_t bytes);

// The most memory one list that a scan builds may take, entries and texts
// together: a quarter of the machine's memory, so that the list, its sort and
// the rest of the program fit beside it. A list that would grow past it stops
// there: adding to it throws std::bad_alloc, as when no memory is left at all,
// and the scan building it ends as one that could not read everything.
std::size_t listMemoryLimit();
// Replaces the limit; tests use it to reach it with small lists.
void setListMemoryLimit(std::size_t bytes);

// Throws std::bad_alloc when a list already holding bytes may take no more.
void requireListRoom(std::size_t bytes);

// The room worth reserving for count entries of a list: every entry the list
// may hold within its limit. Pages of the room that are never written cost no
// memory, and a list that never moves as it grows is not copied and faulted
// in again at each doubling; only an archive too large to list in full
// leaves the list to grow past it, and stop.
template <typename T>
std::size_t listRoom(std::size_t count)
{
    return std::min(count, listMemoryLimit() / sizeof(T));
}

// An allocator for the vectors a scan may fill with a million entries.
template <typename T>
struct LargePageAllocator {
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes >= largeBlockBytes)
            return static_cast<T*>(mapLargeBlock(bytes));
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* start, std::size_t count) noexcept
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes >= largeBlockBytes)
            unmapLargeBlock(start, bytes);
        else
            std::allocator<T>().deallocate(start, count);
    }
    template <typename U>
    bool operator==(const LargePageAllocator<U>&) const noexcept { return true; }
    template <typename U>
    bool operator!=(const LargePageAllocator<U>&) const noexcept { return false; }
};

template <typename T>
using LargeVector = std::vector<T, LargePageAllocator<T>>;

}  // namespace memora
