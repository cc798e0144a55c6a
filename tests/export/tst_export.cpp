// The spreadsheet files and the export views, headless: the file byte by
// byte, the dialogs around the export, the grids the views load and order,
// the editable cells, the buttons that open the views, and a real spreadsheet
// program reading the files back when one is installed.
#include "app/home_window.h"
#include "archive/archive_file.h"
#include "editor/card_editor.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/grid_export.h"
#include "export/spreadsheet_file.h"
#include "export_fixtures.h"
#include "fake_platform.h"
#include "file_permissions.h"
#include "file_size_limit.h"
#include "list_limit.h"
#include "model_tester.h"
#include "info/help_topics.h"
#include "info/help_window.h"
#include "widgets/picture.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace memora;
using memora::test::cardAt;
using memora::test::filesIn;
using memora::test::makeView;
using memora::test::readBytes;
using memora::test::Restriction;
using memora::test::writeArchive;
using memora::test::writeBytes;

using Cards = QList<TSchedaScadenza>;
using Rows = QList<QByteArrayList>;

Q_DECLARE_METATYPE(ExportViewKind)
Q_DECLARE_METATYPE(HelpTopicId)

// One of a view's export buttons.
using ExportButton = PictureButton* ExportView::*;
Q_DECLARE_METATYPE(ExportButton)

namespace {

// The document as it must be, written out here fragment by fragment.
QByteArray expectedDocument(const QByteArray& worksheet, int columns, const Rows& rows)
{
    static const QList<QPair<QByteArray, int>> headers = {
        {"Data scadenza", 150}, {"Ora", 150},       {"Tipologia", 250}, {"Causale", 400}, {"Dettagli", 400},
        {"Persona o Ditta", 300}, {"Telefono", 200}, {"Cellulare", 200}, {"E-mail", 250}, {"Luogo", 300},
        {"Importo", 200},       {"Impegno assolto", 200}, {"Note", 400}, {"Codice univoco", 150},
    };
    QByteArray document =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">";
    for (const char* fragment :
         {"<head>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
          "<!--[if gte mso 9]><xml>", "<x:ExcelWorkbook>", "<x:ExcelWorksheets>", "<x:ExcelWorksheet>"})
        document += fragment;
    document += "<x:Name>" + worksheet + "</x:Name>";
    for (const char* fragment :
         {"<x:WorksheetOptions>", "<x:Selected/>", "<x:Panes>", "<x:Pane>", "<x:Number>1</x:Number>",
          "<x:ActiveRow>3</x:ActiveRow>", "</x:Pane>", "</x:Panes>", "<x:ProtectContents>False</x:ProtectContents>",
          "<x:ProtectObjects>False</x:ProtectObjects>", "<x:ProtectScenarios>False</x:ProtectScenarios>",
          "</x:WorksheetOptions>", "</x:ExcelWorksheet>", "</x:ExcelWorksheets>", "</x:ExcelWorkbook>",
          "</xml><![endif]-->", "</head>", "<body>", "<table x:str>", "<tr>"})
        document += fragment;
    for (int column = 0; column < columns; ++column)
        document += "<td style=\"text-align: left; font-weight: bold;\" width="
                    + QByteArray::number(headers[column].second) + ">" + headers[column].first + "</td>";
    document += "</tr>";
    for (const QByteArrayList& row : rows) {
        document += "<tr>";
        for (const QByteArray& cell : row)
            document += "<td style=\"text-align: left;\">" + cell + "</td>";
        document += "</tr>";
    }
    return document + "</table></body></html>";
}

struct ViewFile {
    QString fileName;
    QByteArray worksheet;
    int columns;
};

ViewFile viewFile(ExportViewKind kind)
{
    switch (kind) {
    case ExportViewKind::Scadenzario: return {QStringLiteral("Riepilogo_Scadenze.xls"), "Riepilogo Scadenze", 13};
    case ExportViewKind::Imminenti: return {QStringLiteral("Scadenze_Imminenti.xls"), "Scadenze imminenti", 14};
    case ExportViewKind::Giornaliere: return {QStringLiteral("Scadenze_Giornaliere.xls"), "Scadenze del giorno", 14};
    case ExportViewKind::Mensili: return {QStringLiteral("Scadenze_Mensili.xls"), "Scadenze del mese", 14};
    }
    return {};
}

// The grid's column texts, one list per row.
QStringList columnTexts(ExportView& view, int column)
{
    QStringList texts;
    for (int row = 0; row < view.grid().rowCount(); ++row)
        texts << view.grid().text(row, column);
    return texts;
}

// Types text into a grid cell as a user does: the first key opens the cell's
// editor, the others go to the editor, Enter stores the text. False when the
// cell opened no editor.
bool typeIntoCell(QTableView& grid, int row, int column, const QString& text)
{
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(row, column));
    const auto type = [](QWidget* widget, QChar c) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    };
    type(&grid, text[0]);
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    if (!editor)
        return false;
    for (const QChar c : text.mid(1))
        type(editor, c);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate stores the text from the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

// A grid for the writer alone, counting the rows it has been asked for.
class CountingGrid : public SheetRows {
public:
    explicit CountingGrid(int rows) : m_rows(rows) {}
    int sheetRowCount() const override { return m_rows; }
    QStringView sheetCell(int row, int column) const override
    {
        rowsRead = std::max(rowsRead, row + 1);
        m_cell = QStringLiteral("riga %1 colonna %2").arg(row).arg(column);
        return m_cell;
    }
    mutable int rowsRead = 0;

private:
    int m_rows;
    mutable QString m_cell;
};

