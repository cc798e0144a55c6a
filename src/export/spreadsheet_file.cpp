#include "export/spreadsheet_file.h"

#include "archive/text_conventions.h"
#include "archive/windows1252.h"

#include <QSaveFile>

#include <algorithm>

namespace memora {

namespace {

// Bytes gathered before they go to the device, so a large grid is written in
// a few hundred calls while memory stays at this size: the system's own cost
// of a write grows with the file, and at a million rows pieces of 64 KiB made
// it a third of the export.
constexpr qsizetype flushSize = 1024 * 1024;

const QByteArray documentStart = QByteArrayLiteral(
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>");

const QByteArray worksheetEnd = QByteArrayLiteral(
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>");

const QByteArray documentEnd = QByteArrayLiteral("</table></body></html>");
const QByteArray headerCellStart = QByteArrayLiteral("<td style=\"text-align: left; font-weight: bold;\" width=");
const QByteArray dataCellStart = QByteArrayLiteral("<td style=\"text-align: left;\">");

// Collects the document's bytes and hands them to the device in large pieces.
class ChunkedWriter {
public:
    explicit ChunkedWriter(QIODevice& out) : m_out(out) { m_buffer.reserve(flushSize + 4096); }

    QByteArray& buffer() { return m_buffer; }

    // Writes out the buffer once it is full; false when the device fails.
    bool flushIfFull() { return m_buffer.size() < flushSize || flush(); }

    bool flush()
    {
        const bool written = m_out.write(m_buffer) == m_buffer.size();
        m_buffer.resize(0);  // keeps its room for the next piece
        return written;
    }

private:
    QIODevice& m_out;
    QByteArray m_buffer;
};

// True for the characters that are the same byte in Latin-1 and Windows-1252.
bool isLatin1Byte(QChar c) { return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF); }

// Room for the longest form of a character: "&amp;".
constexpr qsizetype maxBytesPerChar = 5;

void appendCellText(QByteArray& bytes, QStringView text)
{
    const QStringView clean = trimmedView(text);
    const qsizetype start = bytes.size();
    bytes.resize(start + clean.size() * maxBytesPerChar);
    char* out = bytes.data() + start;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const char16_t c = clean[i].unicode();
        if (isCellControl(c)) {
            *out++ = ' ';
            continue;
        }
        if (!isLatin1Byte(clean[i])) {
            // The rest of the code page, or "?"; a pair of surrogates is one character.
            const bool pair = clean[i].isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate();
            const qsizetype length = pair ? 2 : 1;
            *out++ = toWindows1252(clean.mid(i, length)).at(0);
            i += length - 1;
            continue;
        }
        switch (c) {
        case u'&': out = std::copy_n("&amp;", 5, out); break;
        case u'<': out = std::copy_n("&lt;", 4, out); break;
        case u'>': out = std::copy_n("&gt;", 4, out); break;
        default: *out++ = char(c);
        }
    }
    bytes.truncate(out - bytes.constData());
}

void appendHead(QByteArray& bytes, const SpreadsheetSheet& sheet)
{
    bytes += documentStart;
    bytes += toWindows1252(sheet.worksheetName);
    bytes += worksheetEnd;
    bytes += "<tr>";
    for (int column = 0; column < sheet.columns; ++column) {
        bytes += headerCellStart;
        bytes += QByteArray::number(sheetColumns[column].width);
        bytes += '>';
        bytes += sheetColumns[column].header;
        bytes += "</td>";
    }
    bytes += "</tr>";
}

void appendRow(QByteArray& bytes, const SheetRows& grid, int row, int columns)
{
    bytes += "<tr>";
    for (int column = 1; column <= columns; ++column) {
        bytes += dataCellStart;
        appendCellText(bytes, grid.sheetCell(row, column));
        bytes += "</td>";
    }
    bytes += "</tr>";
}

}  // namespace

bool writeSpreadsheet(QIODevice& out, const SpreadsheetSheet& sheet, const SheetRows& grid)
{
    ChunkedWriter writer(out);
    appendHead(writer.buffer(), sheet);
    const int rows = grid.sheetRowCount();
    for (int row = 0; row < rows; ++row) {
        appendRow(writer.buffer(), grid, row, sheet.columns);
        if (!writer.flushIfFull())
            return false;
    }
    writer.buffer() += documentEnd;
    return writer.flush();
}

bool writeSpreadsheetFile(const QString& path, const SpreadsheetSheet& sheet, const SheetRows& grid)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!writeSpreadsheet(file, sheet, grid))
        return false;  // the temporary file goes with file
    return file.commit();
}

}  // namespace memora
