#include "editor/field_guard.h"

namespace memora {

FieldGuard::FieldGuard(int capacity, CharacterSet characters, QObject* parent)
    : QValidator(parent), m_capacity(capacity), m_characters(characters)
{
}

QValidator::State FieldGuard::validate(QString& input, int&) const
{
    return fitsField(input, m_capacity, m_characters) ? Acceptable : Invalid;
}

}  // namespace memora
