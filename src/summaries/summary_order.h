// The order of the lines in the summary and search lists.
#pragma once

#include "rules/summary_lines.h"

namespace memora {

// Sorts the entries by their lines in ascending foldedLess order. Lines that
// compare equal keep their file order, so the card numbers stay with them.
void sortSummaryLines(SummaryLines& entries);

}  // namespace memora
