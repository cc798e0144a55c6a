// The summary lines of a list, each with the card it was built from.
//
// The lines are written end to end into one arena as the scan builds them and
// the entries point into it, so a list of a million cards sorts, walks and
// frees as a few blocks of memory rather than a million strings.
#pragma once

#include "archive/card_record.h"
#include "memory/large_pages.h"
#include "memory/text_arena.h"

#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <vector>

namespace memora {

// One listed card: its summary line and its card number.
struct SummaryEntry {
    QStringView line;
    int cardNumber;
};

class SummaryLines {
public:
    // Room for count entries, or as many as the list may hold (listRoom),
    // reserved before a scan.
    void reserve(std::size_t count) { m_entries.reserve(listRoom<SummaryEntry>(count)); }
    // Adds the card's RigaRiepilogo, written in place. Throws std::bad_alloc
    // when the list has reached its memory limit (listMemoryLimit).
    void append(const TSchedaScadenza& card, int cardNumber);
    void append(QStringView line, int cardNumber);

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const SummaryEntry& operator[](std::size_t k) const { return m_entries[k]; }
    LargeVector<SummaryEntry>::const_iterator begin() const { return m_entries.begin(); }
    LargeVector<SummaryEntry>::const_iterator end() const { return m_entries.end(); }
    // Asks the processor to fetch line k from memory ahead of reading it. The
    // lines lie in file order and a sorted list reads them out of it; a walk
    // through the list that asks for a line some steps before it reads it does
    // not wait on memory at every line.
    void prefetch(std::size_t k) const;
    // Every line, from the first down.
    QStringList texts() const;

    // Entry k becomes the old entry order[k].
    // REQUIRES: order is a permutation of 0 .. size() - 1.
    void reorder(const std::vector<int>& order);

private:
    std::size_t bytes() const { return m_entries.size() * sizeof(SummaryEntry) + m_text.bytes(); }

    TextArena m_text;
    LargeVector<SummaryEntry> m_entries;
};

}  // namespace memora