// A grid of one row with the same text in every cell.
class OneTextGrid : public SheetRows {
public:
    explicit OneTextGrid(QString text) : m_text(std::move(text)) {}
    int sheetRowCount() const override { return 1; }
    QStringView sheetCell(int, int) const override { return m_text; }

private:
    QString m_text;
};

// The bytes the writer makes of text in a cell: its first data cell's.
QByteArray exportedCell(const QString& text)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!writeSpreadsheet(out, {QString(), QStringLiteral("F"), 13}, OneTextGrid(text)))
        return "not written";
    const QByteArray cellStart = "<td style=\"text-align: left;\">";
    const qsizetype from = out.data().indexOf(cellStart) + cellStart.size();
    return out.data().mid(from, out.data().indexOf("</td>", from) - from);
}

// A device that remembers how it was written to.
class RecordingDevice : public QIODevice {
public:
    explicit RecordingDevice(const CountingGrid& grid) : m_grid(grid) { open(QIODevice::WriteOnly); }
    qint64 total = 0;
    qint64 largestWrite = 0;
    int rowsReadAtFirstWrite = -1;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (rowsReadAtFirstWrite < 0)
            rowsReadAtFirstWrite = m_grid.rowsRead;
        total += size;
        largestWrite = std::max(largestWrite, size);
        return size;
    }

private:
    const CountingGrid& m_grid;
};

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cellText_data();
    void cellText();
    void writerStreamsRows();
    void fullDiskKeepsTheEarlierFile();

    void emptyGridFile_data();
    void emptyGridFile();
    void smallGridFile_data();
    void smallGridFile();
    void exportingAgainReplacesTheFile();
    void noToFirstQuestionWritesNothing_data();
    void noToFirstQuestionWritesNothing();
    void offerToOpenTheFile_data();
    void offerToOpenTheFile();
    void unwritableTarget_data();
    void unwritableTarget();

    void loading_data();
    void loading();
    void readOnlyArchiveListedInFull_data();
    void readOnlyArchiveListedInFull();
    void unreadableArchiveIsReported_data();
    void unreadableArchiveIsReported();
    void gridThatCannotHoldEveryCard_data();
    void gridThatCannotHoldEveryCard();
    void ordering_data();
    void ordering();
    void orderingMovesWholeRows();
    void settingACellKeepsTheOthers_data();
    void settingACellKeepsTheOthers();

    void editableColumns_data();
    void editableColumns();
    void typedCellIsExported();
    void window_data();
    void window();
    void informationLine();
    void helpTopic_data();
    void helpTopic();
    void openersShowTheirViews_data();
    void openersShowTheirViews();

    void spreadsheetProgramReadsEveryCell();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestExport::initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

void TestExport::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestExport::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

void TestExport::cellText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("blanks at both ends") << QStringLiteral("  Banca \t") << QByteArray("Banca");
    QTest::newRow("control characters at the ends") << QStringLiteral("\x01\r\nNota\x1f") << QByteArray("Nota");
    QTest::newRow("Si is one byte 0xEC") << QStringLiteral("S\u00ec") << QByteArray("S\xec");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac 12,50") << QByteArray("\x80 12,50");
    QTest::newRow("markup characters") << QStringLiteral("<Banca & C.>") << QByteArray("&lt;Banca &amp; C.&gt;");
    QTest::newRow("an entity is written as typed") << QStringLiteral("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("outside the code page") << QStringLiteral("Tokyo \u6771\u4eac") << QByteArray("Tokyo ??");
    QTest::newRow("outside the basic plane") << QStringLiteral("ok \U0001F600!") << QByteArray("ok ?!");
    QTest::newRow("a lone surrogate") << (QStringLiteral("a") + QChar(0xd800) + QStringLiteral("b"))
                                      << QByteArray("a?b");
    QTest::newRow("line break inside") << QStringLiteral("prima\r\nseconda") << QByteArray("prima  seconda");
    QTest::newRow("DEL and C1 controls inside")
        << (QStringLiteral("a") + QChar(0x7f) + QChar(0x81) + QChar(0x9b) + QChar(0x9d) + QStringLiteral("b"))
        << QByteArray("a    b");
    QTest::newRow("date and amount unchanged") << QStringLiteral("15/03/2014 12,50") << QByteArray("15/03/2014 12,50");
}

void TestExport::cellText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(exportedCell(text), bytes);
}

// The document goes out while the rows are read, in pieces of a fixed size.
void TestExport::writerStreamsRows()
{
    const int rows = 40000;
    CountingGrid grid(rows);
    RecordingDevice device(grid);
    QVERIFY(writeSpreadsheet(device, {QStringLiteral("x.xls"), QStringLiteral("Foglio"), 14}, grid));
    QCOMPARE(grid.rowsRead, rows);
    QVERIFY(device.total > 20 * 1024 * 1024);
    QVERIFY2(device.rowsReadAtFirstWrite < rows / 10, "the first bytes wait for the rows");
    QVERIFY2(device.largestWrite <= 2 * 1024 * 1024, "the document is gathered in memory");
}

// The disk fills part way through the file: the write fails, the earlier
// file of that name stays as it was and no part of the new one is left.
void TestExport::fullDiskKeepsTheEarlierFile()
{
    const QString folder = m_platform->directory();
    const QString path = QDir(folder).filePath(QStringLiteral("Riepilogo_Scadenze.xls"));
    writeBytes(path, "earlier export");
    const QStringList before = filesIn(folder);
    const CountingGrid grid(1000);
    const SpreadsheetSheet sheet = {QStringLiteral("Riepilogo_Scadenze.xls"), QStringLiteral("F"), 13};
    bool written = true;
    {
        const test::FileSizeLimit limit(64 * 1024);
        QVERIFY(limit.applied());
        written = writeSpreadsheetFile(path, sheet, grid);
    }
    QVERIFY(!written);
    QCOMPARE(readBytes(path), QByteArray("earlier export"));
    QCOMPARE(filesIn(folder), before);
}

