#include "rules/card_rules.h"

#include "archive/text_conventions.h"

namespace memora {

namespace {

bool flagIs(const TSchedaScadenza& card, const QString& flag) { return trimmedView(card.Assolto) == flag; }

}  // namespace

bool Imminente(const TSchedaScadenza& card, QDate today)
{
    const std::optional<QDate> due = parseDate(card.Data);
    if (!due)
        return false;
    const std::optional<int> notice = parseWholeNumber(card.Avviso);
    if (!notice)
        return false;
    return due->addDays(-*notice) <= today && flagIs(card, flagPending);
}

bool DaAssolvere(const TSchedaScadenza& card) { return flagIs(card, flagPending); }

bool ScadutaNonAssolta(const TSchedaScadenza& card, QDate today)
{
    const std::optional<QDate> due = parseDate(card.Data);
    return due && *due < today && flagIs(card, flagPending);
}

bool Assolta(const TSchedaScadenza& card) { return flagIs(card, flagFulfilled); }

bool DelGiorno(const TSchedaScadenza& card, QDate day) { return trimmedView(card.Data) == formatDate(day); }

bool DelMese(const TSchedaScadenza& card, QDate day)
{
    const QStringView data = trimmedView(card.Data);
    const QString wanted = formatDate(day);
    return data.mid(3, 2) == wanted.mid(3, 2) && data.mid(6, 4) == wanted.mid(6, 4);
}

}  // namespace memora
