// Full scans of the archive: every list is rebuilt from one pass over the file.
#pragma once

#include "archive/card_record.h"
#include "rules/summary_lines.h"

#include <QString>

#include <functional>
#include <vector>

namespace memora {

class ArchiveFile;

// A test on cards and the fields it reads. A scan decodes only those fields
// of each card before asking, so keeps must read no other field: it would see
// the text of an earlier card.
struct CardFilter {
    FieldSet reads;
    std::function<bool(const TSchedaScadenza&)> keeps;
};

// Hands every card of archive from its position on that filter keeps to
// visit with its card number, in file order. The card visit sees has the
// fields of filter.reads and of shown decoded; the others hold no meaning.
// Throws ArchiveError when the archive cannot be read, and whatever visit
// throws; the cards visited before stay visited.
//
// The records in a hole of a sparse file are all zeros and are not read: the
// all-zero card is asked once, and when filter keeps it visit sees it for
// each of them.
void scanArchive(ArchiveFile& archive, const CardFilter& filter, FieldSet shown,
                 const std::function<void(const TSchedaScadenza&, int)>& visit);

// Whether a scan listed the whole archive. It did not when the archive could
// not be opened or read to its end, or when its list could not hold every
// card it kept (listMemoryLimit); what was listed before stays. Every list
// window tells the user of an incomplete scan (reportIncompleteScan).
struct [[nodiscard]] ScanResult {
    bool complete = true;
};

struct SummaryScan : ScanResult {
    SummaryLines entries;  // in file order
};

// The summary lines of the cards that filter keeps, in file order, from the
// archive at path opened for reading. A failure ends the scan and keeps the
// entries found before it.
SummaryScan summaryLines(const QString& path, const CardFilter& filter);

// Runs scan, which builds a list, and says whether it got to the end: an
// ArchiveError or a list out of room (std::bad_alloc) ends it incomplete.
ScanResult runScan(const std::function<void()>& scan);

}  // namespace memora
