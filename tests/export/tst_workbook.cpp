// The workbook files, headless: the readers of dates, times and amounts; the
// workbook read back by openpyxl (tests/export/check_workbook.py), a reader
// apart from the writer; LibreOffice Calc converting it to CSV; the failures
// to write; worksheets beyond the row limit; and the views' button for it.
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/grid_export.h"
#include "export/workbook_file.h"
#include "export_fixtures.h"
#include "fake_platform.h"
#include "file_size_limit.h"
#include "widgets/picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace memora;
using memora::test::FileSizeLimit;
using memora::test::filesIn;
using memora::test::makeView;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::writeBytes;
using memora::test::writeArchive;

using Grid = QList<QStringList>;

Q_DECLARE_METATYPE(ExportViewKind)
Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::optional<QTime>)
Q_DECLARE_METATYPE(std::optional<QDate>)

namespace {

const QString xlsxCaption = QStringLiteral("Esporta in formato .xlsx");

// Rows of cell texts, the first text of a row in grid column 1.
class FixtureGrid : public SheetRows {
public:
    explicit FixtureGrid(Grid rows) : m_rows(std::move(rows)) {}
    int sheetRowCount() const override { return int(m_rows.size()); }
    QStringView sheetCell(int row, int column) const override { return m_rows[row][column - 1]; }

private:
    Grid m_rows;
};

// Fourteen cells: a date, a time and an amount where they belong, the others
// named after their column and row.
QStringList fixtureRow(int row)
{
    QStringList cells;
    for (int column = 1; column <= 14; ++column)
        cells << QStringLiteral("c%1r%2").arg(column).arg(row);
    cells[0] = QStringLiteral("15/03/2014");
    cells[1] = QStringLiteral("09:30");
    cells[10] = QStringLiteral("0,00");
    return cells;
}

// The Python that has openpyxl: the one on the path, or the system's own,
// which Debian's python3-openpyxl is installed for.
QString pythonWithOpenpyxl()
{
    for (const QString& python : {QStandardPaths::findExecutable(QStringLiteral("python3")),
                                  QStringLiteral("/usr/bin/python3")}) {
        if (python.isEmpty())
            continue;
        if (test::pythonHas(python, QStringLiteral("openpyxl")))
            return python;
    }
    return {};
}

// The cell as "type value", as check_workbook.py reports it.
QString cellOf(const QJsonObject& sheet, int row, int column)
{
    const QJsonObject cell = sheet[QLatin1String("rows")].toArray()[row].toArray()[column].toObject();
    return cell[QLatin1String("type")].toString() + u' ' + cell[QLatin1String("value")].toString();
}

QString formatOf(const QJsonObject& sheet, int row, int column)
{
    return sheet[QLatin1String("rows")].toArray()[row].toArray()[column].toObject()[QLatin1String("format")].toString();
}

QStringList rowOf(const QJsonObject& sheet, int row)
{
    QStringList cells;
    const int columns = int(sheet[QLatin1String("rows")].toArray()[row].toArray().size());
    for (int column = 0; column < columns; ++column)
        cells << cellOf(sheet, row, column);
    return cells;
}

QJsonObject sheetAt(const QJsonObject& workbook, int index)
{
    return workbook[QLatin1String("sheets")].toArray()[index].toObject();
}

int rowCountOf(const QJsonObject& sheet) { return int(sheet[QLatin1String("rows")].toArray().size()); }

// The header cells as the reader reports them.
QStringList headerRow(int columns)
{
    QStringList cells;
    for (int column = 0; column < columns; ++column)
        cells << QStringLiteral("text ") + QLatin1String(sheetColumns[column].header);
    return cells;
}

}  // namespace

// In a test function: skips it when no Python with openpyxl is installed.
#define SKIP_WITHOUT_OPENPYXL()                                                                                \
    if (m_python.isEmpty())                                                                                    \
    QSKIP("python3-openpyxl is not installed, so the workbook cannot be read back (scripts/test.sh installs it)")

