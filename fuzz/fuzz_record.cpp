// Any 1265 bytes read from an archive: decoding never reads outside its
// field, every rule classifies or skips the card without failing and the
// rules agree with each other, the summary line keeps its fixed width, the
// date-time key its digits, and the card survives a write and a read back.
#include "archive/card_record.h"
#include "archive/text_conventions.h"
#include "fuzz_text.h"
#include "rules/card_rules.h"
#include "rules/summary_line.h"

#include <QDate>

#include <cstring>
#include <vector>

using namespace memora;
using memora::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    std::vector<char> bytes(recordSize, '\0');
    std::memcpy(bytes.data(), data + 2, std::min<size_t>(size - 2, recordSize));
    const QDate today = QDate(2014, 3, 10).addDays((data[0] << 8 | data[1]) - 32768);

    const TSchedaScadenza card = decodeRecord(bytes.data());
    for (int i = 0; i < fieldCount; ++i)
        require(card[Field(i)].size() <= fieldCapacity(Field(i)), "a field holds at most its capacity");

    const bool imminent = Imminente(card, today);
    const bool pending = DaAssolvere(card);
    const bool fulfilled = Assolta(card);
    require(!(pending && fulfilled), "fulfilled and pending exclude each other");
    require(!imminent || pending, "an imminent card is pending");
    const bool expired = ScadutaNonAssolta(card, today);
    require(!expired || pending, "an expired card is pending");
    const std::optional<int> notice = parseWholeNumber(card.Avviso);
    if (expired && notice && *notice >= 0)
        require(imminent, "an expired card with a notice is imminent");

    const std::optional<QDate> due = parseDate(card.Data);
    if (due && formatDate(*due) == trimmed(card.Data))
        require(DelGiorno(card, *due) && DelMese(card, *due), "a card belongs to its own day and month");
    if (!DelMese(card, today))
        require(!DelGiorno(card, today), "a card of the day is one of the month");

    const QString line = RigaRiepilogo(card);
    require(line.size() == 141 + trimmed(card.Cel).size(), "the summary line is 141 characters and the mobile");
    require(line.startsWith(QStringLiteral("Data: ")) && line.mid(16, 7) == QStringLiteral("  Ora: "),
            "the summary line's columns stay in place");
    const QString key = ChiaveDataOra(card);
    require(key.size() <= 4 + 2 + 2 + 2 + 2, "the date-time key is at most yyyymmddhhmm");
    if (due && formatDate(*due) == trimmed(card.Data))
        require(key.startsWith(due->toString(QStringLiteral("yyyyMMdd"))), "the key starts with the date");

    require(decodeRecord(encodeRecord(card).constData()) == card, "a card survives a write and a read back");
    return 0;
}
