#include "rules/card_scan.h"

#include "archive/archive_file.h"
#include "rules/summary_line.h"

#include <new>

namespace memora {

void scanArchive(ArchiveFile& archive, const CardFilter& filter, FieldSet shown,
                 const std::function<void(const TSchedaScadenza&, int)>& visit)
{
    const TSchedaScadenza blank = decodeRecord(QByteArray(recordSize, '\0').constData());
    const bool keepsBlank = filter.keeps(blank);
    const FieldSet rest = shown - filter.reads;
    TSchedaScadenza card;
    while (!archive.atEnd()) {
        const int holeStart = archive.position();
        const int hole = archive.skipHole();
        for (int k = holeStart; keepsBlank && k < holeStart + hole; ++k)
            visit(blank, k + 1);
        if (archive.atEnd())
            break;
        const char* bytes = archive.readNextBytes();
        decodeFieldsInto(bytes, filter.reads, card);
        if (!filter.keeps(card))
            continue;
        decodeFieldsInto(bytes, rest, card);
        visit(card, archive.position());
    }
}

ScanResult runScan(const std::function<void()>& scan)
{
    try {
        scan();
    } catch (const ArchiveError&) {
        return {false};
    } catch (const std::bad_alloc&) {
        return {false};
    }
    return {};
}

SummaryScan summaryLines(const QString& path, const CardFilter& filter)
{
    SummaryScan scan;
    scan.complete = runScan([&] {
        ArchiveFile archive(path, ArchiveAccess::Read);
        scan.entries.reserve(std::size_t(archive.recordCount()));
        scanArchive(archive, filter, RigaRiepilogoFields, [&](const TSchedaScadenza& card, int number) {
            scan.entries.append(card, number);
        });
    }).complete;
    return scan;
}

}  // namespace memora