void TestExport::emptyGridFile_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<int>("size");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << 1683;
    QTest::newRow("imminent") << ExportViewKind::Imminenti << 1761;
    QTest::newRow("day") << ExportViewKind::Giornaliere << 1762;
    QTest::newRow("month") << ExportViewKind::Mensili << 1760;
}

void TestExport::emptyGridFile()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(int, size);
    const ViewFile file = viewFile(kind);
    auto view = makeView(kind, QDate(2014, 3, 10));
    view->show();
    QCOMPARE(view->grid().rowCount(), 0);
    m_platform->messages.answers = {true, false};
    view->cmdEsporta->click();
    const QByteArray written = readBytes(QDir(m_platform->directory()).filePath(file.fileName));
    QCOMPARE(written.size(), size);
    QCOMPARE(written, expectedDocument(file.worksheet, file.columns, {}));
    QCOMPARE(m_platform->messages.questions, QStringList({MsgEsportaAdesso, MsgApriFileExcel}));
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(view->isVisible());
}

// Three cards, today 10/03/2014: A imminent, B fulfilled, C imminent and
// due first. The day and month views look at 15/03/2014.
void TestExport::smallGridFile_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<Rows>("rows");
    const QByteArrayList a = {"15/03/2014", "09:30", "Pagamento", "Rata mutuo", "Per\xf2", "&lt;Banca &amp; C.&gt;",
                              "", "", "", "", "0,00", "No", ""};
    const QByteArrayList b = {"12/03/2014", "09:30", "Pagamento", "Rata mutuo", "", "Banca",
                              "", "", "", "", "0,00", "S\xec", "Pagato"};
    const QByteArrayList c = {"01/03/2014", "08:00", "Pagamento", "Rata mutuo", "", "Banca",
                              "", "", "", "", "0,00", "No", ""};
    const auto keyed = [](QByteArrayList row, const QByteArray& key) { return row << key; };
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << Rows{a, b, c};
    QTest::newRow("imminent") << ExportViewKind::Imminenti
                              << Rows{keyed(c, "201403010800"), keyed(a, "201403150930")};
    QTest::newRow("day") << ExportViewKind::Giornaliere << Rows{keyed(a, "201403150930")};
    QTest::newRow("month") << ExportViewKind::Mensili
                           << Rows{keyed(c, "201403010800"), keyed(b, "201403120930"), keyed(a, "201403150930")};
}

void TestExport::smallGridFile()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(Rows, rows);
    TSchedaScadenza a = cardAt("15/03/2014", "09", "30", "10");
    a.Dettagli = QStringLiteral("Per\u00f2");
    a.Contatto = QStringLiteral("  <Banca & C.>  ");
    TSchedaScadenza b = cardAt("12/03/2014", "09", "30", "0", flagFulfilled);
    b.Note = QStringLiteral(" Pagato ");
    writeArchive(m_platform->archive(), {a, b, cardAt("01/03/2014", "08", "00")});
    const ViewFile file = viewFile(kind);
    auto view = makeView(kind, QDate(2014, 3, 15));
    view->show();
    m_platform->messages.answers = {true, false};
    view->cmdEsporta->click();
    const QByteArray written = readBytes(QDir(m_platform->directory()).filePath(file.fileName));
    QCOMPARE(written, expectedDocument(file.worksheet, file.columns, rows));
    QVERIFY(!written.contains('\r') && !written.contains('\n'));
    QVERIFY(!written.contains("<td style=\"text-align: left;\">1</td>"));  // the row numbers stay on screen
    QVERIFY(m_platform->desktop.opened.isEmpty());
}

