// The export buttons' whole operation, from the question before writing to
// the offer to open the written file; EsportaGriglia is the one of the .xls
// file, and every other file a view writes goes the same way.
#pragma once

#include "export/spreadsheet_file.h"

#include <QString>

#include <functional>

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

// Asks whether to export; writes the file fileName beside the executable
// with write, which is given its path and returns false when it failed; on a
// failure shows the message and stops; otherwise offers to open the file with
// the desktop's program for it.
void exportViewFile(QWidget* parent, const QString& fileName, const std::function<bool(const QString& path)>& write);

// Asks whether to export; writes the grid's rows, in the order shown, to the
// sheet's file beside the executable; on a failure shows the message and
// stops; otherwise offers to open the file with the desktop's program for it.
void EsportaGriglia(QWidget* parent, const SheetRows& grid, const SpreadsheetSheet& sheet);

}  // namespace memora
