#include "editor/field_rules.h"

#include "archive/text_conventions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace memora {

namespace {

// The rounding needs d * 100 + 0.5 exact for every double d of an amount:
// 53 bits of d times the 7 bits of 100, plus the half, fit in 64 bits.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the amount rounding needs a mantissa of at least 64 bits");

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool digitOrComma(QChar c) { return isDigit(c) || c == u','; }

bool takes(CharacterSet characters, QChar c)
{
    switch (characters) {
    case CharacterSet::Digits: return isDigit(c);
    case CharacterSet::DigitsAndComma: return digitOrComma(c);
    case CharacterSet::Any: return true;
    }
    return true;
}

// A key that types one character of the set.
bool typesOne(QStringView typed, CharacterSet characters)
{
    return typed.size() == 1 && takes(characters, typed.front());
}

// Digits with at most one comma, which may stand first or last, and at least
// one digit.
std::optional<double> readAmount(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    const QStringView whole = comma < 0 ? text : text.left(comma);
    const QStringView fraction = comma < 0 ? QStringView() : text.mid(comma + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    for (QStringView part : {whole, fraction})
        for (QChar c : part)
            if (!isDigit(c))
                return std::nullopt;
    const QString decimal = (whole.isEmpty() ? QStringLiteral("0") : whole.toString()) + u'.'
                            + (fraction.isEmpty() ? QStringLiteral("0") : fraction.toString());
    bool ok = false;
    const double value = decimal.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// d * 100 + 0.5 in the long mantissa, cut toward zero, divided by 100 and
// kept as a double.
double roundToCents(double d)
{
    const long double cents = std::trunc(static_cast<long double>(d) * 100.0L + 0.5L);
    return static_cast<double>(cents / 100.0L);
}

// Shortest form with at most 15 significant digits and no exponent. Amounts
// that fit the field never reach 1e15; larger ones keep every digit.
QString formatAmount(double value)
{
    QString text = QString::number(value, 'g', 15);
    if (text.contains(u'e'))
        text = QString::number(value, 'f', 2);
    text.replace(u'.', u',');
    return text;
}

// The lengths of the longest common start and of the longest common end of two texts.
qsizetype commonStart(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

qsizetype commonEnd(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

}  // namespace

QString allowedCharacters(QStringView text, CharacterSet characters)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (takes(characters, c))
            kept += c;
    return kept;
}

FieldText guardedEdit(QStringView before, QStringView after, int cursor, int capacity, CharacterSet characters)
{
    // What follows the cursor is the end of the text the change kept; where
    // the cursor says otherwise (an undo), the common end is taken instead.
    qsizetype end = after.size() - cursor;
    if (cursor < 0 || end < 0 || end > before.size() || !before.endsWith(after.right(end)))
        end = commonEnd(before, after);
    const qsizetype start = commonStart(before.chopped(end), after.chopped(end));
    const qsizetype kept = start + end;
    const qsizetype room = std::max<qsizetype>(0, capacity - kept);
    const QString added = allowedCharacters(after.mid(start, after.size() - kept), characters).left(room);
    return {after.left(start).toString() + added + after.right(end).toString(), int(start + added.size())};
}

bool isEditingKey(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool noticeKeyAccepted(int key, QStringView typed)
{
    return isEditingKey(key) || typesOne(typed, CharacterSet::Digits);
}

bool amountKeyAccepted(int key, QStringView typed)
{
    return isEditingKey(key) || typesOne(typed, CharacterSet::DigitsAndComma);
}

bool isTabKey(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock: return true;
    default: return false;
    }
}

DateFieldKey dateFieldKey(int key)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return DateFieldKey::Empties;
    if (isTabKey(key) || isModifierKey(key))
        return DateFieldKey::Ignored;
    return DateFieldKey::OpensPicker;
}

bool opensDropDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F4)
        return true;
    return (key == Qt::Key_Down || key == Qt::Key_Up) && modifiers.testFlag(Qt::AltModifier);
}

std::optional<Field> enterChainNext(Field field)
{
    switch (field) {
    case Field::OreApp: return Field::MinutiApp;
    case Field::MinutiApp: return Field::Avviso;
    case Field::Avviso: return Field::Tipologia;
    case Field::Tipologia: return Field::Causale;
    case Field::Causale: return Field::Dettagli;
    case Field::Dettagli: return Field::Contatto;
    case Field::Contatto: return Field::Tel;
    case Field::Tel: return Field::Cel;
    case Field::Cel: return Field::Email;
    case Field::Email: return Field::Luogo;
    case Field::Luogo: return Field::Importo;
    case Field::Importo: return Field::Note;
    case Field::Note: return Field::Data;
    default: return std::nullopt;
    }
}

QString timeOnLeave(const QString& text, int entryCount)
{
    const QStringView clean = trimmedView(text);
    const bool entry = clean.size() == 2 && isDigit(clean[0]) && isDigit(clean[1]) && clean.toInt() < entryCount;
    return entry ? text : QString();
}

QString noticeOnSave(QStringView text) { return allowedCharacters(text, CharacterSet::Digits); }

QString emailAfterTyping(QStringView text) { return trimmed(text); }

QString amountOnLeave(QStringView text)
{
    const QStringView clean = trimmedView(text);
    if (clean.isEmpty())
        return zeroAmount;
    const std::optional<double> value = readAmount(clean);
    if (!value)
        return zeroAmount;
    QString amount = formatAmount(roundToCents(*value));
    if (!amount.contains(u','))
        amount += QStringLiteral(",00");
    if (amount.size() >= 2 && amount[amount.size() - 2] == u',')
        amount += u'0';
    return amount;
}

}  // namespace memora
