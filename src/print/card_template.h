// The card page "Scheda Scadenza": a title bar, thirteen labelled rows with the
// card's fields and a footer with the date and time of printing, on one
// portrait A4 page.
#pragma once

#include "print/report_template.h"

#include <QDate>
#include <QTime>

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

ReportTemplate cardTemplate();

// Fills the value boxes with the trimmed texts of the controls ("Sì" or "No"
// for the check box) and txtCalce with the date and time of printing.
void fillCardTemplate(ReportTemplate& report, const CardControls& card, QDate day, QTime time);

}  // namespace memora
