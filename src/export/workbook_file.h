// The workbook file: an Office Open XML spreadsheet in which the cells carry
// their types, written row by row while the grid is read.
//
// The worksheet holds the same columns as the .xls file (grid columns 1 to 13
// or 14, headed as in sheetColumns). "Data scadenza" is a date shown
// dd/mm/yyyy, "Ora" a time shown hh:mm and "Importo" a number with two
// decimals and a thousands separator, whenever their text reads as one; every
// other cell, and a cell of those columns that does not read, is its text as
// the grid shows it, trimmed, so telephones keep their leading zeros. The
// header row is bold on a tinted fill, frozen, and carries an autofilter over
// every row. A view with more rows than one worksheet takes goes on in
// further worksheets with the same header, named "<name> (2)", "<name> (3)".
#pragma once

#include "export/spreadsheet_file.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace memora {

// The rows one worksheet can take, its header row included.
constexpr int workbookSheetRowsMax = 1048576;

// Writes the workbook of the grid's rows, in the order shown, to path
// (sheet.fileName is not used: path is where it goes), named after
// sheet.worksheetName, with the program as its author. The file is written
// under a temporary name beside path and takes its name only when whole: on a
// failure nothing new is left under either name, an existing file at path
// stays as it was, and the result is false.
// REQUIRES: sheet.columns is 13 or 14.
bool writeWorkbookFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid);

// The same with at most sheetRows rows a worksheet, its header included.
// REQUIRES: 2 <= sheetRows <= workbookSheetRowsMax.
bool writeWorkbookFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid, int sheetRows);

// An amount written the Italian way: digits, a comma before the decimals,
// dots between groups of three digits or none ("1.250,50" and "1250,50" are
// 1250.5), a minus sign allowed, blanks around it allowed. Nothing for any
// other text, and for more than fifteen digits, which a number in a
// spreadsheet does not hold exactly.
std::optional<double> parseItalianAmount(QStringView text);

// A time of day "hh:mm" (one or two digits for the hour), blanks around it
// allowed. Nothing when the text is not a valid time.
std::optional<QTime> parseClockTime(QStringView text);

// A date the workbook holds as a date: a valid dd/mm/yyyy text from
// 01/03/1900 on. Before it, spreadsheet programs disagree on the day a date
// number stands for (one of them counts a 29 February 1900), so such a date
// stays text.
std::optional<QDate> parseSheetDate(QStringView text);

}  // namespace memora
