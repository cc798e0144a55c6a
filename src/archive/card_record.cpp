#include "archive/card_record.h"

#include "archive/windows1252.h"

#include <algorithm>

namespace memora {

namespace {

using Member = QString TSchedaScadenza::*;
constexpr std::array<Member, fieldCount> members = {
    &TSchedaScadenza::Data,     &TSchedaScadenza::OreApp,    &TSchedaScadenza::MinutiApp,
    &TSchedaScadenza::Ora,      &TSchedaScadenza::Avviso,    &TSchedaScadenza::Tipologia,
    &TSchedaScadenza::Causale,  &TSchedaScadenza::Dettagli,  &TSchedaScadenza::Contatto,
    &TSchedaScadenza::Tel,      &TSchedaScadenza::Cel,       &TSchedaScadenza::Email,
    &TSchedaScadenza::Luogo,    &TSchedaScadenza::Importo,   &TSchedaScadenza::Note,
    &TSchedaScadenza::Assolto,
};

}  // namespace

QString& TSchedaScadenza::operator[](Field field) { return this->*members[static_cast<int>(field)]; }

const QString& TSchedaScadenza::operator[](Field field) const
{
    return this->*members[static_cast<int>(field)];
}

bool TSchedaScadenza::operator==(const TSchedaScadenza& other) const
{
    for (int i = 0; i < fieldCount; ++i)
        if ((*this)[Field(i)] != other[Field(i)])
            return false;
    return true;
}

QByteArray encodeRecord(const TSchedaScadenza& card)
{
    QByteArray bytes(recordSize, '\0');
    for (int i = 0; i < fieldCount; ++i) {
        const Field field = Field(i);
        const QByteArray text = toWindows1252(card[field]).left(fieldCapacity(field));
        const int offset = fieldOffset(field);
        bytes[offset] = char(text.size());
        std::copy(text.begin(), text.end(), bytes.begin() + offset + 1);
    }
    return bytes;
}

namespace {
int usedLength(const char* bytes, Field field)
{
    return std::min<int>(static_cast<unsigned char>(bytes[fieldOffset(field)]), fieldCapacity(field));
}
}  // namespace

void decodeFieldsInto(const char* bytes, FieldSet fields, TSchedaScadenza& card)
{
    for (int i = 0; i < fieldCount; ++i) {
        const Field field = Field(i);
        if (fields.contains(field))
            decodeWindows1252Into(QByteArrayView(bytes + fieldOffset(field) + 1, usedLength(bytes, field)),
                                  card[field]);
    }
}

void decodeRecordInto(const char* bytes, TSchedaScadenza& card) { decodeFieldsInto(bytes, FieldSet::all(), card); }

TSchedaScadenza decodeRecord(const char* bytes)
{
    TSchedaScadenza card;
    decodeRecordInto(bytes, card);
    return card;
}

}  // namespace memora
