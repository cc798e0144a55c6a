// The four export views as data: which cards each lists, how its grid is
// ordered and which files it writes. The windows and the command line both
// load a view's rows from here, so they always hold the same rows.
#pragma once

#include "archive/card_record.h"
#include "export/spreadsheet_file.h"
#include "rules/card_scan.h"

#include <QDate>
#include <QString>

namespace memora {

class ExportGridModel;

enum class ExportViewKind { Scadenzario, Imminenti, Giornaliere, Mensili };

struct ExportViewDefinition {
    // The export files are this stem with their extension, beside the
    // executable: "Riepilogo_Scadenze" gives Riepilogo_Scadenze.xls.
    QString fileStem;
    QString worksheetName;
    int exportedColumns;                             // grid columns 1 to 13, or 1 to 14
    bool (*belongs)(const TSchedaScadenza&, QDate);  // nullptr: every card, in archive order
    FieldSet reads;                                  // the fields belongs reads
    bool ruleOnChosenDay;                            // else the rule takes today

    // The grid's columns: the row number and the exported ones.
    int gridColumns() const { return exportedColumns + 1; }
    QString fileName(const char* extension) const { return fileStem + QLatin1Char('.') + QLatin1String(extension); }
    // The .xls file the view writes.
    SpreadsheetSheet spreadsheetSheet() const { return {fileName("xls"), worksheetName, exportedColumns}; }
};

const ExportViewDefinition& exportViewDefinition(ExportViewKind kind);

// Fills grid with the view's rows from the archive at path. The imminent view
// takes today, the day and month views chosenDay; the whole-archive view
// takes neither. The result says whether the archive was read in full.
ScanResult loadExportView(ExportGridModel& grid, ExportViewKind kind, const QString& path, QDate today, QDate chosenDay);

}  // namespace memora
