// The entry rules of the card fields: key filters, the Enter chain and the
// rules applied when a field is left, as plain functions of texts and keys.
//
// The card editor binds each rule to its control; none of them shows a
// message: a wrong entry is refused silently or corrected. Keys are Qt key
// codes with the text the key types.
#pragma once

#include "archive/card_record.h"

#include <QString>
#include <QStringView>
#include <Qt>

#include <optional>

namespace memora {

// The characters a field takes, typed or pasted.
enum class CharacterSet { Any, Digits, DigitsAndComma };

// True when text may stand in a field of this capacity and character set.
// Text that reaches a field by other means than typing or pasting is not
// checked here; a save cuts it to the capacity.
bool fitsField(QStringView text, int capacity, CharacterSet characters);

// Backspace, Delete, Left and Right: they always act in the filtered fields.
bool isEditingKey(int key);

// The notice days take the editing keys and the digits.
bool noticeKeyAccepted(int key, QStringView typed);
// The amount takes the editing keys, the digits and the comma.
bool amountKeyAccepted(int key, QStringView typed);

// Tab and Shift+Tab move through the window whatever a field's rule says.
bool isTabKey(int key);
// Shift, Control, Alt and the like, pressed alone.
bool isModifierKey(int key);

// What a key does in the read-only due-date field.
enum class DateFieldKey { Empties, OpensPicker, Ignored };
DateFieldKey dateFieldKey(int key);

// The hour and minute combos refuse every key except those that open their
// drop-down list (F4, Alt+Down, Alt+Up), so the list can be reached without
// a mouse.
bool opensDropDown(int key, Qt::KeyboardModifiers modifiers);

bool isEnterKey(int key);
// The field that Enter in field moves the focus to. The due date has none:
// Enter there opens the date picker.
std::optional<Field> enterChainNext(Field field);

// The hour and minute leave rules: the text stays as it is when, trimmed, it
// is one of the list's entries "00", "01", ... (entryCount of them);
// otherwise the field is emptied.
QString timeOnLeave(const QString& text, int entryCount);
constexpr int hourEntries = 24;
constexpr int minuteEntries = 60;

// The e-mail typing rule: blanks and control characters at both ends go.
QString emailAfterTyping(QStringView text);

// The amount leave rule: a comma and exactly two decimals, rounded half up
// on the stored binary value; "0,00" for an empty field and for any text
// that is not digits with at most one comma.
QString amountOnLeave(QStringView text);

}  // namespace memora