void TestExport::exportingAgainReplacesTheFile()
{
    writeArchive(m_platform->archive(), {cardAt("15/03/2014", "09", "30")});
    const QString path = QDir(m_platform->directory()).filePath(QStringLiteral("Riepilogo_Scadenze.xls"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    TfrmExpScadenzario view;
    view.show();
    m_platform->messages.answers = {true, false, true, false};
    view.cmdEsporta->click();
    const QByteArray first = readBytes(path);
    view.cmdEsporta->click();
    QCOMPARE(readBytes(path), first);
    QCOMPARE(first.size(), 1683 + 464 + 45);
}

void TestExport::noToFirstQuestionWritesNothing_data()
{
    QTest::addColumn<ExportButton>("button");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("spreadsheet") << &ExportView::cmdEsporta << "Scadenze_Imminenti.xls";
    QTest::newRow("workbook") << &ExportView::cmdEsportaXlsx << "Scadenze_Imminenti.xlsx";
    QTest::newRow("calendar") << &ExportView::cmdEsportaCalendario << "Scadenze_Imminenti.ics";
}

// No to "export now?" leaves an earlier export as it was, with no message.
void TestExport::noToFirstQuestionWritesNothing()
{
    QFETCH(ExportButton, button);
    QFETCH(QString, fileName);
    const QString path = QDir(m_platform->directory()).filePath(fileName);
    writeBytes(path, "earlier export");
    writeArchive(m_platform->archive(), {cardAt("01/03/2014", "08", "00")});
    TfrmExpImminenti view;
    view.show();
    QCOMPARE(view.grid().rowCount(), 1);
    m_platform->messages.answers = {false};
    (view.*button)->click();
    QCOMPARE(readBytes(path), QByteArray("earlier export"));
    QCOMPARE(m_platform->messages.questions, QStringList(MsgEsportaAdesso));
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(m_platform->desktop.opened.isEmpty());
}

void TestExport::offerToOpenTheFile_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes opens the file") << true;
    QTest::newRow("No opens nothing") << false;
}

void TestExport::offerToOpenTheFile()
{
    QFETCH(bool, answer);
    TfrmExpMensili view(nullptr, QDate(2014, 3, 10));
    view.show();
    m_platform->messages.answers = {true, answer};
    view.cmdEsporta->click();
    const QString path = QDir(m_platform->directory()).filePath(QStringLiteral("Scadenze_Mensili.xls"));
    QCOMPARE(readBytes(path).size(), 1760);
    QCOMPARE(m_platform->desktop.opened, answer ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
}

void TestExport::unwritableTarget_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("the name taken by a directory") << false;
    QTest::newRow("a full disk") << true;
}

// The failure message, no second question, and what stands in the file's
// place keeps what it holds: a directory its files, an earlier export its
// bytes; no part of the new file is left. The view stays as it was.
void TestExport::unwritableTarget()
{
    QFETCH(bool, fullDisk);
    QDir directory(m_platform->directory());
    const QString path = directory.filePath(QStringLiteral("Scadenze_Giornaliere.xls"));
    if (fullDisk) {
        writeBytes(path, "earlier export");
    } else {
        QVERIFY(directory.mkdir(QStringLiteral("Scadenze_Giornaliere.xls")));
        writeBytes(path + QStringLiteral("/dentro.txt"), "resta");
    }
    writeArchive(m_platform->archive(), {cardAt("15/03/2014", "09", "30")});
    const QStringList before = filesIn(directory.path());
    TfrmExpGiornaliere view(nullptr, QDate(2014, 3, 15));
    view.show();
    m_platform->messages.answers = {true, true};
    {
        std::optional<test::FileSizeLimit> limit;
        if (fullDisk)
            QVERIFY(limit.emplace(1024).applied());
        view.cmdEsporta->click();
    }
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgEsportazioneImpossibile);
    QCOMPARE(m_platform->messages.questions, QStringList(MsgEsportaAdesso));
    QVERIFY(m_platform->desktop.opened.isEmpty());
    QVERIFY(view.isVisible());
    QCOMPARE(view.grid().rowCount(), 1);
    QCOMPARE(filesIn(directory.path()), before);
    if (fullDisk)
        QCOMPARE(readBytes(path), QByteArray("earlier export"));
    else
        QCOMPARE(readBytes(path + QStringLiteral("/dentro.txt")), QByteArray("resta"));
}

void TestExport::loading_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<Cards>("cards");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("keys");  // or dates, in the whole-archive view
    const Cards none;
    QTest::newRow("empty archive, whole") << ExportViewKind::Scadenzario << QDate() << none << QStringList()
                                          << QStringList();
    QTest::newRow("empty archive, imminent") << ExportViewKind::Imminenti << QDate() << none << QStringList()
                                             << QStringList();
    QTest::newRow("whole archive keeps archive order")
        << ExportViewKind::Scadenzario << QDate()
        << Cards{cardAt("20/05/2014", "10", "00"), cardAt("01/01/2013", "08", "00"), cardAt("15/03/2014", "", "")}
        << QStringList{"1", "2", "3"} << QStringList{"20/05/2014", "01/01/2013", "15/03/2014"};
    QTest::newRow("imminent, ordered by key")
        << ExportViewKind::Imminenti << QDate()
        << Cards{cardAt("20/03/2014", "10", "00", "15"), cardAt("01/03/2014", "08", "00", "0")}
        << QStringList{"2", "1"} << QStringList{"201403010800", "201403201000"};
    QTest::newRow("imminent: long past, unfulfilled")
        << ExportViewKind::Imminenti << QDate()
        << Cards{cardAt("01/01/2001", "08", "00"), cardAt("01/01/2001", "08", "00", "0", flagFulfilled)}
        << QStringList{"1"} << QStringList{"200101010800"};
    QTest::newRow("imminent: none qualifies")
        << ExportViewKind::Imminenti << QDate() << Cards{cardAt("20/04/2014", "10", "00", "3")} << QStringList()
        << QStringList();
    QTest::newRow("imminent: unreadable cards skipped, later cards listed")
        << ExportViewKind::Imminenti << QDate()
        << Cards{cardAt("05/03/2014", "10", "00"), cardAt("31/02/2014", "10", "00"),
                 cardAt("04/03/2014", "10", "00", ""), cardAt("03/03/2014", "10", "00")}
        << QStringList{"2", "1"} << QStringList{"201403031000", "201403051000"};
    QTest::newRow("day: only that date, by hour and minute")
        << ExportViewKind::Giornaliere << QDate(2014, 7, 15)
        << Cards{cardAt("15/07/2014", "18", "00"), cardAt("16/07/2014", "08", "00"), cardAt("15/07/2014", "08", "45"),
                 cardAt("15/07/2013", "07", "00")}
        << QStringList{"2", "1"} << QStringList{"201407150845", "201407151800"};
    QTest::newRow("month: July 2014 only, by day, hour, minute")
        << ExportViewKind::Mensili << QDate(2014, 7, 15)
        << Cards{cardAt("20/07/2014", "09", "00"), cardAt("15/07/2013", "09", "00"), cardAt("01/07/2014", "23", "59"),
                 cardAt("20/07/2014", "08", "59"), cardAt("01/08/2014", "00", "00")}
        << QStringList{"2", "3", "1"} << QStringList{"201407012359", "201407200859", "201407200900"};
    QTest::newRow("day: empty hour and minute first")
        << ExportViewKind::Giornaliere << QDate(2014, 7, 15)
        << Cards{cardAt("15/07/2014", "00", "01"), cardAt("15/07/2014", "", "")} << QStringList{"2", "1"}
        << QStringList{"20140715", "201407150001"};
}