class TestWorkbook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void amounts_data();
    void amounts();
    void clockTimes_data();
    void clockTimes();
    void sheetDates_data();
    void sheetDates();

    void cellsKeepTheirTypes();
    void sheetLooks();
    void rowsGoOnInFurtherSheets_data();
    void rowsGoOnInFurtherSheets();
    void failureLeavesNothingBehind_data();
    void failureLeavesNothingBehind();
    void spreadsheetProgramReadsTheWorkbook();

    void buttonExportsTheGrid_data();
    void buttonExportsTheGrid();
    void buttonFailureShowsTheMessage();
    void button_data();
    void button();

private:
    // Reads the workbook at path with check_workbook.py.
    bool readWorkbook(const QString& path, QJsonObject& report);
    QString workbookPath(const QString& name) const { return QDir(m_platform->directory()).filePath(name); }

    QString m_python;
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestWorkbook::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    m_python = pythonWithOpenpyxl();
}

void TestWorkbook::init()
{
    m_platform = std::make_unique<test::FakePlatform>();
}

void TestWorkbook::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

bool TestWorkbook::readWorkbook(const QString& path, QJsonObject& report)
{
    const test::ToolRun reader = test::runTool(m_python, {QStringLiteral(MEMORA_CHECK_WORKBOOK), path});
    QJsonParseError error;
    report = QJsonDocument::fromJson(reader.output, &error).object();
    return reader.ok && error.error == QJsonParseError::NoError;
}

void TestWorkbook::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("value");
    const std::optional<double> none;
    QTest::newRow("thousands and decimals") << "1.250,50" << std::optional(1250.5);
    QTest::newRow("as the editor writes it") << "1250,50" << std::optional(1250.5);
    QTest::newRow("zero") << "0,00" << std::optional(0.0);
    QTest::newRow("millions") << "1.234.567,89" << std::optional(1234567.89);
    QTest::newRow("whole, grouped") << "1.250" << std::optional(1250.0);
    QTest::newRow("whole") << "7" << std::optional(7.0);
    QTest::newRow("one decimal") << "12,5" << std::optional(12.5);
    QTest::newRow("negative") << "-3,20" << std::optional(-3.2);
    QTest::newRow("blanks around") << "  42,00 " << std::optional(42.0);
    QTest::newRow("fifteen digits") << "1234567890123,45" << std::optional(1234567890123.45);
    QTest::newRow("sixteen digits") << "12345678901234,56" << none;
    QTest::newRow("decimal point") << "12.5" << none;
    QTest::newRow("group of two") << "1.25,00" << none;
    QTest::newRow("first group of four") << "1234.567,00" << none;
    QTest::newRow("two commas") << "1,2,3" << none;
    QTest::newRow("no whole part") << ",50" << none;
    QTest::newRow("comma without decimals") << "12," << none;
    QTest::newRow("euro sign") << "\u20ac 12,50" << none;
    QTest::newRow("words") << "gratis" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("minus alone") << "-" << none;
}

void TestWorkbook::amounts()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, value);
    QCOMPARE(parseItalianAmount(text), value);
}

void TestWorkbook::clockTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QTime>>("time");
    const std::optional<QTime> none;
    QTest::newRow("as the editor writes it") << "09:30" << std::optional(QTime(9, 30));
    QTest::newRow("hour of one digit") << "9:05" << std::optional(QTime(9, 5));
    QTest::newRow("last minute, blanks around") << " 23:59 " << std::optional(QTime(23, 59));
    QTest::newRow("midnight") << "00:00" << std::optional(QTime(0, 0));
    QTest::newRow("hour 24") << "24:00" << none;
    QTest::newRow("minute 60") << "12:60" << none;
    QTest::newRow("minute of one digit") << "9:5" << none;
    QTest::newRow("no colon") << "0930" << none;
    QTest::newRow("seconds") << "12:30:00" << none;
    QTest::newRow("sign") << "+9:30" << none;
    QTest::newRow("empty") << "" << none;
}

void TestWorkbook::clockTimes()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QTime>, time);
    QCOMPARE(parseClockTime(text), time);
}

void TestWorkbook::sheetDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QDate>>("date");
    const std::optional<QDate> none;
    QTest::newRow("as the editor writes it") << "15/03/2014" << std::optional(QDate(2014, 3, 15));
    QTest::newRow("short day and month, blanks") << " 5/3/2014 " << std::optional(QDate(2014, 3, 5));
    QTest::newRow("first day held as a date") << "01/03/1900" << std::optional(QDate(1900, 3, 1));
    QTest::newRow("the day before") << "28/02/1900" << none;
    QTest::newRow("no such day") << "31/02/2014" << none;
    QTest::newRow("another format") << "2014-03-15" << none;
    QTest::newRow("empty") << "" << none;
}

