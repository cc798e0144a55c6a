#include "rules/card_scan.h"

#include "archive/archive_file.h"
#include "rules/summary_line.h"

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

SummaryScan summaryLines(const QString& path, const CardFilter& filter)
{
    SummaryScan scan;
    try {
        scanArchive(path, filter, RigaRiepilogoFields, [&](const TSchedaScadenza& card, int number) {
            scan.entries.push_back({RigaRiepilogo(card), number});
        });
    } catch (const ArchiveError&) {
        scan.complete = false;
    }
    return scan;
}

}  // namespace memora
