#include "summaries/chosen_card.h"

#include "archive/archive_file.h"

namespace memora {

TSchedaScadenza readCard(const QString& path, int cardNumber)
{
    ArchiveFile archive(path, ArchiveAccess::Read);
    if (cardNumber < 1 || cardNumber > archive.recordCount())
        throw ArchiveError("no such card");
    archive.seek(cardNumber - 1);
    return archive.readNext();
}

}  // namespace memora