void TestWorkbook::sheetDates()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QDate>, date);
    QCOMPARE(parseSheetDate(text), date);
}

// Dates, times and amounts as values where their texts read as such; every
// other cell as its text, trimmed, leading zeros, accents and characters
// beyond Windows-1252 kept, control characters as blanks.
void TestWorkbook::cellsKeepTheirTypes()
{
    SKIP_WITHOUT_OPENPYXL();
    const QString longText(40000, u'x');
    const Grid rows = {
        {"15/03/2014", "09:30", "Pagamento", "Rata mutuo", "Perch\u00e9 s\u00ec, citt\u00e0 \u20ac 12", "  Banca  ",
         "0212345678", "+39 333 1234567", "nome@esempio.it", "Tokyo \u6771\u4eac \U0001F600", "1.250,50", "No",
         "riga\r\ndue\tcolonne", "201403150930"},
        {"31/02/2014", "25:00", "", "   ", longText, "<Banca & C.> \"Al Duomo\"", "00393331234567", "",
         "", "", "1250,50", "S\u00ec", QStringLiteral("a") + QChar(0x01) + QChar(0x9d) + QChar(0xffff) + "b",
         "20140231"},
        {" 5/3/2014 ", "9:05", "", "", "", "", "", "", "", "", "0,00", "", "", ""},
        {"01/01/1899", "", "", "", "", "", "", "", "", "", "12.5", "", "", ""},
    };
    const QString path = workbookPath(QStringLiteral("Tipi.xlsx"));
    QVERIFY(writeWorkbookFile(path, {QStringLiteral("ignored.xlsx"), QStringLiteral("Scadenze imminenti"), 14},
                              FixtureGrid(rows)));
    QJsonObject workbook;
    QVERIFY(readWorkbook(path, workbook));
    const QJsonObject sheet = sheetAt(workbook, 0);
    QCOMPARE(rowCountOf(sheet), 5);
    QCOMPARE(rowOf(sheet, 0), headerRow(14));
    QCOMPARE(rowOf(sheet, 1),
             QStringList({"date 2014-03-15", "time 09:30", "text Pagamento", "text Rata mutuo",
                          "text Perch\u00e9 s\u00ec, citt\u00e0 \u20ac 12", "text Banca", "text 0212345678",
                          "text +39 333 1234567", "text nome@esempio.it", "text Tokyo \u6771\u4eac \U0001F600",
                          "number 1250.5", "text No", "text riga  due colonne", "text 201403150930"}));
    QCOMPARE(rowOf(sheet, 2),
             QStringList({"text 31/02/2014", "text 25:00", "empty ", "empty ", "text " + QString(32767, u'x'),
                          "text <Banca & C.> \"Al Duomo\"", "text 00393331234567", "empty ", "empty ", "empty ",
                          "number 1250.5", "text S\u00ec", "text a   b", "text 20140231"}));
    QCOMPARE(rowOf(sheet, 3).mid(0, 2), QStringList({"date 2014-03-05", "time 09:05"}));
    QCOMPARE(cellOf(sheet, 3, 10), QStringLiteral("number 0.0"));
    QCOMPARE(rowOf(sheet, 4).mid(0, 2), QStringList({"text 01/01/1899", "empty "}));
    QCOMPARE(cellOf(sheet, 4, 10), QStringLiteral("text 12.5"));
    QCOMPARE(formatOf(sheet, 1, 0), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(formatOf(sheet, 1, 1), QStringLiteral("hh:mm"));
    QCOMPARE(formatOf(sheet, 1, 10), QStringLiteral("#,##0.00"));
    QCOMPARE(formatOf(sheet, 1, 6), QStringLiteral("@"));
}

// The sheet's name, the properties, the header's look, the frozen header and
// the filter over every row, the columns' widths.
void TestWorkbook::sheetLooks()
{
    SKIP_WITHOUT_OPENPYXL();
    const QString path = workbookPath(QStringLiteral("Aspetto.xlsx"));
    QVERIFY(writeWorkbookFile(path, {QString(), QStringLiteral("Riepilogo Scadenze"), 13},
                              FixtureGrid({fixtureRow(1), fixtureRow(2), fixtureRow(3)})));
    QJsonObject workbook;
    QVERIFY(readWorkbook(path, workbook));
    QCOMPARE(workbook[QLatin1String("title")].toString(), QStringLiteral("Riepilogo Scadenze"));
    QCOMPARE(workbook[QLatin1String("creator")].toString(), QStringLiteral("Memora"));
    QCOMPARE(workbook[QLatin1String("sheets")].toArray().size(), 1);
    const QJsonObject sheet = sheetAt(workbook, 0);
    QCOMPARE(sheet[QLatin1String("name")].toString(), QStringLiteral("Riepilogo Scadenze"));
    QCOMPARE(sheet[QLatin1String("freeze")].toString(), QStringLiteral("A2"));
    QCOMPARE(sheet[QLatin1String("filter")].toString(), QStringLiteral("A1:M4"));
    QVERIFY(sheet[QLatin1String("headerBold")].toBool());
    QCOMPARE(sheet[QLatin1String("headerFill")].toArray().size(), 1);
    QCOMPARE(rowOf(sheet, 0), headerRow(13));
    QCOMPARE(rowOf(sheet, 3)[2], QStringLiteral("text c3r3"));
    // Room for the header beside the filter's button, and for usual contents.
    const QJsonObject widths = sheet[QLatin1String("widths")].toObject();
    for (int column = 0; column < 13; ++column) {
        const QString letter(QChar(u'A' + column));
        QVERIFY2(widths[letter].toDouble() >= qstrlen(sheetColumns[column].header) + 2, qPrintable(letter));
    }
    for (const auto& [letter, usual] : {std::pair("A", "15/03/2014"), std::pair("G", "+39 333 1234567"),
                                        std::pair("I", "nome.cognome@esempio.it"), std::pair("K", "1.250.000,00")})
        QVERIFY2(widths[QLatin1String(letter)].toDouble() >= qstrlen(usual), letter);
}

void TestWorkbook::rowsGoOnInFurtherSheets_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("sheetRows");
    QTest::addColumn<QList<int>>("dataRows");
    QTest::newRow("no row: the header alone") << 0 << 3 << QList<int>{0};
    QTest::newRow("as many as one sheet takes") << 2 << 3 << QList<int>{2};
    QTest::newRow("one more") << 3 << 3 << QList<int>{2, 1};
    QTest::newRow("three sheets and a part") << 7 << 3 << QList<int>{2, 2, 2, 1};
    QTest::newRow("two full sheets") << 10 << 6 << QList<int>{5, 5};
}

