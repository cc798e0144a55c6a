// Any 1265 bytes read from an archive: decoding never reads outside its
// field, every rule classifies or skips the card without failing, the summary
// line keeps its fixed width and the card survives a write and a read back.
#include "archive/card_record.h"
#include "archive/text_conventions.h"
#include "rules/card_rules.h"
#include "rules/summary_line.h"

#include <QDate>

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace memora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    std::vector<char> bytes(recordSize, '\0');
    std::memcpy(bytes.data(), data + 2, std::min<size_t>(size - 2, recordSize));
    const QDate today = QDate(2014, 3, 10).addDays((data[0] << 8 | data[1]) - 32768);

    const TSchedaScadenza card = decodeRecord(bytes.data());
    for (int i = 0; i < fieldCount; ++i)
        if (card[Field(i)].size() > fieldCapacity(Field(i)))
            std::abort();

    Imminente(card, today);
    ScadutaNonAssolta(card, today);
    DaAssolvere(card);
    Assolta(card);
    DelGiorno(card, today);
    DelMese(card, today);
    if (RigaRiepilogo(card).size() != 141 + trimmed(card.Cel).size())
        std::abort();
    if (ChiaveDataOra(card).size() > 4 + 2 + 2 + 2 + 2)
        std::abort();

    if (!(decodeRecord(encodeRecord(card).constData()) == card))
        std::abort();
    return 0;
}
