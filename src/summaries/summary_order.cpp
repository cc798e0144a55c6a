#include "summaries/summary_order.h"

#include "archive/text_conventions.h"
#include "summaries/folded_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace memora {

namespace {

// A line's sort key: some of its folded characters, a byte each and eight to
// a word, and its place in file order. Sorting these small keys, held side by
// side, touches the lines themselves only when two keys are alike; a list of a
// million lines sorts without a cache miss for every comparison.
//
// A character beyond ÿ does not fit its byte: the key holds 255 for it and
// stops there, the rest left 0. Two keys that differ then still order their
// lines as the characters do, and keys alike up to such a character fall back
// on the lines.
constexpr int keyChars = 16;
constexpr int positionsLooked = 64;

struct SortKey {
    std::array<std::uint64_t, keyChars / 8> chars;
    std::uint32_t entry;
};

// The first positions, among those every line has, where the lines do not all
// hold the same folded character. A position where they all do never decides
// an order, so the keys leave it out: for summary lines the key is the date,
// the time and the reason's first letters, not "Data: ".
std::vector<int> varyingPositions(const SummaryLines& entries)
{
    qsizetype shortest = positionsLooked;
    for (const SummaryEntry& entry : entries)
        shortest = std::min(shortest, entry.line.size());
    const QStringView first = entries[0].line;
    // The positions where every line so far holds the character of the first.
    std::vector<int> alike(static_cast<std::size_t>(shortest));
    std::iota(alike.begin(), alike.end(), 0);
    for (const SummaryEntry& entry : entries) {
        const auto differs = [&](int k) {
            return foldedChar(entry.line[k].unicode()) != foldedChar(first[k].unicode());
        };
        alike.erase(std::remove_if(alike.begin(), alike.end(), differs), alike.end());
    }
    std::vector<int> positions;
    for (int k = 0; k < int(shortest) && int(positions.size()) < keyChars; ++k)
        if (!std::binary_search(alike.begin(), alike.end(), k))
            positions.push_back(k);
    return positions;
}

SortKey keyOf(QStringView line, const std::vector<int>& positions, std::uint32_t entry)
{
    SortKey key {{}, entry};
    for (std::size_t k = 0; k < positions.size(); ++k) {
        const std::uint64_t byte = std::min<char16_t>(foldedChar(line[positions[k]].unicode()), 255);
        key.chars[k / 8] |= byte << (56 - 8 * (k % 8));
        if (byte == 255)
            break;
    }
    return key;
}

}  // namespace

// Two keys that differ order their lines as foldedLess does: every position
// before the first that differs holds the same character in both lines.
// Alike keys fall back on the lines, then on file order, which keeps equal
// lines in file order.
void sortSummaryLines(SummaryLines& entries)
{
    if (entries.size() < 2)
        return;
    const std::vector<int> positions = varyingPositions(entries);
    LargeVector<SortKey> keys;
    keys.reserve(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k)
        keys.push_back(keyOf(entries[k].line, positions, std::uint32_t(k)));
    std::sort(keys.begin(), keys.end(), [&entries](const SortKey& a, const SortKey& b) {
        for (std::size_t k = 0; k < a.chars.size(); ++k)
            if (a.chars[k] != b.chars[k])
                return a.chars[k] < b.chars[k];
        const QStringView x = entries[a.entry].line;
        const QStringView y = entries[b.entry].line;
        if (foldedLess(x, y))
            return true;
        if (foldedLess(y, x))
            return false;
        return a.entry < b.entry;
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const SortKey& key : keys)
        order.push_back(int(key.entry));
    entries.reorder(order);
}

}  // namespace memora
