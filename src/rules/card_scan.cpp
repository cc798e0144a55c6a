#include "rules/card_scan.h"

#include "archive/archive_file.h"
#include "rules/summary_line.h"

#include <QFileInfo>

namespace memora {

void scanArchive(const QString& path, const CardFilter& filter, FieldSet shown,
                 const std::function<void(const TSchedaScadenza&, int)>& visit)
{
    ArchiveFile archive(path);
    const FieldSet rest = shown - filter.reads;
    TSchedaScadenza card;
    while (!archive.atEnd()) {
        const char* bytes = archive.readNextBytes();
        decodeFieldsInto(bytes, filter.reads, card);
        if (!filter.keeps(card))
            continue;
        decodeFieldsInto(bytes, rest, card);
        visit(card, archive.position());
    }
}

std::size_t recordsInFile(const QString& path) { return std::size_t(QFileInfo(path).size() / recordSize); }

SummaryScan summaryLines(const QString& path, const CardFilter& filter)
{
    SummaryScan scan;
    scan.entries.reserve(recordsInFile(path));
    try {
        scanArchive(path, filter, RigaRiepilogoFields, [&](const TSchedaScadenza& card, int number) {
            scan.entries.append(card, number);
        });
    } catch (const ArchiveError&) {
        scan.complete = false;
    }
    return scan;
}

}  // namespace memora
