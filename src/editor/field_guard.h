// A validator that holds a card field to its capacity and its characters,
// for typed and pasted text alike.
//
// Text set by the program (a card shown, an amount rewritten) is not
// checked, as a field's maximum length only limits what the user enters;
// a save cuts such text to the field's capacity.
#pragma once

#include "editor/field_rules.h"

#include <QValidator>

namespace memora {

class FieldGuard : public QValidator {
    Q_OBJECT
public:
    FieldGuard(int capacity, CharacterSet characters, QObject* parent);

    int capacity() const { return m_capacity; }
    State validate(QString& input, int& position) const override;

private:
    int m_capacity;
    CharacterSet m_characters;
};

}  // namespace memora
