// The order of the lines in the summary and search lists.
#pragma once

#include "rules/card_scan.h"

#include <vector>

namespace memora {

// Sorts the entries by their lines in ascending foldedLess order. Lines that
// compare equal keep their file order, so the card numbers stay with them.
void sortSummaryEntries(std::vector<SummaryEntry>& entries);

}  // namespace memora
