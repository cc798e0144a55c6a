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

// The characters of text that the set takes, in their order.
QString allowedCharacters(QStringView text, CharacterSet characters);

// A field's text and its cursor.
struct FieldText {
    QString text;
    int cursor = 0;
    bool operator==(const FieldText& other) const { return text == other.text && cursor == other.cursor; }
};

// What a change the user made to a field (typing, pasting, dropping) leaves
// in it. before is the text ahead of the change, after the text the change
// made, with the cursor just past what it added. The added text keeps only
// the characters the field takes, cut to the room the rest of the text
// leaves below the capacity, as a maximum length cuts a paste; what the
// change kept of the text, and what it deleted, stay as they are.
FieldText guardedEdit(QStringView before, QStringView after, int cursor, int capacity, CharacterSet characters);

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

// The field that Enter in field moves the focus to. The due date has none:
// Enter there opens the date picker.
std::optional<Field> enterChainNext(Field field);

// The hour and minute leave rules: the text stays as it is when, trimmed, it
// is one of the list's entries "00", "01", ... (entryCount of them);
// otherwise the field is emptied.
QString timeOnLeave(const QString& text, int entryCount);
constexpr int hourEntries = 24;
constexpr int minuteEntries = 60;

// The notice days as a save stores them: the digits of the text, so the
// card always holds a whole number of days (or nothing, which the save
// refuses as a missing field).
QString noticeOnSave(QStringView text);

// The e-mail typing rule: blanks and control characters at both ends go.
QString emailAfterTyping(QStringView text);

// The amount leave rule: a comma and exactly two decimals, rounded half up
// on the stored binary value; "0,00" for an empty field and for any text
// that is not digits with at most one comma.
QString amountOnLeave(QStringView text);

}  // namespace memora
