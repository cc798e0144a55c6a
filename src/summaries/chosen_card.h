// The card behind a chosen line of a summary or search list.
#pragma once

#include "archive/card_record.h"

#include <QString>

namespace memora {

// Reads card cardNumber (1-based) of the archive at path as it stands now.
// Throws ArchiveError when the archive cannot be opened or read, or holds no
// such card.
TSchedaScadenza readCard(const QString& path, int cardNumber);

}  // namespace memora