// Every row in order, none lost; each sheet with the header, frozen and
// filtered over its own rows.
void TestWorkbook::rowsGoOnInFurtherSheets()
{
    SKIP_WITHOUT_OPENPYXL();
    QFETCH(int, rows);
    QFETCH(int, sheetRows);
    QFETCH(QList<int>, dataRows);
    Grid grid;
    for (int row = 1; row <= rows; ++row)
        grid << fixtureRow(row);
    const QString path = workbookPath(QStringLiteral("Molte.xlsx"));
    const SpreadsheetSheet sheet = {QString(), QStringLiteral("Scadenze del mese"), 14};
    QVERIFY(writeWorkbookFile(path, sheet, FixtureGrid(grid), sheetRows));
    QJsonObject workbook;
    QVERIFY(readWorkbook(path, workbook));
    QCOMPARE(workbook[QLatin1String("sheets")].toArray().size(), dataRows.size());
    int next = 1;
    for (int k = 0; k < dataRows.size(); ++k) {
        const QJsonObject worksheet = sheetAt(workbook, k);
        const QString suffix = k == 0 ? QString() : QStringLiteral(" (%1)").arg(k + 1);
        QCOMPARE(worksheet[QLatin1String("name")].toString(), sheet.worksheetName + suffix);
        QCOMPARE(rowCountOf(worksheet), dataRows[k] + 1);
        QCOMPARE(rowOf(worksheet, 0), headerRow(14));
        QCOMPARE(worksheet[QLatin1String("freeze")].toString(), QStringLiteral("A2"));
        QCOMPARE(worksheet[QLatin1String("filter")].toString(), QStringLiteral("A1:N%1").arg(dataRows[k] + 1));
        for (int row = 1; row <= dataRows[k]; ++row, ++next)
            QCOMPARE(cellOf(worksheet, row, 2), QStringLiteral("text c3r%1").arg(next));
    }
    QCOMPARE(next, rows + 1);
}

