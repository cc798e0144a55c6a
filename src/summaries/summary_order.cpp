#include "summaries/summary_order.h"

#include "summaries/folded_text.h"

#include <algorithm>

namespace memora {

void sortSummaryEntries(std::vector<SummaryEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SummaryEntry& a, const SummaryEntry& b) { return foldedLess(a.line, b.line); });
}

}  // namespace memora
