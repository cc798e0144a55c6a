// The card rules that decide which cards each list or export shows.
//
// Today is passed in by the caller (from the platform clock), so the rules
// are plain functions of a card and dates.
//
// A card whose due date or notice cannot be read cannot be classified: the
// rules that read them (imminente, scadutaNonAssolta) answer false for it, and
// every scan skips it and goes on with the next card, so one damaged card never
// hides the cards after it.
#pragma once

#include "archive/card_record.h"

#include <QDate>

namespace memora {

// The fields each rule reads, for scans that decode only those (CardFilter).
constexpr FieldSet ImminenteFields = {Field::Data, Field::Avviso, Field::Assolto};
constexpr FieldSet DaAssolvereFields = {Field::Assolto};
constexpr FieldSet ScadutaNonAssoltaFields = {Field::Data, Field::Assolto};
constexpr FieldSet AssoltaFields = {Field::Assolto};
constexpr FieldSet DelGiornoFields = {Field::Data};
constexpr FieldSet DelMeseFields = {Field::Data};

// Due date minus notice days is on or before today, and the flag is "No".
bool Imminente(const TSchedaScadenza& card, QDate today);
// The flag is "No".
bool DaAssolvere(const TSchedaScadenza& card);
// The due date is strictly before today, and the flag is "No".
bool ScadutaNonAssolta(const TSchedaScadenza& card, QDate today);
// The flag is "Sì".
bool Assolta(const TSchedaScadenza& card);
// The trimmed date text equals day's "dd/mm/yyyy".
bool DelGiorno(const TSchedaScadenza& card, QDate day);
// The month and year of the trimmed date text equal those of day.
bool DelMese(const TSchedaScadenza& card, QDate day);

}  // namespace memora
