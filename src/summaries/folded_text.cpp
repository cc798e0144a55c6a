#include "summaries/folded_text.h"

#include "archive/text_conventions.h"

#include <algorithm>

namespace memora {

namespace {

bool matchesAt(QStringView text, qsizetype at, QStringView foldedNeedle)
{
    for (qsizetype k = 0; k < foldedNeedle.size(); ++k)
        if (foldedChar(text[at + k].unicode()) != foldedNeedle[k].unicode())
            return false;
    return true;
}

}  // namespace

FoldedNeedle::FoldedNeedle(const QString& foldedNeedle) : m_needle(foldedNeedle)
{
    const qsizetype size = m_needle.size();
    m_skip.fill(std::uint8_t(std::min<qsizetype>(size, 255)));
    for (qsizetype k = 0; k + 1 < size; ++k)
        m_skip[m_needle[k].unicode() & 0xFF] = std::uint8_t(std::min<qsizetype>(size - 1 - k, 255));
}

bool FoldedNeedle::occursIn(QStringView text) const
{
    const qsizetype size = m_needle.size();
    if (size == 0)
        return false;
    const char16_t last = m_needle[size - 1].unicode();
    for (qsizetype at = 0; at + size <= text.size();) {
        const char16_t under = foldedChar(text[at + size - 1].unicode());
        if (under == last && matchesAt(text, at, m_needle))
            return true;
        at += m_skip[under & 0xFF];
    }
    return false;
}

bool foldedLess(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    for (qsizetype k = 0; k < common; ++k)
        if (x[k] != y[k] && foldedChar(x[k]) != foldedChar(y[k]))
            return foldedChar(x[k]) < foldedChar(y[k]);
    return a.size() < b.size();
}

}  // namespace memora
