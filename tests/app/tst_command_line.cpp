// The command line without any window: in this process for every view,
// format and failure, and the real executable run once with no display at
// all, which shows that it needs none.
#include "app/command_line.h"
#include "archive/archive_file.h"
#include "archive/text_conventions.h"
#include "export/export_grid.h"
#include "export/export_views.h"
#include "export/spreadsheet_file.h"
#include "export/workbook_file.h"
#include "fake_platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace memora;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::writeArchive;

Q_DECLARE_METATYPE(ExportViewKind)

namespace {

const QDateTime runTime(QDate(2014, 3, 10), QTime(9, 30));

// Cards 1 to 4; today 10/03/2014 only cards 2 and 4 are imminent.
QList<TSchedaScadenza> fixtureCards()
{
    return {makeCard("15/03/2014", "3"), makeCard("09/03/2014", "0"), makeCard("20/04/2014", "0"),
            makeCard("01/03/2014", "0")};
}

// The card numbers in a calendar's UIDs, in order.
QList<int> uidCards(const QByteArray& file)
{
    QList<int> cards;
    static const QRegularExpression uid(QStringLiteral("^UID:scheda-(\\d+)-"), QRegularExpression::MultilineOption);
    for (auto match = uid.globalMatch(QString::fromUtf8(file)); match.hasNext();)
        cards << match.next().captured(1).toInt();
    std::sort(cards.begin(), cards.end());
    return cards;
}

// The names in a folder, sorted.
QStringList entries(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.sort();
    return names;
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void init();

    void exportsEachView_data();
    void exportsEachView();
    void replacesAnEarlierFile();
    void badArguments_data();
    void badArguments();
    void archiveUnreadable();
    void fileNotWritable_data();
    void fileNotWritable();
    void helpAndVersion_data();
    void helpAndVersion();

    void executableRunsWithoutDisplay();

private:
    // Runs memora with the arguments in the program folder, from it.
    int run(const QStringList& arguments);
    QString inFolder(const QString& name) const { return QDir(m_folder->path()).filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir m_scratch;  // files the tests write to compare with, outside the program folder
    QString m_out;
    QString m_err;
};

void TestCommandLine::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    writeArchive(archivePath(m_folder->path()), fixtureCards());
    m_out.clear();
    m_err.clear();
}

int TestCommandLine::run(const QStringList& arguments)
{
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    return runCommandLine(QStringList{QStringLiteral("memora")} + arguments, {m_folder->path(), runTime, out, err});
}

void TestCommandLine::exportsEachView_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QList<int>>("cards");
    QTest::newRow("imminent unless said, calendar") << QStringList{"--esporta", "Scadenze.ics"} << "Scadenze.ics"
                                                    << ExportViewKind::Imminenti << QDate() << QList<int>{2, 4};
    QTest::newRow("imminent, spreadsheet") << QStringList{"--vista", "imminenti", "--esporta", "Scadenze.xls"}
                                           << "Scadenze.xls" << ExportViewKind::Imminenti << QDate()
                                           << QList<int>{2, 4};
    QTest::newRow("whole archive, calendar") << QStringList{"--esporta", "Tutte.ics", "--vista", "archivio"}
                                             << "Tutte.ics" << ExportViewKind::Scadenzario << QDate()
                                             << QList<int>{1, 2, 3, 4};
    QTest::newRow("whole archive, spreadsheet") << QStringList{"--esporta=Tutte.xls", "--vista=archivio"}
                                                << "Tutte.xls" << ExportViewKind::Scadenzario << QDate()
                                                << QList<int>{1, 2, 3, 4};
    QTest::newRow("day, calendar") << QStringList{"--vista", "giorno", "15/03/2014", "--esporta", "Giorno.ics"}
                                   << "Giorno.ics" << ExportViewKind::Giornaliere << QDate(2014, 3, 15)
                                   << QList<int>{1};
    QTest::newRow("day, spreadsheet") << QStringList{"--esporta", "Giorno.xls", "--vista", "giorno", "9/3/2014"}
                                      << "Giorno.xls" << ExportViewKind::Giornaliere << QDate(2014, 3, 9)
                                      << QList<int>{2};
    QTest::newRow("month, calendar, capital extension")
        << QStringList{"--esporta", "Marzo.ICS", "--vista", "mese", "03/2014"} << "Marzo.ICS"
        << ExportViewKind::Mensili << QDate(2014, 3, 1) << QList<int>{1, 2, 4};
    QTest::newRow("month, spreadsheet") << QStringList{"--esporta", "Aprile.xls", "--vista=mese", "04/2014"}
                                        << "Aprile.xls" << ExportViewKind::Mensili << QDate(2014, 4, 1)
                                        << QList<int>{3};
    QTest::newRow("imminent, workbook") << QStringList{"--esporta", "Scadenze.xlsx"} << "Scadenze.xlsx"
                                        << ExportViewKind::Imminenti << QDate() << QList<int>{2, 4};
    QTest::newRow("whole archive, workbook") << QStringList{"--esporta", "Tutte.xlsx", "--vista", "archivio"}
                                             << "Tutte.xlsx" << ExportViewKind::Scadenzario << QDate()
                                             << QList<int>{1, 2, 3, 4};
}

