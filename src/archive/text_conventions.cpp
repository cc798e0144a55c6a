#include "archive/text_conventions.h"

namespace memora {

namespace {

bool isBlank(QChar c) { return c.unicode() <= 32; }

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}  // namespace

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString trimmed(QStringView text) { return trimmedView(text).toString(); }

QString foldAZ(QStringView text)
{
    QString folded = text.toString();
    for (QChar& c : folded)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return folded;
}

QString formatDate(QDate date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

std::optional<QDate> parseDate(QStringView text)
{
    const QStringView clean = trimmedView(text);
    const qsizetype first = clean.indexOf(u'/');
    const qsizetype second = clean.indexOf(u'/', first + 1);
    if (first < 0 || second < 0)
        return std::nullopt;
    const QStringView day = clean.left(first);
    const QStringView month = clean.mid(first + 1, second - first - 1);
    const QStringView year = clean.mid(second + 1);
    if (day.size() > 2 || month.size() > 2 || year.size() != 4)
        return std::nullopt;
    if (!allDigits(day) || !allDigits(month) || !allDigits(year))
        return std::nullopt;
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> parseWholeNumber(QStringView text)
{
    const QStringView clean = trimmedView(text);
    QStringView digits = clean;
    if (digits.startsWith(u'+') || digits.startsWith(u'-'))
        digits = digits.mid(1);
    if (!allDigits(digits) || digits.size() > 9)
        return std::nullopt;
    return clean.toInt();
}

}  // namespace memora
