// The card record TSchedaScadenza and its fixed 1265-byte layout in the archive file.
//
// A record is sixteen fields, each one length byte followed by as many
// character bytes as the field's capacity, with no gaps. Text is one byte per
// character in Windows-1252. The layout is written up in docs/archive-format.md.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace memora {

enum class Field {
    Data, OreApp, MinutiApp, Ora, Avviso, Tipologia, Causale, Dettagli,
    Contatto, Tel, Cel, Email, Luogo, Importo, Note, Assolto,
};
constexpr int fieldCount = 16;

struct FieldLayout {
    int capacity;  // characters
    int offset;    // byte offset of the length byte within the record
};

constexpr std::array<int, fieldCount> fieldCapacities = {
    10, 2, 2, 5, 3, 50, 250, 250, 50, 30, 30, 50, 250, 15, 250, 2,
};

constexpr int fieldCapacity(Field field) { return fieldCapacities[static_cast<int>(field)]; }

// The byte offset of each field's length byte, worked out once at compile
// time: a scan looks them up for every field of every record.
constexpr std::array<int, fieldCount> fieldOffsets = [] {
    std::array<int, fieldCount> offsets {};
    for (int i = 1; i < fieldCount; ++i)
        offsets[i] = offsets[i - 1] + 1 + fieldCapacities[i - 1];
    return offsets;
}();

constexpr int fieldOffset(Field field) { return fieldOffsets[static_cast<int>(field)]; }

constexpr int recordSize = fieldOffset(Field::Assolto) + 1 + fieldCapacity(Field::Assolto);
static_assert(recordSize == 1265, "a card record is 1265 bytes");
static_assert(fieldOffset(Field::Causale) == 78);
static_assert(fieldOffset(Field::Importo) == 995);
static_assert(fieldOffset(Field::Assolto) == 1262);

// The fulfilled flag's two values.
inline const QString flagFulfilled = QStringLiteral("S\u00ec");
inline const QString flagPending = QStringLiteral("No");

// The amount of a card for which none was entered.
inline const QString zeroAmount = QStringLiteral("0,00");

// Some of a record's fields: a scan decodes the few fields a rule reads and
// the rest of a card only when the rule keeps it.
class FieldSet {
public:
    constexpr FieldSet() = default;
    constexpr FieldSet(std::initializer_list<Field> fields)
    {
        for (const Field field : fields)
            m_bits |= bit(field);
    }
    static constexpr FieldSet all() { return FieldSet((1u << fieldCount) - 1); }

    constexpr bool contains(Field field) const { return (m_bits & bit(field)) != 0; }
    constexpr FieldSet operator|(FieldSet other) const { return FieldSet(m_bits | other.m_bits); }
    // The fields of this set that are not in other.
    constexpr FieldSet operator-(FieldSet other) const { return FieldSet(m_bits & ~other.m_bits); }
    constexpr bool operator==(FieldSet other) const { return m_bits == other.m_bits; }

private:
    constexpr explicit FieldSet(std::uint32_t bits) : m_bits(bits) {}
    static constexpr std::uint32_t bit(Field field) { return 1u << static_cast<int>(field); }

    std::uint32_t m_bits = 0;
};

// One card as text, the names as the archive gives them.
struct TSchedaScadenza {
    QString Data, OreApp, MinutiApp, Ora, Avviso, Tipologia, Causale, Dettagli;
    QString Contatto, Tel, Cel, Email, Luogo, Importo, Note, Assolto;

    QString& operator[](Field field);
    const QString& operator[](Field field) const;
    bool operator==(const TSchedaScadenza& other) const;
};

// Encodes every field in Windows-1252, cut to its capacity. The bytes after a
// field's used length are zeros.
QByteArray encodeRecord(const TSchedaScadenza& card);

// REQUIRES: bytes points at recordSize bytes.
// A length byte larger than its field's capacity is read as the capacity.
TSchedaScadenza decodeRecord(const char* bytes);

// The same, into a card whose texts keep their storage from record to record,
// so a scan of many records allocates nothing per record.
void decodeRecordInto(const char* bytes, TSchedaScadenza& card);

// Decodes only the fields in fields into card, reusing their storage; every
// other field of card keeps the text it held.
// REQUIRES: bytes points at recordSize bytes.
void decodeFieldsInto(const char* bytes, FieldSet fields, TSchedaScadenza& card);

}  // namespace memora