// The file holds the view's rows as its window writes them, and nothing is
// said on success.
void TestCommandLine::exportsEachView()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(ExportViewKind, kind);
    QFETCH(QDate, day);
    QFETCH(QList<int>, cards);
    QCOMPARE(run(arguments), 0);
    QCOMPARE(m_err, QString());
    QCOMPARE(m_out, QString());
    const QByteArray written = readBytes(inFolder(file));
    const ExportViewDefinition& view = exportViewDefinition(kind);
    ExportGridModel grid(view.gridColumns(), {});
    QVERIFY(loadExportView(grid, kind, archivePath(m_folder->path()), runTime.date(), day).complete);
    if (file.endsWith(QLatin1String("xlsx"))) {
        // The workbook's own reading is tested with its writer; here it is the
        // window's workbook of the same rows.
        const QString same = QDir(m_scratch.path()).filePath(QStringLiteral("same.xlsx"));
        QVERIFY(writeWorkbookFile(same, view.spreadsheetSheet(), grid));
        QVERIFY(written.startsWith("PK\x03\x04"));
        QCOMPARE(written.size(), readBytes(same).size());
    } else if (file.endsWith(QLatin1String("xls"))) {
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        QVERIFY(writeSpreadsheet(expected, view.spreadsheetSheet(), grid));
        QCOMPARE(written, expected.data());
        QCOMPARE(written.count("<tr>"), cards.size() + 1);
    } else {
        QCOMPARE(uidCards(written), cards);
        QVERIFY(written.contains("DTSTAMP:20140310T083000Z\r\n"));
        QVERIFY(written.contains("DTSTART;TZID=Europe/Rome:"));
    }
    QStringList expected = {archiveFileName, file};
    expected.sort();
    QCOMPARE(entries(m_folder->path()), expected);
}

void TestCommandLine::replacesAnEarlierFile()
{
    QFile earlier(inFolder(QStringLiteral("Scadenze.ics")));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(100000, 'x'));
    earlier.close();
    QCOMPARE(run({QStringLiteral("--esporta"), QStringLiteral("Scadenze.ics")}), 0);
    const QByteArray written = readBytes(inFolder(QStringLiteral("Scadenze.ics")));
    QVERIFY(written.startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(written.endsWith("END:VCALENDAR\r\n"));
    QVERIFY(!written.contains('x'));
}

