#include "editor/field_guard.h"

#include <QLineEdit>

namespace memora {

FieldGuard::FieldGuard(QLineEdit* field, int capacity, CharacterSet characters)
    : QValidator(field), m_field(field), m_capacity(capacity), m_characters(characters), m_before(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State FieldGuard::validate(QString& input, int& position) const
{
    // setText clears the field's undo history before its text is validated,
    // while every change the user makes is recorded in it: a field with
    // nothing to undo is taking text from the program.
    if (!m_field->isUndoAvailable())
        return Acceptable;
    const FieldText guarded = guardedEdit(m_before, input, position, m_capacity, m_characters);
    if (guarded.text != input) {
        input = guarded.text;
        position = guarded.cursor;
    }
    return Acceptable;
}

}  // namespace memora
