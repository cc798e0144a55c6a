// The cards of the shared-folder stress test: every field of a card follows
// from its tag and its version, so a card read back either is one whole
// version of itself or shows at once that it is not.
#pragma once

#include "archive/card_record.h"

#include <QString>

namespace memora::test {

// The card tag at version (0 to 999): the tag is its reason, the version
// its notice days; every other field is made from both.
inline TSchedaScadenza stressCard(const QString& tag, int version)
{
    const QString stamp = tag + u'|' + QString::number(version) + u';';
    const auto filled = [&stamp](int capacity) { return stamp.repeated(capacity / int(stamp.size()) + 1).left(capacity); };
    TSchedaScadenza card;
    card.Data = QStringLiteral("10/03/2014");
    card.OreApp = QStringLiteral("%1").arg(version % 24, 2, 10, QLatin1Char('0'));
    card.MinutiApp = QStringLiteral("%1").arg(version % 60, 2, 10, QLatin1Char('0'));
    card.Ora = card.OreApp + u':' + card.MinutiApp;
    card.Avviso = QString::number(version);
    card.Tipologia = filled(fieldCapacity(Field::Tipologia));
    card.Causale = tag;
    card.Dettagli = filled(fieldCapacity(Field::Dettagli));
    card.Contatto = filled(fieldCapacity(Field::Contatto));
    card.Tel = QString::number(version * 7919);
    card.Cel = filled(fieldCapacity(Field::Cel));
    card.Email = filled(fieldCapacity(Field::Email));
    card.Luogo = filled(fieldCapacity(Field::Luogo));
    card.Importo = QString::number(version) + QStringLiteral(",00");
    card.Note = filled(fieldCapacity(Field::Note));
    card.Assolto = version % 2 ? flagFulfilled : flagPending;
    return card;
}

// True when card is one whole version of the card its reason names.
inline bool isWholeStressCard(const TSchedaScadenza& card)
{
    bool number = false;
    const int version = card.Avviso.toInt(&number);
    return number && version >= 0 && version < 1000 && card == stressCard(card.Causale, version);
}

}  // namespace memora::test
