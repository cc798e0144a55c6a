// EsportaGriglia: the export button's whole operation, from the question
// before writing to the offer to open the written file.
#pragma once

#include "export/spreadsheet_file.h"

#include <QString>

class QWidget;

namespace memora {

inline const QString MsgEsportaAdesso = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00f2 richiedere diversi minuti a seconda del numero di schede presenti "
    "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString MsgApriFileExcel = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
inline const QString MsgEsportazioneImpossibile = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia "
    "gi\u00e0 aperto.");

// Asks whether to export; writes the grid's rows, in the order shown, to the
// sheet's file beside the executable; on a failure shows the message and
// stops; otherwise offers to open the file with the desktop's program for it.
void EsportaGriglia(QWidget* parent, const SheetRows& grid, const SpreadsheetSheet& sheet);

}  // namespace memora
