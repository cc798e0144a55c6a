// The current card: the card the card editor shows, as the other windows see it.
//
// The card being worked on lives only in the editor's controls. The windows
// the editor opens work on it through this interface alone: the summaries and
// the search write a chosen card into it, the date picker its due date, the
// print windows read it. So none of them depends on the editor, and each is
// tested against a fake.
#pragma once

#include "archive/card_record.h"

#include <QString>

namespace memora {

// The card as the editor's controls show it, saved or not.
struct CardControls {
    QString txtData;
    QString txtOreApp;
    QString txtMinutiApp;
    QString txtTipologia;
    QString txtCausale;
    QString txtDettagli;
    QString txtContatto;
    QString txtTel;
    QString txtCel;
    QString txtEmail;
    QString txtLuogo;
    QString txtImporto;
    QString txtNote;
    bool chkOttemperata = false;
};

class CurrentCard {
public:
    virtual ~CurrentCard() = default;
    // The texts of the card controls and the state of the check box, as they
    // stand now.
    virtual CardControls cardControls() const = 0;
    // Writes card, each field trimmed, into the controls, with its number.
    virtual void CaricaScheda(const TSchedaScadenza& card, int cardNumber) = 0;
    // Replaces the due date with date, written "dd/mm/yyyy".
    virtual void setDueDate(const QString& date) = 0;
};

}  // namespace memora
