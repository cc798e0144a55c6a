#include "archive/windows1252.h"

#include <array>

namespace memora {

namespace {

// Bytes 0x80 to 0x9F, the only ones that differ from Latin-1.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isUnassigned(char16_t code) { return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D; }

char encodeChar(char16_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF) || isUnassigned(code))
        return char(code);
    for (int i = 0; i < int(high.size()); ++i)
        if (high[i] == code)
            return char(0x80 + i);
    return '?';
}

}  // namespace

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the basic plane is one "?", not one per half.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(c.isSurrogate() ? '?' : encodeChar(c.unicode()));
    }
    return bytes;
}

// Every byte's character, so decoding is one look-up per byte.
constexpr std::array<char16_t, 256> decodeTable = [] {
    std::array<char16_t, 256> table {};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = (byte >= 0x80 && byte < 0xA0) ? high[byte - 0x80] : char16_t(byte);
    return table;
}();

// A scan decodes every field of every record: the size is set only when it
// changes and the bytes are read through plain pointers.
void decodeWindows1252Into(QByteArrayView bytes, QString& text)
{
    const qsizetype size = bytes.size();
    if (text.size() != size)
        text.resize(size);
    if (size == 0)
        return;
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = decodeTable[in[i]];
}

}  // namespace memora