void TestWorkbook::failureLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("the name taken by a folder") << "folder";
    QTest::newRow("writes refused past a size, as on a full disk") << "full";
    QTest::newRow("a folder that is not there") << "missing";
}

// False; no file left under a temporary name; whatever had the name before
// keeps it as it was.
void TestWorkbook::failureLeavesNothingBehind()
{
    QFETCH(QString, failure);
    const QString folder = m_platform->directory();
    QString path = workbookPath(QStringLiteral("Scadenze_Giornaliere.xlsx"));
    if (failure == QLatin1String("folder")) {
        QVERIFY(QDir(folder).mkdir(QStringLiteral("Scadenze_Giornaliere.xlsx")));
        writeBytes(path + QStringLiteral("/dentro.txt"), "resta");
    } else if (failure == QLatin1String("full")) {
        writeBytes(path, "earlier export");
    } else {
        path = QDir(folder).filePath(QStringLiteral("assente/Scadenze_Giornaliere.xlsx"));
    }
    const QStringList before = filesIn(folder);
    Grid grid;
    for (int row = 1; row <= 3000; ++row)
        grid << fixtureRow(row);
    const SpreadsheetSheet sheet = {QString(), QStringLiteral("Scadenze del giorno"), 14};
    bool written = true;
    if (failure == QLatin1String("full")) {
        const test::FileSizeLimit limit(64 * 1024);
        QVERIFY(limit.applied());
        written = writeWorkbookFile(path, sheet, FixtureGrid(grid));
    } else {
        written = writeWorkbookFile(path, sheet, FixtureGrid(grid));
    }
    QVERIFY(!written);
    QCOMPARE(filesIn(folder), before);
    if (failure == QLatin1String("folder"))
        QCOMPARE(readBytes(path + QStringLiteral("/dentro.txt")), QByteArray("resta"));
    if (failure == QLatin1String("full"))
        QCOMPARE(readBytes(path), QByteArray("earlier export"));
}

// LibreOffice Calc opens the workbook and writes it as CSV in Italian, once
// as the cells show and once as their values: the texts, leading zeros and
// an unreadable date among them, arrive unchanged either way; a date, a time
// and an amount are values, which Calc writes out in its own form (a short
// date with its zeros, seconds, no thousands separator), as it would not
// write a text.
void TestWorkbook::spreadsheetProgramReadsTheWorkbook()
{
    if (test::officeProgram().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    const Grid rows = {
        {"15/03/2014", "09:30", "Pagamento", "Caff\u00e8 \u20ac", "Perch\u00e9", "Banca", "0212345678",
         "+39 333 1234567", "nome@esempio.it", "Citt\u00e0", "1.250,50", "No", "Nota; con, segni", "201403150930"},
        {"31/02/2014", "08:00", "Evento", "", "", "", "00393331234567", "", "", "", "0,00", "S\u00ec", "",
         "201403010800"},
        {" 5/3/2014 ", "9:05", "", "", "", "", "", "", "", "", "12,5", "", "", "2014030509"},
    };
    QTemporaryDir work;
    const QString path = QDir(work.path()).filePath(QStringLiteral("Scadenze_Mensili.xlsx"));
    QVERIFY(writeWorkbookFile(path, {QString(), QStringLiteral("Scadenze del mese"), 14}, FixtureGrid(rows)));
    // CSV with commas, double quotes, UTF-8, and the cells as shown or as
    // their values; Calc takes its locale from the environment.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    const auto convert = [&](const QString& folder, bool asShown) {
        const QString options = QStringLiteral("44,34,76,1,,,false,false,") + (asShown ? "true" : "false");
        if (!test::convertToCsv(work.path(), {path}, folder, options, environment))
            return QList<QStringList>();
        return test::readCsv(QDir(folder).filePath(QStringLiteral("Scadenze_Mensili.csv")));
    };
    const QList<QStringList> shown = convert(QDir(work.path()).filePath(QStringLiteral("shown")), true);
    const QList<QStringList> values = convert(QDir(work.path()).filePath(QStringLiteral("values")), false);
    QCOMPARE(shown.size(), 4);
    QCOMPARE(values.size(), 4);
    for (int column = 0; column < 14; ++column)
        QCOMPARE(shown[0].value(column), QLatin1String(sheetColumns[column].header));
    QCOMPARE(values[0], shown[0]);
    const auto typedAs = [](QStringList row, const QString& date, const QString& time, const QString& amount) {
        row[0] = date;
        row[1] = time;
        row[10] = amount;
        return row;
    };
    QCOMPARE(shown[1], rows[0]);
    QCOMPARE(shown[2], rows[1]);
    QCOMPARE(shown[3], typedAs(rows[2], "05/03/2014", "09:05", "12,50"));
    QCOMPARE(values[1], typedAs(rows[0], "15/03/2014", "09:30:00", "1250,5"));
    QCOMPARE(values[2], typedAs(rows[1], "31/02/2014", "08:00:00", "0"));
    QCOMPARE(values[3], typedAs(rows[2], "05/03/2014", "09:05:00", "12,5"));
}

