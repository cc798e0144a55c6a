// Puts a list in a computed order: the lists and grids a scan builds may hold
// a million entries.
#pragma once

#include <cstddef>
#include <vector>

namespace memora {

// A copy of items with entry k the old entry order[k]. A second, ordered copy
// rather than a reordering in place: the entries are small beside the texts
// they point to, and gathering them in order reads them all at once where
// following the permutation's cycles would wait on memory at each step.
// REQUIRES: order is a permutation of 0 .. items.size() - 1.
template <typename Items>
Items gathered(const Items& items, const std::vector<int>& order)
{
    Items ordered;
    ordered.reserve(items.size());
    for (const int from : order)
        ordered.push_back(items[std::size_t(from)]);
    return ordered;
}

}  // namespace memora