void TestExport::loading()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QDate, day);
    QFETCH(Cards, cards);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, keys);
    writeArchive(m_platform->archive(), cards);
    auto view = makeView(kind, day);
    const test::ModelTester tester(&view->grid());
    QCOMPARE(view->grid().rowCount(), 0);  // nothing is read before the window shows
    view->show();
    QCOMPARE(columnTexts(*view, colNum), numbers);
    QCOMPARE(columnTexts(*view, kind == ExportViewKind::Scadenzario ? colData : colCodice), keys);
}

void TestExport::readOnlyArchiveListedInFull_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<Restriction>("restriction");
    QTest::addColumn<QStringList>("numbers");
    const std::tuple<const char*, ExportViewKind, QStringList> views[] = {
        {"whole archive", ExportViewKind::Scadenzario, {"1", "2", "3"}},
        {"imminent", ExportViewKind::Imminenti, {"2", "1"}},
        {"day", ExportViewKind::Giornaliere, {"1", "2"}},
        {"month", ExportViewKind::Mensili, {"2", "1", "3"}}};
    const std::pair<const char*, Restriction> restrictions[] = {
        {"archive of mode 444", Restriction::ReadOnlyFile},
        {"read-only folder, archive of mode 444", Restriction::ReadOnlyFileAndFolder}};
    for (const auto& [view, kind, numbers] : views)
        for (const auto& [name, restriction] : restrictions)
            QTest::addRow("%s, %s", view, name) << kind << restriction << numbers;
}

// A view only reads: a read-only archive is listed in full, with no message.
void TestExport::readOnlyArchiveListedInFull()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(Restriction, restriction);
    writeArchive(m_platform->archive(), {cardAt("10/03/2014", "09", "00"), cardAt("09/03/2014", "08", "00"),
                                         cardAt("10/03/2014", "10", "00", "0", flagFulfilled)});
    const test::RestrictedArchive readOnly(m_platform->directory(), restriction);
    auto view = makeView(kind, QDate(2014, 3, 10));
    view->show();
    QCoreApplication::processEvents();
    QTEST(columnTexts(*view, colNum), "numbers");
    QVERIFY(m_platform->messages.shown.isEmpty());
    view->close();
}

void TestExport::unreadableArchiveIsReported_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QString>("fault");
    const std::pair<const char*, ExportViewKind> views[] = {
        {"whole archive", ExportViewKind::Scadenzario}, {"imminent", ExportViewKind::Imminenti},
        {"day", ExportViewKind::Giornaliere}, {"month", ExportViewKind::Mensili}};
    for (const auto& [view, kind] : views) {
        QTest::addRow("%s, a directory in the archive's place", view) << kind << "directory";
        QTest::addRow("%s, archive of mode 000", view) << kind << "mode 000";
    }
}

// An archive that cannot be read leaves the grid without rows, and the user
// is told, once the view is up.
void TestExport::unreadableArchiveIsReported()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QString, fault);
    std::optional<test::RestrictedArchive> unreadable;
    if (fault == u"directory") {
        QVERIFY(QDir(m_platform->directory()).mkdir(archiveFileName));
    } else {
        writeArchive(m_platform->archive(), {cardAt("10/03/2014", "09", "00")});
        unreadable.emplace(m_platform->directory(), Restriction::UnreadableFile);
    }
    auto view = makeView(kind, QDate(2014, 3, 10));
    view->show();
    QVERIFY(m_platform->messages.shown.isEmpty());  // not before the view is up
    QCoreApplication::processEvents();
    QCOMPARE(view->grid().rowCount(), 0);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgArchivioInaccessibile);
    view->close();
}

void TestExport::gridThatCannotHoldEveryCard_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << QStringList{"1"};
    QTest::newRow("imminent") << ExportViewKind::Imminenti << QStringList{"1"};
}

// A grid that may hold one row: it keeps the first card it found, and the
// user is told that the view is not the whole archive.
void TestExport::gridThatCannotHoldEveryCard()
{
    QFETCH(ExportViewKind, kind);
    writeArchive(m_platform->archive(), {cardAt("09/03/2014", "09", "00"), cardAt("08/03/2014", "08", "00")});
    const test::ListMemoryLimit oneRow(1);
    auto view = makeView(kind);
    view->show();
    QCoreApplication::processEvents();
    QTEST(columnTexts(*view, colNum), "numbers");
    QCOMPARE(columnTexts(*view, colData), QStringList("09/03/2014"));
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].text, MsgArchivioInaccessibile);
    view->close();
}

void TestExport::ordering_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("ordered");
    QTest::newRow("no row") << QStringList() << QStringList();
    QTest::newRow("one row") << QStringList{"b"} << QStringList{"b"};
    QTest::newRow("keys, a prefix first")
        << QStringList{"201403150930", "20140315", "201403150800", "201403010800"}
        << QStringList{"201403010800", "20140315", "201403150800", "201403150930"};
    QTest::newRow("case ignored") << QStringList{"banana", "Ciliegia", "avocado"}
                                  << QStringList{"avocado", "banana", "Ciliegia"};
    QTest::newRow("date-time keys, a shorter one among them")
        << QStringList{"201403101000", "2014031009", "9", "", "201403091200", "201403101000"}
        << QStringList{"", "201403091200", "2014031009", "201403101000", "201403101000", "9"};
    QTest::newRow("digits and a letter") << QStringList{"20", "1b", "1A", "3"} << QStringList{"1A", "1b", "20", "3"};
    QTest::newRow("accents with their letter") << QStringList{"zeta", "\u00e8ra", "Enna", "alba"}
                                               << QStringList{"alba", "Enna", "\u00e8ra", "zeta"};
}

