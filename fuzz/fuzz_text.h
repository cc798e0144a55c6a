// Texts and checks shared by the fuzz targets.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace memora::fuzz {

// Stops the run with the failed property, so libFuzzer keeps the input.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// A text of up to maxLength characters. Most are Latin-1 (digits, commas,
// blanks and letters are then likely), some are any UTF-16 unit, lone
// surrogates and controls included, as text pasted or read from elsewhere.
inline QString consumeText(FuzzedDataProvider& input, std::size_t maxLength)
{
    const bool wide = input.ConsumeBool();
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    QString text;
    text.reserve(qsizetype(length));
    for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i)
        text += wide ? QChar(input.ConsumeIntegral<char16_t>()) : QChar(input.ConsumeIntegral<unsigned char>());
    return text;
}

// A piece of text, with some of its letters A to Z and a to z swapped in
// case, so that searches for it are likely to hit and to exercise the folding.
inline QString consumeSliceOf(FuzzedDataProvider& input, const QString& text)
{
    const qsizetype from = input.ConsumeIntegralInRange<qsizetype>(0, text.size());
    const qsizetype length = input.ConsumeIntegralInRange<qsizetype>(0, text.size() - from);
    QString slice = text.mid(from, length);
    for (QChar& c : slice)
        if (c.unicode() < 0x80 && c.isLetter() && input.ConsumeBool())
            c = c.isUpper() ? c.toLower() : c.toUpper();
    return slice;
}

}  // namespace memora::fuzz
