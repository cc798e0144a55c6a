#include "export/workbook_file.h"

#include "archive/text_conventions.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

namespace memora {

namespace {

enum class CellKind { Text, Date, Time, Amount };

// What an exported column's cells hold, and its width in characters: room
// for its usual content, and for its header beside the filter's button.
struct WorkbookColumn {
    CellKind kind;
    double width;
};

constexpr WorkbookColumn workbookColumns[sheetColumnCountMax] = {
    {CellKind::Date, 16},    // Data scadenza
    {CellKind::Time, 8},     // Ora
    {CellKind::Text, 22},    // Tipologia
    {CellKind::Text, 34},    // Causale
    {CellKind::Text, 34},    // Dettagli
    {CellKind::Text, 28},    // Persona o Ditta
    {CellKind::Text, 16},    // Telefono
    {CellKind::Text, 16},    // Cellulare
    {CellKind::Text, 28},    // E-mail
    {CellKind::Text, 22},    // Luogo
    {CellKind::Amount, 15},  // Importo
    {CellKind::Text, 18},    // Impegno assolto
    {CellKind::Text, 34},    // Note
    {CellKind::Text, 17},    // Codice univoco
};

// The most characters a cell holds; a longer text, which only typing into
// the grid can make, is cut there.
constexpr qsizetype cellTextMax = 32767;

constexpr lxw_color_t headerFill = 0xE2EFDA;  // a light tint of the export's green

const char* const author = "Memora";

bool isDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The digits of an amount's whole part, written with dots between groups of
// three digits or without them; empty when it is neither.
QString wholeDigits(QStringView whole)
{
    if (isDigits(whole))
        return whole.toString();
    const QList<QStringView> groups = whole.split(u'.');
    if (groups.size() < 2 || groups.front().size() > 3 || !isDigits(groups.front()))
        return {};
    QString digits;
    for (qsizetype k = 0; k < groups.size(); ++k) {
        if (!isDigits(groups[k]) || (k > 0 && groups[k].size() != 3))
            return {};
        digits += groups[k];
    }
    return digits;
}

// The control characters, and the two codes that XML cannot carry at all.
bool unfitForCell(QChar c) { return isCellControl(c.unicode()) || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF; }

// A text cell's UTF-8: trimmed, no longer than a cell holds, and every
// character unfit for a cell written as a blank.
QByteArray cellText(QStringView text)
{
    QStringView clean = trimmedView(text);
    if (clean.size() > cellTextMax)
        clean = clean.left(clean[cellTextMax - 1].isHighSurrogate() ? cellTextMax - 1 : cellTextMax);
    if (std::none_of(clean.begin(), clean.end(), unfitForCell))
        return clean.toUtf8();
    QString copy = clean.toString();
    std::replace_if(copy.begin(), copy.end(), unfitForCell, QChar(u' '));
    return copy.toUtf8();
}

struct Formats {
    lxw_format* header;
    lxw_format* text;
    lxw_format* date;
    lxw_format* time;
    lxw_format* amount;

