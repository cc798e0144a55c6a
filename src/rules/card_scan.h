// Full scans of the archive: every list is rebuilt from one pass over the file.
#pragma once

#include "archive/card_record.h"
#include "rules/summary_lines.h"

#include <QString>

#include <functional>
#include <vector>

namespace memora {

// A test on cards and the fields it reads. A scan decodes only those fields
// of each card before asking, so keeps must read no other field: it would see
// the text of an earlier card.
struct CardFilter {
    FieldSet reads;
    std::function<bool(const TSchedaScadenza&)> keeps;
};

// Opens (or creates) the archive at path, hands every card that filter keeps
// to visit with its card number, in file order, and closes the archive. The
// card visit sees has the fields of filter.reads and of shown decoded; the
// others hold no meaning. Throws ArchiveError when the archive cannot be
// opened or read; the cards visited before stay visited.
void scanArchive(const QString& path, const CardFilter& filter, FieldSet shown,
                 const std::function<void(const TSchedaScadenza&, int)>& visit);

struct SummaryScan {
    SummaryLines entries;  // in file order
    bool complete = true;               // false when the archive failed part way
};

// The number of whole records in the file at path now, 0 when it cannot be
// read: room for a scan's list, reserved before the scan. Pages of the room
// that are never written cost no memory, and a list that never moves as it
// grows is not copied and faulted in again at each doubling.
std::size_t recordsInFile(const QString& path);

// The summary lines of the cards that filter keeps, in file order. A failure
// ends the scan and keeps the entries found before it.
SummaryScan summaryLines(const QString& path, const CardFilter& filter);

}  // namespace memora