void TestCommandLine::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");  // there before the run, and the same after it
    QTest::addColumn<QString>("message");
    const QString formats = QStringLiteral("si pu\u00f2 esportare in .ics, .xls, .xlsx");
    QTest::newRow("unknown option") << QStringList{"--colore", "--esporta", "Scadenze.ics"} << "Scadenze.ics"
                                    << "opzione sconosciuta: --colore (memora --help mostra l'uso)";
    QTest::newRow("unknown short option") << QStringList{"-x"} << "Scadenze.ics"
                                          << "opzione sconosciuta: -x (memora --help mostra l'uso)";
    QTest::newRow("no file after --esporta") << QStringList{"--esporta"} << "Scadenze.ics"
                                             << "manca il valore dopo --esporta";
    QTest::newRow("no view after --vista") << QStringList{"--esporta", "Scadenze.ics", "--vista"} << "Scadenze.ics"
                                           << "manca il valore dopo --vista";
    QTest::newRow("a value to --help") << QStringList{"--help=si"} << "Scadenze.ics"
                                       << "--help non accetta valori";
    QTest::newRow("no --esporta") << QStringList{"--vista", "archivio"} << "Scadenze.ics"
                                  << "manca --esporta FILE; uso: memora --esporta FILE "
                                     "[--vista archivio|imminenti|giorno GG/MM/AAAA|mese MM/AAAA]";
    QTest::newRow("unknown view") << QStringList{"--esporta", "Scadenze.ics", "--vista", "settimana"}
                                  << "Scadenze.ics"
                                  << "vista sconosciuta: settimana (archivio, imminenti, giorno GG/MM/AAAA, "
                                     "mese MM/AAAA)";
    QTest::newRow("no date after giorno") << QStringList{"--esporta", "Scadenze.ics", "--vista", "giorno"}
                                          << "Scadenze.ics" << "la vista giorno richiede la data (GG/MM/AAAA)";
    QTest::newRow("a date that is none") << QStringList{"--esporta", "Scadenze.ics", "--vista", "giorno", "31/02/2014"}
                                         << "Scadenze.ics" << "data non valida: 31/02/2014 (GG/MM/AAAA)";
    QTest::newRow("no month after mese") << QStringList{"--esporta", "Scadenze.xls", "--vista", "mese"}
                                         << "Scadenze.xls" << "la vista mese richiede il mese (MM/AAAA)";
    QTest::newRow("month 13") << QStringList{"--esporta", "Scadenze.xls", "--vista", "mese", "13/2014"}
                              << "Scadenze.xls" << "mese non valido: 13/2014 (MM/AAAA)";
    QTest::newRow("a month with a dash") << QStringList{"--esporta", "Scadenze.xls", "--vista", "mese", "03-2014"}
                                         << "Scadenze.xls" << "mese non valido: 03-2014 (MM/AAAA)";
    QTest::newRow("a date for a view that takes none")
        << QStringList{"--esporta", "Scadenze.ics", "--vista", "archivio", "15/03/2014"} << "Scadenze.ics"
        << "argomento non previsto: 15/03/2014";
    QTest::newRow("unknown extension") << QStringList{"--esporta", "Scadenze.pdf"} << "Scadenze.pdf"
                                       << "formato sconosciuto .pdf: " + formats;
    QTest::newRow("no extension") << QStringList{"--esporta", "Scadenze"} << "Scadenze"
                                  << "il file Scadenze non ha un'estensione: " + formats;
}

// One Italian line, status 2, and nothing written or left behind.
void TestCommandLine::badArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFile earlier(inFolder(file));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier export");
    earlier.close();
    const QStringList before = entries(m_folder->path());
    QCOMPARE(run(arguments), 2);
    QCOMPARE(m_err, "memora: " + message + '\n');
    QCOMPARE(m_out, QString());
    QCOMPARE(readBytes(inFolder(file)), QByteArray("earlier export"));
    QCOMPARE(entries(m_folder->path()), before);
}

void TestCommandLine::archiveUnreadable()
{
    const QString archive = archivePath(m_folder->path());
    QVERIFY(QFile::remove(archive));
    QVERIFY(QDir(m_folder->path()).mkdir(archiveFileName));
    QCOMPARE(run({QStringLiteral("--esporta"), QStringLiteral("Scadenze.ics")}), 1);
    QCOMPARE(m_err, QStringLiteral("memora: impossibile leggere l'archivio %1\n").arg(archive));
    QCOMPARE(entries(m_folder->path()), QStringList(archiveFileName));
}

void TestCommandLine::fileNotWritable_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("calendar, the name taken by a folder") << "Scadenze.ics";
    QTest::newRow("spreadsheet, the name taken by a folder") << "Scadenze.xls";
    QTest::newRow("calendar, in a folder that does not exist") << "manca/Scadenze.ics";
    QTest::newRow("spreadsheet, in a folder that does not exist") << "manca/Scadenze.xls";
}