void TestWorkbook::buttonExportsTheGrid_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("worksheet");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("editedColumn");
    QTest::addColumn<bool>("openIt");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << "Riepilogo_Scadenze.xlsx" << "Riepilogo Scadenze"
                                   << 13 << int(colTel) << true;
    QTest::newRow("imminent") << ExportViewKind::Imminenti << "Scadenze_Imminenti.xlsx" << "Scadenze imminenti" << 14
                              << int(colCel) << false;
    QTest::newRow("day") << ExportViewKind::Giornaliere << "Scadenze_Giornaliere.xlsx" << "Scadenze del giorno" << 14
                         << int(colTel) << true;
    QTest::newRow("month") << ExportViewKind::Mensili << "Scadenze_Mensili.xlsx" << "Scadenze del mese" << 14
                           << int(colTel) << false;
}

// The questions, the grid's rows with the user's edit written beside the
// executable, the offer to open; the archive is only read.
void TestWorkbook::buttonExportsTheGrid()
{
    SKIP_WITHOUT_OPENPYXL();
    QFETCH(ExportViewKind, kind);
    QFETCH(QString, fileName);
    QFETCH(QString, worksheet);
    QFETCH(int, columns);
    QFETCH(int, editedColumn);
    QFETCH(bool, openIt);
    TSchedaScadenza first = makeCard(QStringLiteral("15/03/2014"), QStringLiteral("10"));
    first.OreApp = QStringLiteral("09");
    first.MinutiApp = QStringLiteral("30");
    first.Ora = QStringLiteral("09:30");
    first.Importo = QStringLiteral("1.250,50");
    TSchedaScadenza second = makeCard(QStringLiteral("15/03/2014"), QStringLiteral("10"));
    second.OreApp = QStringLiteral("08");
    second.MinutiApp = QStringLiteral("00");
    second.Ora = QStringLiteral("08:00");
    writeArchive(m_platform->archive(), {first, second});
    const QByteArray archiveBefore = readBytes(m_platform->archive());
    auto view = makeView(kind, QDate(2014, 3, 15));
    view->show();
    QCOMPARE(view->grid().rowCount(), 2);
    QVERIFY(view->grid().setData(view->grid().index(0, editedColumn), QStringLiteral("0212345678"), Qt::EditRole));
    m_platform->messages.answers = {true, openIt};
    view->cmdEsportaXlsx->click();
    QCOMPARE(m_platform->messages.questions, QStringList({MsgEsportaAdesso, MsgApriFileExcel}));
    QVERIFY(m_platform->messages.shown.isEmpty());
    const QString path = workbookPath(fileName);
    QCOMPARE(m_platform->desktop.opened, openIt ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
    QCOMPARE(readBytes(m_platform->archive()), archiveBefore);
    QVERIFY(!QFile::exists(workbookPath(QFileInfo(fileName).completeBaseName() + QStringLiteral(".xls"))));
    QJsonObject workbook;
    QVERIFY(readWorkbook(path, workbook));
    QCOMPARE(workbook[QLatin1String("title")].toString(), worksheet);
    const QJsonObject sheet = sheetAt(workbook, 0);
    QCOMPARE(sheet[QLatin1String("name")].toString(), worksheet);
    QCOMPARE(rowCountOf(sheet), 3);
    QCOMPARE(rowOf(sheet, 0), headerRow(columns));
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(cellOf(sheet, row + 1, 0), QStringLiteral("date 2014-03-15"));
        QCOMPARE(cellOf(sheet, row + 1, 1), QStringLiteral("time ") + view->grid().text(row, colOra));
        QCOMPARE(cellOf(sheet, row + 1, colCausale - 1), QStringLiteral("text ") + view->grid().text(row, colCausale));
        const double amount = view->grid().text(row, colImporto) == QStringLiteral("1.250,50") ? 1250.5 : 0.0;
        QCOMPARE(cellOf(sheet, row + 1, colImporto - 1), QStringLiteral("number %1").arg(amount, 0, 'f', 1));
    }
    QCOMPARE(cellOf(sheet, 1, editedColumn - 1), QStringLiteral("text 0212345678"));
    QCOMPARE(view->grid().text(0, editedColumn), QStringLiteral("0212345678"));
    QVERIFY(view->isVisible());
}

