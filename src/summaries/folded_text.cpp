#include "summaries/folded_text.h"

namespace memora {

namespace {

bool matchesAt(QStringView text, qsizetype at, QStringView foldedNeedle)
{
    for (qsizetype k = 1; k < foldedNeedle.size(); ++k)
        if (foldedChar(text[at + k].unicode()) != foldedNeedle[k].unicode())
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
        if (foldedChar(text[at].unicode()) == first && matchesAt(text, at, foldedNeedle))
            return true;
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