    lxw_format* of(CellKind kind) const
    {
        switch (kind) {
        case CellKind::Date: return date;
        case CellKind::Time: return time;
        case CellKind::Amount: return amount;
        case CellKind::Text: break;
        }
        return text;
    }
};

lxw_format* numberFormat(lxw_workbook* book, const char* format)
{
    lxw_format* added = workbook_add_format(book);
    format_set_num_format(added, format);
    return added;
}

Formats addFormats(lxw_workbook* book)
{
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    format_set_bg_color(header, headerFill);
    format_set_bottom(header, LXW_BORDER_THIN);
    return {header, numberFormat(book, "@"), numberFormat(book, "dd/mm/yyyy"), numberFormat(book, "hh:mm"),
            numberFormat(book, "#,##0.00")};
}

bool setProperties(lxw_workbook* book, const SpreadsheetSheet& sheet)
{
    QByteArray title = sheet.worksheetName.toUtf8();
    QByteArray creator(author);
    lxw_doc_properties properties = {};
    properties.title = title.data();
    properties.author = creator.data();
    return workbook_set_properties(book, &properties) == LXW_NO_ERROR;  // the library keeps copies
}

// A date, a time or an amount as its value when its text reads as one;
// otherwise, and in every other column, the text.
lxw_error writeCell(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t column, CellKind kind, QStringView text,
                    const Formats& formats)
{
    switch (kind) {
    case CellKind::Date:
        if (const std::optional<QDate> date = parseSheetDate(text)) {
            lxw_datetime value = {date->year(), date->month(), date->day(), 0, 0, 0};
            return worksheet_write_datetime(worksheet, row, column, &value, formats.date);
        }
        break;
    case CellKind::Time:
        if (const std::optional<QTime> time = parseClockTime(text)) {
            lxw_datetime value = {0, 0, 0, time->hour(), time->minute(), 0};
            return worksheet_write_datetime(worksheet, row, column, &value, formats.time);
        }
        break;
    case CellKind::Amount:
        if (const std::optional<double> amount = parseItalianAmount(text))
            return worksheet_write_number(worksheet, row, column, *amount, formats.amount);
        break;
    case CellKind::Text: break;
    }
    // An empty text leaves the cell out: it takes its column's format when
    // the user types into it.
    const QByteArray utf8 = cellText(text);
    if (utf8.isEmpty())
        return LXW_NO_ERROR;
    return worksheet_write_string(worksheet, row, column, utf8.constData(), formats.text);
}

// The library keeps a worksheet's rows in a temporary file and does not check
// its writes there: on a full disk it would close the workbook with the rows
// cut short and report no error. So the row it still holds is sent out, the
// file flushed, and its error state asked here.
bool rowsStored(lxw_worksheet* worksheet)
{
    lxw_worksheet_write_single_row(worksheet);
    return std::fflush(worksheet->optimize_tmpfile) == 0 && !std::ferror(worksheet->optimize_tmpfile);
}

QString worksheetName(const SpreadsheetSheet& sheet, int number)
{
    return number == 1 ? sheet.worksheetName : QStringLiteral("%1 (%2)").arg(sheet.worksheetName).arg(number);
}

// A worksheet of rows first to first + count - 1 of the grid under the
// header. The library writes a row out when the next one starts, so the rows
// go in order, each from left to right.
bool writeWorksheet(lxw_workbook* book, const Formats& formats, const QString& name, const SpreadsheetSheet& sheet,
                    const SheetRows& grid, int first, int count)
{
    lxw_worksheet* worksheet = workbook_add_worksheet(book, name.toUtf8().constData());
    if (!worksheet)
        return false;
    const auto lastColumn = lxw_col_t(sheet.columns - 1);
    for (lxw_col_t column = 0; column <= lastColumn; ++column)
        worksheet_set_column(worksheet, column, column, workbookColumns[column].width,
                             formats.of(workbookColumns[column].kind));
    worksheet_freeze_panes(worksheet, 1, 0);
    // Over the data rows too: over the header alone some programs filter nothing.
    if (worksheet_autofilter(worksheet, 0, 0, lxw_row_t(count), lastColumn) != LXW_NO_ERROR)
        return false;
    for (lxw_col_t column = 0; column <= lastColumn; ++column)
        if (worksheet_write_string(worksheet, 0, column, sheetColumns[column].header, formats.header) != LXW_NO_ERROR)
            return false;
    for (int k = 0; k < count; ++k)
        for (lxw_col_t column = 0; column <= lastColumn; ++column)
            if (writeCell(worksheet, lxw_row_t(k + 1), column, workbookColumns[column].kind,
                          grid.sheetCell(first + k, int(column) + 1), formats)
                != LXW_NO_ERROR)
                return false;
    return rowsStored(worksheet);
}

// Whether the workbook could pass the 4 GiB that a zip file and its entries
// hold without the ZIP64 extensions: the most bytes each cell's XML can take,
// its markup and every character of its text escaped at its longest, added up
// over the whole grid. Only hundreds of thousands of long rows come near;
// older spreadsheet programs open a file with the extensions less readily, so
// they are used only then.
bool needsZip64(const SheetRows& grid, int columns)
{
    constexpr qint64 entryMax = 0xFFFFFFFFLL;
    constexpr qint64 rowMarkup = 48;
    constexpr qint64 cellMarkup = 64;
    constexpr qint64 bytesPerCharacter = 6;
    qint64 bytes = 0;
    for (int row = 0; row < grid.sheetRowCount(); ++row) {
        bytes += rowMarkup;
        for (int column = 1; column <= columns; ++column)
            bytes += cellMarkup + bytesPerCharacter * grid.sheetCell(row, column).size();
    }
    return bytes > entryMax;
}

// The whole workbook at path, as many worksheets as the rows need and one at
// least. The library keeps each worksheet's rows in a temporary file until it
// closes; those files go beside path, so that a disk too full for them is
// too full for the workbook too, and its failure is seen.
bool writeWorkbook(const QByteArray& path, const SpreadsheetSheet& sheet, const SheetRows& grid, int sheetRows)
{
    QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    options.use_zip64 = needsZip64(grid, sheet.columns) ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return false;
    bool written = setProperties(book, sheet);
    const Formats formats = addFormats(book);
    const qint64 rows = grid.sheetRowCount();
    const qint64 rowsPerSheet = sheetRows - 1;
    const qint64 sheets = std::max<qint64>(1, (rows + rowsPerSheet - 1) / rowsPerSheet);
    for (qint64 k = 0; k < sheets && written; ++k) {
        const qint64 first = k * rowsPerSheet;
        written = writeWorksheet(book, formats, worksheetName(sheet, int(k) + 1), sheet, grid, int(first),
                                 int(std::min(rowsPerSheet, rows - first)));
    }
    return workbook_close(book) == LXW_NO_ERROR && written;
}

// A temporary file is readable by its owner alone; the workbook gets the
// permissions every new file of the user gets.
void giveUsualPermissions(const QByteArray& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(path.constData(), 0666 & ~mask);
}

}  // namespace

bool writeWorkbookFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid)
{
    return writeWorkbookFile(path, sheet, grid, workbookSheetRowsMax);
}

