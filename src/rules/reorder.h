// Puts a list in a computed order without making a second copy of it: the
// lists and grids a scan builds may hold a million entries.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace memora {

// Entry k becomes the old entry order[k]. Each entry is moved once, along
// the cycles of the permutation.
// REQUIRES: order is a permutation of 0 .. items.size() - 1.
template <typename Items>
void reorderInPlace(Items& items, const std::vector<int>& order)
{
    std::vector<bool> placed(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        auto held = std::move(items[start]);
        std::size_t k = start;
        for (std::size_t from = std::size_t(order[k]); from != start; from = std::size_t(order[k])) {
            items[k] = std::move(items[from]);
            placed[k] = true;
            k = from;
        }
        items[k] = std::move(held);
        placed[k] = true;
    }
}

}  // namespace memora