// A folder in the file's place: the failure message, no offer to open, the
// folder and the view as they were.
void TestWorkbook::buttonFailureShowsTheMessage()
{
    const QString path = workbookPath(QStringLiteral("Scadenze_Giornaliere.xlsx"));
    QVERIFY(QDir(m_platform->directory()).mkdir(QStringLiteral("Scadenze_Giornaliere.xlsx")));
    writeBytes(path + QStringLiteral("/dentro.txt"), "resta");
    writeArchive(m_platform->archive(), {makeCard(QStringLiteral("15/03/2014"))});
    TfrmExpGiornaliere view(nullptr, QDate(2014, 3, 15));
    view.show();
    m_platform->messages.answers = {true, true};
    view.cmdEsportaXlsx->click();
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgEsportazioneImpossibile);
    QCOMPARE(m_platform->messages.questions, QStringList(MsgEsportaAdesso));
    QVERIFY(m_platform->desktop.opened.isEmpty());
    QCOMPARE(readBytes(path + QStringLiteral("/dentro.txt")), QByteArray("resta"));
    QCOMPARE(filesIn(path), QStringList(QStringLiteral("dentro.txt")));
    QVERIFY(view.isVisible());
    QCOMPARE(view.grid().rowCount(), 1);
}

void TestWorkbook::button_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario;
    QTest::newRow("imminent") << ExportViewKind::Imminenti;
    QTest::newRow("day") << ExportViewKind::Giornaliere;
    QTest::newRow("month") << ExportViewKind::Mensili;
}

// Its name, tooltip and information line, its place in the white band beside
// the narrowed banner, and its place in the tab order.
void TestWorkbook::button()
{
    QFETCH(ExportViewKind, kind);
    auto view = makeView(kind, QDate(2014, 3, 15));
    view->show();
    QApplication::setActiveWindow(view.get());
    PictureButton* button = view->cmdEsportaXlsx;
    QCOMPARE(button->accessibleName(), xlsxCaption);
    QCOMPARE(button->accessibleDescription(), xlsxCaption);
    QCOMPARE(button->toolTip(), xlsxCaption);
    QCOMPARE(button->geometry(), QRect(452, 12, 60, 60));
    QCOMPARE(view->imgLogo->geometry(), QRect(12, 8, 430, 68));
    QCOMPARE(view->icoHand->geometry().left(), 592);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), button->mapToGlobal(QPointF(30, 30)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    QCOMPARE(view->panInfo->text(), xlsxCaption);
    view->FormMouseMove();
    QCOMPARE(view->panInfo->text(), QString());
    view->cmdEsporta->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(view->cmdEsportaXlsx), static_cast<QWidget*>(view->cmdEsportaCalendario),
                          static_cast<QWidget*>(view->cmdGuida), static_cast<QWidget*>(view->cmdEsci)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    view->cmdEsporta->setFocus();
    QTest::keyClick(view->cmdEsporta, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), view->grdRecords);
    view->cmdEsci->click();
}

QObject* makeWorkbookTest() { return new TestWorkbook; }

#include "tst_workbook.moc"
