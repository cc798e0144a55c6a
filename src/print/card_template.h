// The card page "Scheda Scadenza": a title bar, thirteen labelled rows with the
// card's fields and a footer with the date and time of printing, on one
// portrait A4 page.
#pragma once

#include "current_card/current_card.h"
#include "print/report_template.h"

#include <QDate>
#include <QTime>

namespace memora {

ReportTemplate cardTemplate();

// Fills the value boxes with the trimmed texts of the controls ("Sì" or "No"
// for the check box) and txtCalce with the date and time of printing.
void fillCardTemplate(ReportTemplate& report, const CardControls& card, QDate day, QTime time);

}  // namespace memora
