// RigaRiepilogo, the fixed-width one-line rendering of a card, and
// ChiaveDataOra, the yyyymmddhhmm key that orders the filtered grids.
#pragma once

#include "archive/card_record.h"

#include <QString>

namespace memora {

// "Data: " date(10) "  Ora: " time(5) "  Causale: " reason(54)
// "  Contatto: " contact(30) " Cel. " mobile: 141 characters and the mobile.
QString RigaRiepilogo(const TSchedaScadenza& card);
// The length of RigaRiepilogo(card), and the line written at out, for lists
// that keep their lines elsewhere than in a QString of their own. Returns the
// end of what was written.
qsizetype rigaRiepilogoLength(const TSchedaScadenza& card);
QChar* writeRigaRiepilogo(const TSchedaScadenza& card, QChar* out);
// The fields RigaRiepilogo reads.
constexpr FieldSet RigaRiepilogoFields = {Field::Data, Field::Ora, Field::Causale, Field::Contatto, Field::Cel};

// Year, month and day of the trimmed date text, then the trimmed hour and
// minutes; a position beyond the end of a text contributes nothing.
QString ChiaveDataOra(const TSchedaScadenza& card);

}  // namespace memora