void TestExport::ordering()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, ordered);
    ExportGridModel grid(15, {});
    const test::ModelTester tester(&grid);
    GridRows rows;
    for (const QString& text : texts) {
        rows.appendBlank();
        rows.setText(rows.size() - 1, colCausale, text);
    }
    grid.setRows(std::move(rows));
    OrdinaGriglia(grid, colCausale);
    QStringList result;
    for (int row = 0; row < grid.rowCount(); ++row)
        result << grid.text(row, colCausale);
    QCOMPARE(result, ordered);
}

void TestExport::settingACellKeepsTheOthers_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("first, longer")  << 1                 << QStringLiteral("01/01/2020 e oltre");
    QTest::newRow("middle, emptied") << int(colContatto) << QString();
    QTest::newRow("middle, shorter") << int(colNote)     << QStringLiteral("n");
    QTest::newRow("last, longer")   << int(colCodice)    << QStringLiteral("202001011230 bis");
}

// A row holds its texts end to end: a cell set anew changes no other cell and
// no other row.
void TestExport::settingACellKeepsTheOthers()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    std::array<QString, GridRow::textColumns> texts;
    std::array<QStringView, GridRow::textColumns> views;
    for (int k = 0; k < GridRow::textColumns; ++k) {
        texts[std::size_t(k)] = QStringLiteral("col%1").arg(k + 1).repeated(k % 3);
        views[std::size_t(k)] = texts[std::size_t(k)];
    }
    GridRows rows;
    rows.append(7, views);
    rows.append(8, views);
    rows.setText(0, column, text);
    QCOMPARE(rows[0].number, 7);
    QCOMPARE(rows[1].number, 8);
    for (int k = 1; k <= GridRow::textColumns; ++k)
        QCOMPARE(rows[1].text(k).toString(), texts[std::size_t(k - 1)]);
    texts[std::size_t(column - 1)] = text;
    for (int k = 1; k <= GridRow::textColumns; ++k)
        QCOMPARE(rows[0].text(k).toString(), texts[std::size_t(k - 1)]);
}

// Every cell goes with its row, the number too; cards due at the same minute
// stay next to each other.
void TestExport::orderingMovesWholeRows()
{
    TSchedaScadenza first = cardAt("12/03/2014", "09", "00");
    first.Causale = QStringLiteral("Prima");
    TSchedaScadenza second = cardAt("11/03/2014", "09", "00");
    second.Causale = QStringLiteral("Seconda");
    TSchedaScadenza third = cardAt("12/03/2014", "09", "00");
    third.Causale = QStringLiteral("Terza");
    third.Tel = QStringLiteral("055 123");
    writeArchive(m_platform->archive(), {first, second, third});
    TfrmExpMensili view(nullptr, QDate(2014, 3, 1));
    view.show();
    QCOMPARE(view.grid().rowCount(), 3);
    QCOMPARE(view.grid().text(0, colCausale), QStringLiteral("Seconda"));
    QCOMPARE(view.grid().text(0, colNum), QStringLiteral("2"));
    for (int row = 1; row < 3; ++row) {
        const bool isThird = view.grid().text(row, colCausale) == QStringLiteral("Terza");
        QCOMPARE(view.grid().text(row, colNum), isThird ? QStringLiteral("3") : QStringLiteral("1"));
        QCOMPARE(view.grid().text(row, colTel), isThird ? QStringLiteral("055 123") : QString());
        QCOMPARE(view.grid().text(row, colCodice), QStringLiteral("201403120900"));
    }
    QVERIFY(view.grid().text(1, colCausale) != view.grid().text(2, colCausale));
}

void TestExport::editableColumns_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QList<int>>("editable");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << QList<int>{colDettagli, colContatto, colTel};
    QTest::newRow("imminent") << ExportViewKind::Imminenti
                              << QList<int>{colDettagli, colContatto, colCel, colCodice};
    QTest::newRow("day") << ExportViewKind::Giornaliere << QList<int>{colDettagli, colContatto, colTel, colCodice};
    QTest::newRow("month") << ExportViewKind::Mensili << QList<int>{colDettagli, colContatto, colTel, colCodice};
}

// Typing into each cell of a row: only the editable columns take the text.
void TestExport::editableColumns()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QList<int>, editable);
    writeArchive(m_platform->archive(), {cardAt("10/03/2014", "09", "30")});
    auto view = makeView(kind, QDate(2014, 3, 10));
    const test::ModelTester tester(&view->grid());
    view->show();
    QCOMPARE(view->grid().rowCount(), 1);
    QList<int> typed;
    for (int column = 0; column < view->grid().columnCount(); ++column) {
        const QString before = view->grid().text(0, column);
        const bool opened = typeIntoCell(*view->grdRecords, 0, column, QStringLiteral("Zeta"));
        if (opened) {
            QCOMPARE(view->grid().text(0, column), QStringLiteral("Zeta"));
            typed << column;
        } else {
            QCOMPARE(view->grid().text(0, column), before);
        }
    }
    QCOMPARE(typed, editable);
}

