#include "archive/text_conventions.h"

#include <algorithm>

namespace memora {

namespace {

bool isBlank(QChar c) { return c.unicode() <= 32; }

// The value of one to nine decimal digits, or -1 for any other text. Read
// by hand: every scan reads a date and a notice from each card.
int digitsValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
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
        c = QChar(foldedChar(c.unicode()));
    return folded;
}

// Written digit by digit: the day and month views compare every card's date
// with the chosen day's.
QString formatDate(QDate date)
{
    int year, month, day;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    const char16_t text[] = {
        char16_t(u'0' + day / 10),  char16_t(u'0' + day % 10),          u'/',
        char16_t(u'0' + month / 10), char16_t(u'0' + month % 10),        u'/',
        char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10),
        char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10),
    };
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

std::optional<QDate> parseDate(QStringView text)
{
    const QStringView clean = trimmedView(text);
    const auto firstSlash = std::find(clean.begin(), clean.end(), u'/');
    const auto secondSlash = std::find(firstSlash + (firstSlash != clean.end()), clean.end(), u'/');
    if (secondSlash == clean.end())
        return std::nullopt;
    const qsizetype first = firstSlash - clean.begin();
    const qsizetype second = secondSlash - clean.begin();
    const QStringView day = clean.left(first);
    const QStringView month = clean.mid(first + 1, second - first - 1);
    const QStringView year = clean.mid(second + 1);
    if (day.size() > 2 || month.size() > 2 || year.size() != 4)
        return std::nullopt;
    const int d = digitsValue(day);
    const int m = digitsValue(month);
    const int y = digitsValue(year);
    if (d < 0 || m < 0 || y < 0)
        return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> parseWholeNumber(QStringView text)
{
    const QStringView clean = trimmedView(text);
    const bool negative = clean.startsWith(u'-');
    const int value = digitsValue(negative || clean.startsWith(u'+') ? clean.mid(1) : clean);
    if (value < 0)
        return std::nullopt;
    return negative ? -value : value;
}

}  // namespace memora