// Status 1 and its line; a folder in the way keeps what it holds, and no
// part of the file is left beside it.
void TestCommandLine::fileNotWritable()
{
    QFETCH(QString, file);
    if (!file.contains(u'/')) {
        QVERIFY(QDir(m_folder->path()).mkpath(file + QStringLiteral("/dentro")));
    }
    const QStringList before = entries(m_folder->path());
    QCOMPARE(run({QStringLiteral("--esporta"), file}), 1);
    QCOMPARE(m_err, QStringLiteral("memora: impossibile scrivere il file %1\n").arg(file));
    QCOMPARE(entries(m_folder->path()), before);
    if (!file.contains(u'/'))
        QCOMPARE(entries(inFolder(file)), QStringList(QStringLiteral("dentro")));
}

void TestCommandLine::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("firstLine");
    const QString usage = QStringLiteral(
        "Uso: memora --esporta FILE [--vista archivio|imminenti|giorno GG/MM/AAAA|mese MM/AAAA]");
    QTest::newRow("--help") << "--help" << usage;
    QTest::newRow("-h") << "-h" << usage;
    QTest::newRow("--version") << "--version" << "Memora " MEMORA_VERSION;
    QTest::newRow("-v") << "-v" << "Memora " MEMORA_VERSION;
}

void TestCommandLine::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, firstLine);
    QCOMPARE(run({option}), 0);
    QCOMPARE(m_err, QString());
    QCOMPARE(m_out.section(u'\n', 0, 0), firstLine);
    if (option.contains(u'h')) {
        for (const char* part : {"  --esporta FILE ", "  --vista VISTA ", "  -h, --help ", "  -v, --version ",
                                 "formati: .ics, .xls", "memora --esporta ~/Scadenze.ics"})
            QVERIFY2(m_out.contains(QLatin1String(part)), part);
    }
    QCOMPARE(entries(m_folder->path()), QStringList(archiveFileName));
}

// The executable itself, copied with an archive into a folder of its own, run
// with no display and no platform named: it writes the imminent cards of the
// system clock's today, and says what is wrong on its error stream.
void TestCommandLine::executableRunsWithoutDisplay()
{
    const QString executable = inFolder(QStringLiteral("memora"));
    QVERIFY(QFile::copy(QStringLiteral(MEMORA_EXECUTABLE), executable));
    const QDate today = QDate::currentDate();
    TSchedaScadenza due = makeCard(formatDate(today.addDays(2)), QStringLiteral("3"));
    TSchedaScadenza later = makeCard(formatDate(today.addDays(20)), QStringLiteral("3"));
    writeArchive(archivePath(m_folder->path()), {later, due});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    const auto runExecutable = [&](const QStringList& arguments, QByteArray* out, QByteArray* err) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_folder->path());
        process.start(executable, arguments);
        if (!process.waitForFinished(60000))
            return -1;
        *out = process.readAllStandardOutput();
        *err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    QByteArray out;
    QByteArray err;
    QCOMPARE(runExecutable({QStringLiteral("--esporta"), QStringLiteral("Scadenze.ics")}, &out, &err), 0);
    QCOMPARE(err, QByteArray());
    QCOMPARE(uidCards(readBytes(inFolder(QStringLiteral("Scadenze.ics")))), QList<int>{2});
    QCOMPARE(runExecutable({QStringLiteral("--esporta"), QStringLiteral("Scadenze.pdf")}, &out, &err), 2);
    QCOMPARE(QString::fromUtf8(err),
             QStringLiteral("memora: formato sconosciuto .pdf: si pu\u00f2 esportare in .ics, .xls, .xlsx\n"));
    QCOMPARE(runExecutable({QStringLiteral("--help")}, &out, &err), 0);
    QVERIFY(out.startsWith("Uso: memora --esporta FILE"));
}

QObject* makeCommandLineTest() { return new TestCommandLine; }

#include "tst_command_line.moc"
