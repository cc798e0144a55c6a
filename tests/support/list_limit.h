// Lets a test reach the memory limit of the lists a scan builds with a few cards.
#pragma once

#include "memory/large_pages.h"

namespace memora::test {

// Sets the limit for its lifetime and puts the one before back afterwards.
// A limit of 1 byte lets a list hold its first entry and no second.
class ListMemoryLimit {
public:
    explicit ListMemoryLimit(std::size_t bytes) : m_before(listMemoryLimit()) { setListMemoryLimit(bytes); }
    ~ListMemoryLimit() { setListMemoryLimit(m_before); }
    ListMemoryLimit(const ListMemoryLimit&) = delete;
    ListMemoryLimit& operator=(const ListMemoryLimit&) = delete;

private:
    std::size_t m_before;
};

}  // namespace memora::test
