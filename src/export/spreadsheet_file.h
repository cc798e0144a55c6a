// The spreadsheet file: an HTML table with Office spreadsheet markup in its
// head, one line of Windows-1252 without any line break, written as a stream
// while the grid's rows are read.
//
// The file is the head (the document start, the worksheet name, the header
// row), one data row per grid row, and the close. Grid column 0 holds the row
// numbers and is never written; the file's columns are grid columns 1 to 13,
// and 14 in the filtered views. Sizes for the record: the head is 1661 bytes
// with 13 columns and 1739, 1740 and 1738 with 14 columns and worksheet names
// of 18, 19 and 17 characters; the close is 22 bytes; a data row is 464 bytes
// of markup with 13 columns and 499 with 14, plus its cell texts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class QIODevice;

namespace memora {

// One exported column: its header text and its width attribute in the file.
struct SheetColumn {
    const char* header;
    int width;
};

constexpr int sheetColumnCountMax = 14;
constexpr SheetColumn sheetColumns[sheetColumnCountMax] = {
    {"Data scadenza", 150}, {"Ora", 150},       {"Tipologia", 250},       {"Causale", 400},
    {"Dettagli", 400},      {"Persona o Ditta", 300}, {"Telefono", 200},  {"Cellulare", 200},
    {"E-mail", 250},        {"Luogo", 300},     {"Importo", 200},         {"Impegno assolto", 200},
    {"Note", 400},          {"Codice univoco", 150},
};

// Which file a view writes: its name beside the executable, the worksheet's
// name and the number of exported columns (13 or 14).
struct SpreadsheetSheet {
    QString fileName;
    QString worksheetName;
    int columns;
};

// C0, DEL and C1: none belongs in a cell, and the writers put a blank in
// their place. The five C1 codes that the archive keeps for its unassigned
// bytes would otherwise go out as those very bytes, which a spreadsheet
// reads back as control characters.
constexpr bool isCellControl(char16_t c) { return c < u' ' || (c >= 0x7F && c <= 0x9F); }

// The cell texts a sheet is written from, read row by row as it is written.
// The export grid is one; asking it for a cell copies and allocates nothing,
// so a million rows go out without a text made for each of their cells.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    virtual int sheetRowCount() const = 0;
    // The text shown in a cell of grid column 1 or later; it stays valid
    // until the next call.
    virtual QStringView sheetCell(int row, int column) const = 0;
};

// Writes the whole document to out, reading the rows from grid as it goes
// (grid columns 1 to sheet.columns). Memory stays the same
// whatever the number of rows. Returns false as soon as a write fails.
// A cell's text is written trimmed, "&", "<" and ">" as HTML entities so the
// text reaches the spreadsheet as typed, a control character (C0, DEL or C1)
// left inside the text as a blank so the file stays one clean line, and a
// character outside Windows-1252 as "?".
// REQUIRES: out is open for writing; sheet.columns is 13 or 14.
bool writeSpreadsheet(QIODevice& out, const SpreadsheetSheet& sheet, const SheetRows& grid);

// Writes the document into a new file beside path and puts it in the place of
// any file of that name only once it is whole. False when the file cannot be
// written or put in place; a file of that name is then left as it was, and no
// part of the new one stays behind.
bool writeSpreadsheetFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid);

}  // namespace memora