// A typed text is written to the file; the archive keeps its own, and the
// next opening shows it again.
void TestExport::typedCellIsExported()
{
    TSchedaScadenza card = cardAt("10/03/2014", "09", "30");
    card.Dettagli = QStringLiteral("Originale");
    writeArchive(m_platform->archive(), {card});
    const QByteArray archiveBefore = readBytes(m_platform->archive());
    {
        TfrmExpScadenzario view;
        view.show();
        QVERIFY(typeIntoCell(*view.grdRecords, 0, colDettagli, QStringLiteral("Citt\u00e0 & <nuovo>")));
        QCOMPARE(view.grid().text(0, colDettagli), QStringLiteral("Citt\u00e0 & <nuovo>"));
        m_platform->messages.answers = {true, false};
        view.cmdEsporta->click();
    }
    const QByteArray written =
        readBytes(QDir(m_platform->directory()).filePath(QStringLiteral("Riepilogo_Scadenze.xls")));
    QVERIFY(written.contains("<td style=\"text-align: left;\">Citt\xe0 &amp; &lt;nuovo&gt;</td>"));
    QVERIFY(!written.contains("Originale"));
    QCOMPARE(readBytes(m_platform->archive()), archiveBefore);
    TfrmExpScadenzario again;
    again.show();
    QCOMPARE(again.grid().text(0, colDettagli), QStringLiteral("Originale"));
}

void TestExport::window_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("columns");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << "TfrmExpScadenzario"
                                   << " Esportazione archivio scadenze" << 14;
    QTest::newRow("imminent") << ExportViewKind::Imminenti << "TfrmExpImminenti" << " Scadenze imminenti" << 15;
    QTest::newRow("day") << ExportViewKind::Giornaliere << "TfrmExpGiornaliere" << " Scadenze del giorno" << 15;
    QTest::newRow("month") << ExportViewKind::Mensili << "TfrmExpMensili" << " Scadenze del mese" << 15;
}

