// The amount leave rule over any text the field can be left with, typed or
// pasted: the result is always digits, a comma and two decimals; a text that
// is not digits with at most one comma gives "0,00"; an amount the field can
// hold comes back as the same number, rounded to the cent and no further, and
// leaving the field again changes nothing.
#include "editor/field_rules.h"
#include "fuzz_text.h"

#include <QRegularExpression>

#include <cmath>

using namespace memora;
using memora::fuzz::require;

namespace {

bool isDigits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The whole part without its leading zeros, "0" when nothing is left.
QString wholeDigits(QStringView whole)
{
    qsizetype first = 0;
    while (first < whole.size() && whole[first] == u'0')
        ++first;
    return first == whole.size() ? QStringLiteral("0") : whole.mid(first).toString();
}

// Blanks in the sense of the leave rule: every code up to 32.
QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= 32)
        text = text.mid(1);
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString text = memora::fuzz::consumeText(input, 40);
    const QString amount = amountOnLeave(text);

    static const QRegularExpression shape(QStringLiteral("^[0-9]+,[0-9][0-9]$"));
    require(shape.match(amount).hasMatch(), "digits, a comma and two decimals");

    const QStringView clean = withoutBlanks(text);
    const qsizetype comma = clean.indexOf(u',');
    const QStringView whole = comma < 0 ? clean : clean.left(comma);
    const QStringView fraction = comma < 0 ? QStringView() : clean.mid(comma + 1);
    const bool number = !clean.isEmpty() && isDigits(whole) && isDigits(fraction) && clean.size() > (comma < 0 ? 0 : 1);
    if (!number) {
        require(amount == QStringLiteral("0,00"), "a text that is no amount gives 0,00");
        return 0;
    }
    const QString digits = wholeDigits(whole);
    if (digits.size() > 13)
        return 0;  // beyond the cents a double can carry; the shape holds all the same
    if (fraction.size() <= 2) {
        const QString cents = (fraction.toString() + QStringLiteral("00")).left(2);
        require(amount == digits + u',' + cents, "an amount in cents comes back unchanged");
    }
    const double typed = (digits + u'.' + fraction.toString() + u'0').toDouble();
    const double left = QString(amount).replace(u',', u'.').toDouble();
    require(std::fabs(left - typed) <= 0.005 + 1e-12 * std::fmax(1.0, typed), "rounded to the nearest cent");
    require(amountOnLeave(amount) == amount, "leaving the field again changes nothing");
    return 0;
}
