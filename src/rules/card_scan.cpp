#include "rules/card_scan.h"

#include "archive/archive_file.h"
#include "rules/summary_line.h"

namespace memora {

void scanArchive(const QString& path, const std::function<void(const TSchedaScadenza&, int)>& visit)
{
    ArchiveFile archive(path);
    TSchedaScadenza card;
    while (!archive.atEnd()) {
        archive.readNextInto(card);
        visit(card, archive.position());
    }
}

SummaryScan summaryLines(const QString& path, const std::function<bool(const TSchedaScadenza&)>& belongs)
{
    SummaryScan scan;
    try {
        scanArchive(path, [&](const TSchedaScadenza& card, int number) {
            if (belongs(card))
                scan.entries.push_back({RigaRiepilogo(card), number});
        });
    } catch (const ArchiveError&) {
        scan.complete = false;
    }
    return scan;
}

}  // namespace memora