void TestExport::window()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(int, columns);
    const QStringList headers = {"N.", "Data scadenza", "Ora", "Tipologia", "Causale", "Dettagli", "Persona o Ditta",
                                 "Telefono", "Cellulare", "E-mail", "Luogo", "Importo", "Impegno assolto", "Note",
                                 "Codice univoco"};
    const QList<int> widths = {60, 120, 100, 250, 300, 300, 250, 150, 150, 200, 250, 180, 150, 300, 150};
    writeArchive(m_platform->archive(), {cardAt("10/03/2014", "09", "30"), cardAt("10/03/2014", "10", "30")});
    auto view = makeView(kind, QDate(2014, 3, 10));
    QCOMPARE(view->objectName(), className);
    QCOMPARE(view->windowTitle(), caption);
    QCOMPARE(view->size(), QSize(862, 560));
    QVERIFY(!(view->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                                      | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(view->panContainer->size(), QSize(837, 533));
    QCOMPARE(view->grdRecords->size(), QSize(821, 409));
    QCOMPARE(view->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    QCOMPARE(view->panInfo->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(view->panInfo->font().pointSize(), 12);
    QVERIFY(!view->panInfo->wordWrap());
    QCOMPARE(view->grid().columnCount(), columns);
    for (int column = 0; column < columns; ++column) {
        QCOMPARE(view->grid().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), headers[column]);
        QCOMPARE(view->grdRecords->columnWidth(column), widths[column]);
    }
    view->show();
    QCOMPARE(view->grid().rowCount(), 2);
    QCOMPARE(view->grdRecords->rowHeight(0), 21);
    QCOMPARE(view->grdRecords->rowHeight(1), 21);
    QVERIFY(view->grdRecords->alternatingRowColors());
    QCOMPARE(view->cmdEsci->accessibleName(), QStringLiteral("Esci"));
    QCOMPARE(view->cmdEsporta->accessibleDescription(),
             QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    view->cmdEsci->click();
    QVERIFY(!view->isVisible());
}

void TestExport::informationLine()
{
    TfrmExpImminenti view;
    view.show();
    // A point of each widget where none of its children lies.
    const auto moveOver = [](QWidget* widget) {
        const QPointF point = widget->childAt(5, 5) ? QPointF(4, 87) : QPointF(5, 5);
        QVERIFY(!widget->childAt(point.toPoint()));
        QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    const QList<QPair<QWidget*, QString>> steps = {
        {view.cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {view.grdRecords->viewport(), QString()},
        {view.cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {view.shpSfondo, QString()},
        {view.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {view.panContainer, QString()},
        {view.cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {view.imgLogo, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},  // not one of the controls
        {view.shpInfo, QString()},
        {view.cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {&view, QString()},
    };
    for (const auto& [widget, text] : steps) {
        moveOver(widget);
        QCOMPARE(view.panInfo->text(), text);
    }
}

void TestExport::helpTopic_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<HelpTopicId>("topic");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario
                                   << "Esportazione archivio scadenze in Microsoft Excel." << HelpTopicId::Esportazione;
    QTest::newRow("imminent") << ExportViewKind::Imminenti << "Visualizzazione scadenze."
                              << HelpTopicId::Visualizzazione;
    QTest::newRow("day") << ExportViewKind::Giornaliere << "Visualizzazione scadenze." << HelpTopicId::Visualizzazione;
    QTest::newRow("month") << ExportViewKind::Mensili << "Visualizzazione scadenze." << HelpTopicId::Visualizzazione;
}

void TestExport::helpTopic()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QString, title);
    QFETCH(HelpTopicId, topic);
    auto view = makeView(kind, QDate(2014, 3, 10));
    view->show();
    QString shownTitle;
    QString shownText;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto& help = dynamic_cast<TfrmGuida&>(dialog);
        QCOMPARE(help.parentWidget(), view.get());
        shownTitle = help.lblTitolo->text();
        shownText = help.txtGuida->toPlainText();
    };
    view->cmdGuida->click();
    QCOMPARE(shownTitle, title);
    QVERIFY(!shownText.isEmpty());
    QCOMPARE(shownText.remove(u'\r'), QString(memora::helpTopic(topic).text).remove(u'\r'));
    QVERIFY(view->isVisible());
}

void TestExport::openersShowTheirViews_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("home btnExcel") << "btnExcel" << "TfrmExpImminenti" << QStringList{"01/03/2014", "10/03/2014"};
    QTest::newRow("home btnGiorno") << "btnGiorno" << "TfrmExpGiornaliere" << QStringList{"15/07/2014"};
    QTest::newRow("home btnMese") << "btnMese" << "TfrmExpMensili" << QStringList{"02/07/2014", "15/07/2014"};
    QTest::newRow("editor cmdEsporta") << "cmdEsporta" << "TfrmExpScadenzario"
                                       << QStringList{"15/07/2014", "10/03/2014", "02/07/2014", "01/03/2014"};
}

// Each button opens its view, owned by its window, modally; the day and
// month views take the date selected in the home calendar.
void TestExport::openersShowTheirViews()
{
    QFETCH(QString, button);
    QFETCH(QString, className);
    QFETCH(QStringList, dates);
    writeArchive(m_platform->archive(), {cardAt("15/07/2014", "09", "30"), cardAt("10/03/2014", "09", "30"),
                                         cardAt("02/07/2014", "09", "30"), cardAt("01/03/2014", "09", "30")});
    TfrmAvvio home;
    home.show();
    home.calAppuntamenti->setSelectedDate(QDate(2014, 7, 15));
    TfrmArchivio_Scadenze editor;
    const QMap<QString, QPair<QWidget*, PictureButton*>> openers = {
        {"btnExcel", {&home, home.btnExcel}},
        {"btnGiorno", {&home, home.btnGiorno}},
        {"btnMese", {&home, home.btnMese}},
        {"cmdEsporta", {&editor, editor.findChild<PictureButton*>(QStringLiteral("cmdEsporta"))}},
    };
    QString shownClass;
    QStringList shownDates;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto& view = dynamic_cast<ExportView&>(dialog);
        shownClass = view.objectName();
        shownDates = columnTexts(view, colData);
        QCOMPARE(view.parentWidget(), openers[button].first);
        QVERIFY(view.isVisible());
    };
    openers[button].second->click();
    QCOMPARE(shownClass, className);
    QCOMPARE(shownDates, dates);
    QVERIFY(openers[button].first->findChildren<ExportView*>().isEmpty());  // destroyed when closed
    home.close();
}

// The four written files opened by LibreOffice and converted to CSV: every
// cell of each grid, header row included, in place and with its accents.
void TestExport::spreadsheetProgramReadsEveryCell()
{
    if (test::officeProgram().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    TSchedaScadenza accented = cardAt("15/03/2014", "09", "30", "10");
    accented.Causale = QStringLiteral("Caff\u00e8 & pasticceria \"Al Duomo\"");
    accented.Contatto = QStringLiteral("<Banca & C.>");
    accented.Dettagli = QStringLiteral("Perch\u00e9 s\u00ec, citt\u00e0 \u20ac");
    accented.Importo = QStringLiteral("1.234,50");
    TSchedaScadenza fulfilled = cardAt("12/03/2014", "", "", "0", flagFulfilled);
    fulfilled.Email = QStringLiteral("nome@esempio.it");
    fulfilled.Note = QStringLiteral("Nota; con, segni");
    writeArchive(m_platform->archive(), {accented, fulfilled, cardAt("01/03/2014", "08", "00")});

    QStringList files;
    const QList<ExportViewKind> kinds = {ExportViewKind::Scadenzario, ExportViewKind::Imminenti,
                                         ExportViewKind::Giornaliere, ExportViewKind::Mensili};
    std::vector<std::unique_ptr<ExportView>> views;
    for (const ExportViewKind kind : kinds) {
        views.push_back(makeView(kind, QDate(2014, 3, 15)));
        views.back()->show();
        QVERIFY(views.back()->grid().rowCount() > 0);
        m_platform->messages.answers = {true, false};
        views.back()->cmdEsporta->click();
        files << QDir(m_platform->directory()).filePath(viewFile(kind).fileName);
    }
    QTemporaryDir work;
    QVERIFY(test::convertToCsv(work.path(), files, work.path(), QStringLiteral("44,34,76,1")));

    for (int i = 0; i < kinds.size(); ++i) {
        const ViewFile file = viewFile(kinds[i]);
        ExportView* view = views[std::size_t(i)].get();
        const QList<QStringList> sheet = test::readCsv(
            QDir(work.path()).filePath(QFileInfo(file.fileName).completeBaseName() + QStringLiteral(".csv")));
        QCOMPARE(sheet.size(), view->grid().rowCount() + 1);
        for (int column = 1; column <= file.columns; ++column)
            QCOMPARE(sheet[0].value(column - 1), view->grid().headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < view->grid().rowCount(); ++row) {
            QCOMPARE(sheet[row + 1].size(), file.columns);
            for (int column = 1; column <= file.columns; ++column)
                QCOMPARE(sheet[row + 1][column - 1], view->grid().text(row, column));
        }
    }
}

QObject* makeExportTest() { return new TestExport; }

#include "tst_export.moc"
