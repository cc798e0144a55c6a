#include "summaries/folded_text.h"

namespace memora {

namespace {

char16_t folded(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

bool matchesAt(QStringView text, qsizetype at, QStringView foldedNeedle)
{
    for (qsizetype k = 1; k < foldedNeedle.size(); ++k)
        if (folded(text[at + k].unicode()) != foldedNeedle[k].unicode())
            return false;
    return true;
}

}  // namespace

bool containsFolded(QStringView text, QStringView foldedNeedle)
{
    if (foldedNeedle.isEmpty())
        return false;
    const char16_t first = foldedNeedle[0].unicode();
    const qsizetype last = text.size() - foldedNeedle.size();
    for (qsizetype at = 0; at <= last; ++at)
        if (folded(text[at].unicode()) == first && matchesAt(text, at, foldedNeedle))
            return true;
    return false;
}

bool foldedLess(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    for (qsizetype k = 0; k < common; ++k)
        if (x[k] != y[k] && folded(x[k]) != folded(y[k]))
            return folded(x[k]) < folded(y[k]);
    return a.size() < b.size();
}

}  // namespace memora
