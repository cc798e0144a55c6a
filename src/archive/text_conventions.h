// The program's text conventions: trimming, case folding, the date format.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace memora {

// Removes every character with a code up to and including 32 from both ends.
QString trimmed(QStringView text);

// The same as a view into text, without copying.
QStringView trimmedView(QStringView text);

// c with the letters A to Z turned to a to z; no other character changes.
constexpr char16_t foldedChar(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// The text with every character folded so.
QString foldAZ(QStringView text);

// "dd/mm/yyyy".
QString formatDate(QDate date);

// Reads a day/month/year date with "/" between the parts (one or two digits
// for day and month, four for the year), blanks around it allowed.
// Returns nothing when the text is not a valid date.
std::optional<QDate> parseDate(QStringView text);

// Reads a whole number of decimal digits with an optional sign, blanks around
// it allowed. Returns nothing when the text is not one.
std::optional<int> parseWholeNumber(QStringView text);

}  // namespace memora
