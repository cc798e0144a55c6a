// The list report "Riepilogo dati": a title bar, summary lines one per line in
// a monospaced font, and a footer bar with the date of printing, on landscape
// A4 pages.
#pragma once

#include "print/report_template.h"

namespace memora {

// The distance between two printed lines.
constexpr qreal listLineHeight = units(12.822);
// The empty space the data band keeps below its last line.
constexpr qreal listBandSpace = units(10);

ReportTemplate listTemplate();

// Puts the title in txtTitolo and the lines, first to last, in txtRiepilogo,
// then sizes txtRiepilogo to its lines and MasterData to the box and its space.
void fillListTemplate(ReportTemplate& report, const QString& title, const QStringList& lines);

}  // namespace memora
