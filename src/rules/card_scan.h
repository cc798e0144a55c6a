// Full scans of the archive: every list is rebuilt from one pass over the file.
#pragma once

#include "archive/card_record.h"

#include <QString>

#include <functional>
#include <vector>

namespace memora {

// Opens (or creates) the archive at path, hands every card to visit with its
// card number, in file order, and closes the archive. Throws ArchiveError when
// the archive cannot be opened or read; the cards visited before stay visited.
void scanArchive(const QString& path, const std::function<void(const TSchedaScadenza&, int)>& visit);

// One listed card: its summary line and the card it was built from.
struct SummaryEntry {
    QString line;
    int cardNumber;
};

struct SummaryScan {
    std::vector<SummaryEntry> entries;  // in file order
    bool complete = true;               // false when the archive failed part way
};

// The summary lines of the cards that pass belongs, in file order. A failure
// ends the scan and keeps the entries found before it.
SummaryScan summaryLines(const QString& path, const std::function<bool(const TSchedaScadenza&)>& belongs);

}  // namespace memora