bool writeWorkbookFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid, int sheetRows)
{
    // A name of its own beside path, removed with this object unless the
    // workbook has taken path's name by then.
    QTemporaryFile part(path + QStringLiteral(".XXXXXX"));
    if (!part.open())
        return false;
    part.close();
    const QByteArray partPath = QFile::encodeName(part.fileName());
    if (!writeWorkbook(partPath, sheet, grid, sheetRows))
        return false;
    giveUsualPermissions(partPath);
    return std::rename(partPath.constData(), QFile::encodeName(path).constData()) == 0;
}

std::optional<double> parseItalianAmount(QStringView text)
{
    QStringView clean = trimmedView(text);
    const bool negative = clean.startsWith(u'-');
    if (negative)
        clean = clean.mid(1);
    const qsizetype comma = clean.indexOf(u',');
    const QStringView decimals = comma < 0 ? QStringView() : clean.mid(comma + 1);
    if (comma >= 0 && !isDigits(decimals))
        return std::nullopt;
    QString number = wholeDigits(comma < 0 ? clean : clean.left(comma));
    if (number.isEmpty() || number.size() + decimals.size() > 15)
        return std::nullopt;
    if (comma >= 0)
        number += u'.' + decimals.toString();
    const double value = number.toDouble();
    return negative && value != 0 ? -value : value;
}

std::optional<QTime> parseClockTime(QStringView text)
{
    const QStringView clean = trimmedView(text);
    const qsizetype colon = clean.indexOf(u':');
    if (colon < 1 || colon > 2 || clean.size() != colon + 3)
        return std::nullopt;
    const QStringView hour = clean.left(colon);
    const QStringView minute = clean.mid(colon + 1);
    if (!isDigits(hour) || !isDigits(minute))
        return std::nullopt;
    const QTime time(*parseWholeNumber(hour), *parseWholeNumber(minute));
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDate> parseSheetDate(QStringView text)
{
    const std::optional<QDate> date = parseDate(text);
    if (!date || *date < QDate(1900, 3, 1))
        return std::nullopt;
    return date;
}

}  // namespace memora
