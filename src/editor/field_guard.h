// A validator that holds a card field to its capacity and its characters,
// for text the user types, pastes or drops alike.
//
// Text set by the program (a card shown, an amount rewritten) is left as it
// is, as a field's maximum length only limits what the user enters; a save
// cuts such text to the field's capacity.
#pragma once

#include "editor/field_rules.h"

#include <QValidator>

class QLineEdit;

namespace memora {

class FieldGuard : public QValidator {
    Q_OBJECT
public:
    // field: the edit the guard watches, a line edit or a combo's edit.
    FieldGuard(QLineEdit* field, int capacity, CharacterSet characters);

    State validate(QString& input, int& position) const override;

private:
    QLineEdit* m_field;
    int m_capacity;
    CharacterSet m_characters;
    QString m_before;  // the field's text ahead of the change being validated
};

}  // namespace memora
