// The spreadsheet writer over grids of any texts, as cards read from any
// archive or cells typed in an editable grid give them. The document stays
// one line of Windows-1252 without a control character, is the head, one
// well-formed row per grid row with one cell per exported column, and the
// close; each cell, its entities undone and its bytes decoded, gives back the
// grid's trimmed text with the characters the code page lacks as "?" and
// control characters as blanks.
#include "archive/text_conventions.h"
#include "archive/windows1252.h"
#include "export/export_grid.h"
#include "export/spreadsheet_file.h"
#include "fuzz_text.h"

#include <QBuffer>

#include <algorithm>
#include <utility>
#include <vector>

using namespace memora;
using memora::fuzz::consumeText;
using memora::fuzz::require;

namespace {

const SpreadsheetSheet sheets[] = {
    {QStringLiteral("Riepilogo_Scadenze.xls"), QStringLiteral("Riepilogo Scadenze"), 13},
    {QStringLiteral("Scadenze_Imminenti.xls"), QStringLiteral("Scadenze imminenti"), 14},
    {QStringLiteral("Scadenze_Giornaliere.xls"), QStringLiteral("Scadenze del giorno"), 14},
    {QStringLiteral("Scadenze_Mensili.xls"), QStringLiteral("Scadenze del mese"), 14},
};

const QByteArray documentClose = QByteArrayLiteral("</table></body></html>");
const QByteArray cellStart = QByteArrayLiteral("<td style=\"text-align: left;\">");

bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// A byte that decodes, in Windows-1252 as browsers and spreadsheets read it,
// to a control character: C0 (line ends included), DEL, and the five bytes
// that the code page leaves to the C1 controls.
bool isControlByte(unsigned char b)
{
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// What a cell should read as once the file is opened.
QString expectedCell(const QString& text)
{
    const QString clean = trimmed(text);
    QString expected;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean[i];
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate()) {
            expected += u'?';
            ++i;
        } else if (isControl(c.unicode())) {
            expected += u' ';
        } else {
            QString back;
            decodeWindows1252Into(toWindows1252(QStringView(&c, 1)), back);
            expected += back == QStringView(&c, 1) ? c : QChar(u'?');
        }
    }
    return expected;
}

// The text of a cell's bytes: entities undone, bytes decoded. False when the
// bytes hold markup or an ampersand that starts no entity.
bool readCell(QByteArrayView bytes, QString& text)
{
    static const std::pair<QByteArrayView, char> entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
    QByteArray plain;
    while (!bytes.isEmpty()) {
        if (bytes.front() == '<' || bytes.front() == '>')
            return false;
        if (bytes.front() != '&') {
            plain += bytes.front();
            bytes = bytes.sliced(1);
            continue;
        }
        const auto* entity = std::find_if(std::begin(entities), std::end(entities),
                                          [&bytes](const auto& e) { return bytes.startsWith(e.first); });
        if (entity == std::end(entities))
            return false;
        plain += entity->second;
        bytes = bytes.sliced(entity->first.size());
    }
    decodeWindows1252Into(plain, text);
    return true;
}

QByteArray written(const SpreadsheetSheet& sheet, const ExportGridModel& grid)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    require(writeSpreadsheet(buffer, sheet, grid), "writing to memory succeeds");
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const SpreadsheetSheet& sheet = sheets[input.ConsumeIntegralInRange(0, 3)];
    GridRows rows;
    const std::size_t rowCount = input.ConsumeIntegralInRange<std::size_t>(0, 6);
    for (std::size_t row = 0; row < rowCount; ++row) {
        rows.appendBlank();
        for (int column = 1; column <= GridRow::textColumns; ++column)
            rows.setText(row, column, input.ConsumeBool() ? consumeText(input, 12) : QString());
    }
    ExportGridModel grid(sheet.columns + 1, {});
    grid.setRows(std::move(rows));

    const QByteArray document = written(sheet, grid);
    for (const char byte : document)
        require(!isControlByte(static_cast<unsigned char>(byte)), "one line, no control character");

    ExportGridModel empty(sheet.columns + 1, {});
    const QByteArray head = written(sheet, empty).chopped(documentClose.size());
    require(document.startsWith(head) && document.endsWith(documentClose), "the head and the close");
    QByteArrayView body = QByteArrayView(document).sliced(head.size(), document.size() - head.size() - documentClose.size());
    for (int row = 0; row < grid.rowCount(); ++row) {
        require(body.startsWith("<tr>"), "a row opens");
        body = body.sliced(4);
        for (int column = 0; column < sheet.columns; ++column) {
            require(body.startsWith(cellStart), "a cell opens");
            body = body.sliced(cellStart.size());
            const qsizetype end = body.indexOf(QByteArrayView("</td>"));
            require(end >= 0, "a cell closes");
            QString text;
            require(readCell(body.first(end), text), "a cell holds text and entities only");
            require(text == expectedCell(grid.sheetCell(row, column + 1).toString()), "a cell reads as the grid's text");
            body = body.sliced(end + 5);
        }
        require(body.startsWith("</tr>"), "a row closes");
        body = body.sliced(5);
    }
    require(body.isEmpty(), "one row per grid row");
    return 0;
}
