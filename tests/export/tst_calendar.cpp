// The calendar files, headless and in the time zone of Rome: the file's form
// byte by byte, every event as Python's icalendar reads it back, the UIDs
// across exports and archives, the time zones, the grid's card numbers, the
// views' calendar button, and khal importing a file twice when installed.
#include "archive/archive_file.h"
#include "export/calendar_file.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/grid_export.h"
#include "export_fixtures.h"
#include "fake_platform.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace memora;
using memora::test::cardAt;
using memora::test::makeView;
using memora::test::readBytes;
using memora::test::writeArchive;

Q_DECLARE_METATYPE(ExportViewKind)

namespace {

const QDateTime stamp(QDate(2014, 3, 10), QTime(9, 30), QTimeZone("Europe/Rome"));

// A reason of the field's 250 characters with commas, semicolons, a line
// break and accents, so its lines fold between multi-byte characters.
QString longReason()
{
    const QString start = QStringLiteral("Rata, mutuo; casa\nseconda riga: ");
    return start + QStringLiteral("citt\u00e0 ").repeated(50).left(250 - start.size());
}

// Cards numbered 1 to 8; card 6 has a date that cannot be read.
QList<TSchedaScadenza> fixtureCards()
{
    TSchedaScadenza full = cardAt("15/03/2014", "09", "30", "3");
    full.Dettagli = QStringLiteral("Perch\u00e9 s\u00ec");
    full.Contatto = QStringLiteral("Caff\u00e8 & C.");
    full.Tel = QStringLiteral("055 123456");
    full.Cel = QStringLiteral("333 1234567");
    full.Email = QStringLiteral("nome@esempio.it");
    full.Luogo = QStringLiteral("Citt\u00e0, via Roma; 1");
    full.Importo = QStringLiteral("1.234,50");
    full.Note = QStringLiteral("Pagare \u20ac in contanti");
    TSchedaScadenza summer = cardAt("17/07/2014", "18", "45", "30");
    summer.Tipologia = QStringLiteral("Casa, ufficio");
    TSchedaScadenza longOne = cardAt("20/03/2014", "10", "00", "1");
    longOne.Causale = longReason();
    TSchedaScadenza noNotice = cardAt("21/03/2014", "10", "00", "");
    noNotice.Note = QStringLiteral("prima\x01" "dopo\r\nterza\rquarta");
    return {full,
            cardAt("16/03/2014", "00", "00", "0"),
            cardAt("12/03/2014", "09", "30", "5", flagFulfilled),
            summer,
            longOne,
            cardAt("31/02/2014", "10", "00", "0"),
            noNotice,
            cardAt("22/03/2014", "", "", "2")};
}

std::vector<int> allCards(int count)
{
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

// The card numbers in the file's UIDs, in file order.
QList<int> uidCards(const QByteArray& file)
{
    QList<int> cards;
    static const QRegularExpression uid(QStringLiteral("^UID:scheda-(\\d+)-[0-9a-f]{16}@memora\r$"),
                                        QRegularExpression::MultilineOption);
    for (auto match = uid.globalMatch(QString::fromUtf8(file)); match.hasNext();)
        cards << match.next().captured(1).toInt();
    return cards;
}

// The file's logical lines, its folded lines joined again.
QStringList unfolded(const QByteArray& file)
{
    return QString::fromUtf8(file).replace(QStringLiteral("\r\n "), QString()).split(QStringLiteral("\r\n"));
}

// An event's start as one text: its date, or its local time, zone and UTC time.
QString startText(const QJsonObject& start)
{
    if (start.contains(QLatin1String("date")))
        return start[QLatin1String("date")].toString();
    return start[QLatin1String("local")].toString() + u' ' + start[QLatin1String("tzid")].toString() + u' '
           + start[QLatin1String("utc")].toString();
}

// Each reminder as "trigger seconds action description".
QStringList alarmTexts(const QJsonArray& alarms)
{
    QStringList texts;
    for (const QJsonValue& alarm : alarms)
        texts << QStringLiteral("%1 %2 %3")
                     .arg(alarm[QLatin1String("trigger_seconds")].toInt())
                     .arg(alarm[QLatin1String("action")].toString(), alarm[QLatin1String("description")].toString());
    return texts;
}

QStringList stringList(const QJsonValue& value)
{
    QStringList texts;
    for (const QJsonValue& item : value.toArray())
        texts << item.toString();
    return texts;
}

// A device that remembers how it was written to.
class RecordingDevice : public QIODevice {
public:
    RecordingDevice() { open(QIODevice::WriteOnly); }
    qint64 total = 0;
    qint64 largestWrite = 0;
    int writes = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        total += size;
        largestWrite = std::max(largestWrite, size);
        ++writes;
        return size;
    }
};

}  // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fileForm();
    void writtenEventByEvent();
    void failureLeavesTheFileAsItWas_data();
    void failureLeavesTheFileAsItWas();
    void gridKeepsCardNumbers_data();
    void gridKeepsCardNumbers();

    void readerSeesEachCard_data();
    void readerSeesEachCard();
    void uidsStableAndApartBetweenArchives();
    void zoneRulesReadAsTheZone_data();
    void zoneRulesReadAsTheZone();
    void utcTimes_data();
    void utcTimes();

    void viewButton_data();
    void viewButton();
    void viewButtonOffersToOpen_data();
    void viewButtonOffersToOpen();
    void viewButtonFailure();
    void viewCalendarHoldsTheArchiveCards();
    void informationLine();

    void calendarProgramImportsTwice();

private:
    // The calendar of every fixture card, written in the zone given.
    QString writeFixture(const QTimeZone& zone = QTimeZone("Europe/Rome"));
    // The files as Python's icalendar reads them.
    QJsonArray readBack(const QStringList& files);

    std::unique_ptr<test::FakePlatform> m_platform;
    bool m_readerInstalled = false;
};

void TestCalendar::initTestCase()
{
    QCOMPARE(QTimeZone::systemTimeZoneId(), QByteArray("Europe/Rome"));
    m_readerInstalled = test::pythonHas(QStringLiteral(PYTHON3), QStringLiteral("icalendar"));
}

void TestCalendar::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestCalendar::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

QString TestCalendar::writeFixture(const QTimeZone& zone)
{
    const QList<TSchedaScadenza> cards = fixtureCards();
    writeArchive(m_platform->archive(), cards);
    const QString path = QDir(m_platform->directory()).filePath(QStringLiteral("Scadenze.ics"));
    if (!writeCalendarFile(path, {m_platform->archive(), zone, stamp}, allCards(int(cards.size()))))
        qFatal("the calendar was not written");
    return path;
}

QJsonArray TestCalendar::readBack(const QStringList& files)
{
    const test::ToolRun reader =
        test::runTool(QStringLiteral(PYTHON3), QStringList{QStringLiteral(CALENDAR_READER)} + files);
    if (!reader.ok)
        qFatal("the calendar reader failed");
    const QJsonArray calendars = QJsonDocument::fromJson(reader.output).array();
    for (const QJsonValue& calendar : calendars) {
        const QJsonValue zone = calendar[QLatin1String("zones")][0];
        for (const QJsonValue& found : {calendar[QLatin1String("error")], zone[QLatin1String("error")]})
            if (!found.isUndefined())
                qWarning("icalendar: %s", qPrintable(found.toString()));
    }
    return calendars;
}

// Lines of at most 75 octets ended by CRLF, folded between characters; the
// zone under its plain name, without any rule ending in UTC.
void TestCalendar::fileForm()
{
    const QByteArray file = readBytes(writeFixture());
    QVERIFY(file.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Memora//Memora " MEMORA_VERSION "//IT\r\n"));
    QVERIFY(file.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    QVERIFY(!file.contains("\n\n") && !file.contains("\r\r"));
    QByteArrayList lines = file.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    bool folded = false;
    for (const QByteArray& line : lines) {
        QVERIFY2(line.endsWith('\r'), line.constData());
        QVERIFY2(line.size() - 1 <= 75, line.constData());
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(line);
        QVERIFY2(!utf8.hasError(), line.constData());
        QVERIFY2(std::none_of(text.begin(), text.end() - 1, [](QChar c) { return c.unicode() < 0x20; }),
                 line.constData());
        folded = folded || line.startsWith(' ');
    }
    QVERIFY(folded);
    const QStringList logical = unfolded(file);
    QCOMPARE(logical.count(QStringLiteral("BEGIN:VTIMEZONE")), 1);
    QVERIFY(logical.contains(QStringLiteral("TZID:Europe/Rome")));
    QVERIFY(!file.contains("UNTIL") && !file.contains("freeassociation"));
    QVERIFY(logical.contains(QStringLiteral("DTSTART;TZID=Europe/Rome:20140315T093000")));
    QVERIFY(logical.contains(QStringLiteral("DTSTART;VALUE=DATE:20140316")));
    QVERIFY(logical.contains(QStringLiteral("DTSTART;VALUE=DATE:20140322")));
    QVERIFY(logical.contains(QStringLiteral("TRIGGER:-P3D")));
    QVERIFY(logical.contains(QStringLiteral("TRIGGER:PT0S")));
    QVERIFY(logical.contains(QStringLiteral("DTSTAMP:20140310T083000Z")));
    QVERIFY(logical.contains(QStringLiteral("SUMMARY:") + QString(longReason())
                                                              .replace(u',', QStringLiteral("\\,"))
                                                              .replace(u';', QStringLiteral("\\;"))
                                                              .replace(u'\n', QStringLiteral("\\n"))));
    QCOMPARE(uidCards(file), QList<int>({1, 2, 3, 4, 5, 7, 8}));
}

// Each event goes out by itself as it is built: no write holds more than the
// head or one event, whatever the number of cards.
void TestCalendar::writtenEventByEvent()
{
    const int cards = 3000;
    QList<TSchedaScadenza> archive;
    for (int k = 0; k < cards; ++k)
        archive << cardAt("15/03/2014", "09", "30", "3");
    writeArchive(m_platform->archive(), archive);
    RecordingDevice device;
    QVERIFY(writeCalendar(device, {m_platform->archive(), QTimeZone("Europe/Rome"), stamp}, allCards(cards)));
    QVERIFY(device.writes > cards);
    QVERIFY(device.total > cards * 200);
    QVERIFY2(device.largestWrite < 32 * 1024, "the calendar is gathered in memory");
}

void TestCalendar::failureLeavesTheFileAsItWas_data()
{
    QTest::addColumn<bool>("archiveUnreadable");
    QTest::newRow("the archive cannot be read") << true;
    QTest::newRow("the file's name taken by a folder") << false;
}

// Nothing half-written under the name, and no temporary file left beside it.
void TestCalendar::failureLeavesTheFileAsItWas()
{
    QFETCH(bool, archiveUnreadable);
    QDir directory(m_platform->directory());
    const QString path = directory.filePath(QStringLiteral("Scadenze.ics"));
    if (archiveUnreadable) {
        QVERIFY(directory.mkdir(archiveFileName));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier export");
    } else {
        writeArchive(m_platform->archive(), fixtureCards());
        QVERIFY(directory.mkdir(QStringLiteral("Scadenze.ics")));
    }
    const QStringList before = directory.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY(!writeCalendarFile(path, {m_platform->archive(), QTimeZone("Europe/Rome"), stamp}, {1, 2}));
    QCOMPARE(directory.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    if (archiveUnreadable)
        QCOMPARE(readBytes(path), QByteArray("earlier export"));
}

void TestCalendar::gridKeepsCardNumbers_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QList<int>>("cards");
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << QList<int>{1, 2, 3, 4};
    QTest::newRow("imminent, ordered") << ExportViewKind::Imminenti << QList<int>{4, 2};
    QTest::newRow("month, ordered") << ExportViewKind::Mensili << QList<int>{4, 2, 1, 3};
}

// Column 0 of a filtered view holds a running number; each row still knows
// its card, through ordering and typing into a cell.
void TestCalendar::gridKeepsCardNumbers()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QList<int>, cards);
    writeArchive(m_platform->archive(),
                 {cardAt("20/03/2014", "10", "00", "0"), cardAt("09/03/2014", "08", "00", "0"),
                  cardAt("25/03/2014", "10", "00", "0"), cardAt("01/03/2014", "08", "00", "0")});
    const ExportViewDefinition& view = exportViewDefinition(kind);
    ExportGridModel grid(view.gridColumns(), {colDettagli});
    QVERIFY(loadExportView(grid, kind, m_platform->archive(), QDate(2014, 3, 10), QDate(2014, 3, 10)).complete);
    QVERIFY(grid.setData(grid.index(0, colDettagli), QStringLiteral("scritto"), Qt::EditRole));
    const std::vector<int> numbers = grid.cardNumbers();
    QCOMPARE(QList<int>(numbers.begin(), numbers.end()), cards);
}

void TestCalendar::readerSeesEachCard_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("alarms");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QString>("description");
    const QStringList pagamento = {"Pagamento"};
    QTest::newRow("every field, accents and the euro sign")
        << 1 << "Rata mutuo" << "2014-03-15T09:30:00 Europe/Rome 2014-03-15T08:30:00Z"
        << QStringList{"-259200 DISPLAY Rata mutuo"} << "" << "Citt\u00e0, via Roma; 1" << pagamento
        << "Dettagli: Perch\u00e9 s\u00ec\nPersona / Ditta: Caff\u00e8 & C.\nTelefono: 055 123456\n"
           "Cellulare: 333 1234567\nE-mail: nome@esempio.it\nImporto: 1.234,50\nNote: Pagare \u20ac in contanti";
    QTest::newRow("at 00:00: all day, reminder at the start for notice 0")
        << 2 << "Rata mutuo" << "2014-03-16" << QStringList{"0 DISPLAY Rata mutuo"} << "" << "" << pagamento
        << "Persona / Ditta: Banca";
    QTest::newRow("fulfilled: done, no reminder")
        << 3 << "\u2713 Rata mutuo" << "2014-03-12T09:30:00 Europe/Rome 2014-03-12T08:30:00Z" << QStringList()
        << "CONFIRMED" << "" << pagamento << "Persona / Ditta: Banca";
    QTest::newRow("summer time, a type of two categories")
        << 4 << "Rata mutuo" << "2014-07-17T18:45:00 Europe/Rome 2014-07-17T16:45:00Z"
        << QStringList{"-2592000 DISPLAY Rata mutuo"} << "" << "" << QStringList{"Casa", "ufficio"}
        << "Persona / Ditta: Banca";
    QTest::newRow("a reason of 250 characters")
        << 5 << longReason() << "2014-03-20T10:00:00 Europe/Rome 2014-03-20T09:00:00Z"
        << QStringList{"-86400 DISPLAY " + longReason()} << "" << "" << pagamento << "Persona / Ditta: Banca";
    QTest::newRow("no notice: no reminder; control characters and line breaks")
        << 7 << "Rata mutuo" << "2014-03-21T10:00:00 Europe/Rome 2014-03-21T09:00:00Z" << QStringList() << ""
        << "" << pagamento << "Persona / Ditta: Banca\nNote: prima dopo\nterza\nquarta";
    QTest::newRow("no time: all day, reminder days before")
        << 8 << "Rata mutuo" << "2014-03-22" << QStringList{"-172800 DISPLAY Rata mutuo"} << "" << "" << pagamento
        << "Persona / Ditta: Banca";
}

void TestCalendar::readerSeesEachCard()
{
    if (!m_readerInstalled)
        QSKIP("Python's icalendar is not installed");
    QFETCH(int, card);
    QFETCH(QString, summary);
    QFETCH(QString, start);
    QFETCH(QStringList, alarms);
    QFETCH(QString, status);
    QFETCH(QString, location);
    QFETCH(QStringList, categories);
    QFETCH(QString, description);
    const QJsonObject calendar = readBack({writeFixture()}).at(0).toObject();
    QCOMPARE(calendar[QLatin1String("version")].toString(), QStringLiteral("2.0"));
    const QJsonArray events = calendar[QLatin1String("events")].toArray();
    QCOMPARE(events.size(), 7);  // card 6's date cannot be read
    const auto found = std::find_if(events.begin(), events.end(), [card](const QJsonValue& event) {
        return event[QLatin1String("uid")].toString().startsWith(QStringLiteral("scheda-%1-").arg(card));
    });
    QVERIFY(found != events.end());
    const QJsonObject event = found->toObject();
    QCOMPARE(event[QLatin1String("summary")].toString(), summary);
    QCOMPARE(startText(event[QLatin1String("start")].toObject()), start);
    QCOMPARE(alarmTexts(event[QLatin1String("alarms")].toArray()), alarms);
    QCOMPARE(event[QLatin1String("status")].toString(), status);
    QCOMPARE(event[QLatin1String("location")].toString(), location);
    QCOMPARE(stringList(event[QLatin1String("categories")]), categories);
    QCOMPARE(event[QLatin1String("description")].toString(), description);
    QCOMPARE(event[QLatin1String("dtstamp")].toString(), QStringLiteral("2014-03-10T08:30:00Z"));
}

// The same archive exported twice gives the same UIDs, one for each card;
// another archive with the same cards gives others.
void TestCalendar::uidsStableAndApartBetweenArchives()
{
    if (!m_readerInstalled)
        QSKIP("Python's icalendar is not installed");
    const QString first = writeFixture();
    const QString again = QDir(m_platform->directory()).filePath(QStringLiteral("Ancora.ics"));
    QVERIFY(writeCalendarFile(again, {m_platform->archive(), QTimeZone("Europe/Rome"), stamp.addDays(1)},
                              allCards(8)));
    QTemporaryDir otherFolder;
    const QString otherArchive = archivePath(otherFolder.path());
    writeArchive(otherArchive, fixtureCards());
    const QString elsewhere = QDir(otherFolder.path()).filePath(QStringLiteral("Scadenze.ics"));
    QVERIFY(writeCalendarFile(elsewhere, {otherArchive, QTimeZone("Europe/Rome"), stamp}, allCards(8)));

    const QJsonArray calendars = readBack({first, again, elsewhere});
    QList<QSet<QString>> uids;
    for (const QJsonValue& calendar : calendars) {
        QSet<QString> set;
        for (const QJsonValue& event : calendar[QLatin1String("events")].toArray())
            set << event[QLatin1String("uid")].toString();
        QCOMPARE(set.size(), 7);
        uids << set;
    }
    QCOMPARE(uids[0], uids[1]);
    QVERIFY(!uids[0].intersects(uids[2]));
    QCOMPARE(calendars[1][QLatin1String("events")][0][QLatin1String("dtstamp")].toString(),
             QStringLiteral("2014-03-11T08:30:00Z"));
}

void TestCalendar::zoneRulesReadAsTheZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("Rome") << QByteArray("Europe/Rome");
    QTest::newRow("Sydney, summer time across the new year") << QByteArray("Australia/Sydney");
}

// A reader that does not know the zone's name reads its rules from the file:
// icalendar builds the zone from them, and on every day from 1900 to 2037 it
// gives the offset the system's own zone of that name gives.
void TestCalendar::zoneRulesReadAsTheZone()
{
    if (!m_readerInstalled)
        QSKIP("Python's icalendar is not installed");
    QFETCH(QByteArray, zone);
    const QJsonObject calendar = readBack({writeFixture(QTimeZone(zone))}).at(0).toObject();
    const QJsonArray zones = calendar[QLatin1String("zones")].toArray();
    QCOMPARE(zones.size(), 1);
    QCOMPARE(zones[0][QLatin1String("tzid")].toString(), QString::fromLatin1(zone));
    QCOMPARE(zones[0][QLatin1String("mismatched_days")].toInt(-1), 0);
    const QJsonObject first = calendar[QLatin1String("events")][0].toObject();
    QCOMPARE(first[QLatin1String("start")][QLatin1String("tzid")].toString(), QString::fromLatin1(zone));
}

void TestCalendar::utcTimes_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("start");
    QTest::newRow("UTC") << QByteArray("UTC") << "2014-03-15T09:30:00 UTC 2014-03-15T09:30:00Z";
    QTest::newRow("Etc/UTC, the zone of many servers") << QByteArray("Etc/UTC")
                                                       << "2014-03-15T09:30:00 UTC 2014-03-15T09:30:00Z";
    QTest::newRow("a zone libical does not know") << QByteArray("UTC+01:00")
                                                  << "2014-03-15T08:30:00 UTC 2014-03-15T08:30:00Z";
}

// Times in UTC with a Z and no zone described; all-day events stay dates.
void TestCalendar::utcTimes()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, start);
    QVERIFY(QTimeZone(zone).isValid());
    const QString path = writeFixture(QTimeZone(zone));
    const QStringList logical = unfolded(readBytes(path));
    QVERIFY(!logical.contains(QStringLiteral("BEGIN:VTIMEZONE")));
    QVERIFY(logical.contains(QStringLiteral("DTSTART:") + start.section(u' ', 2).remove(u'-').remove(u':')));
    QVERIFY(logical.contains(QStringLiteral("DTSTART;VALUE=DATE:20140316")));
    if (!m_readerInstalled)
        QSKIP("Python's icalendar is not installed: the file's lines were checked");
    const QJsonArray events = readBack({path}).at(0)[QLatin1String("events")].toArray();
    QCOMPARE(startText(events[0][QLatin1String("start")].toObject()), start);
    QCOMPARE(startText(events[1][QLatin1String("start")].toObject()), QStringLiteral("2014-03-16"));
}

void TestCalendar::viewButton_data()
{
    QTest::addColumn<ExportViewKind>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QList<int>>("cards");
    // Today 10/03/2014; the day and month views look at 15/03/2014.
    QTest::newRow("whole archive") << ExportViewKind::Scadenzario << "Riepilogo_Scadenze.ics"
                                   << QList<int>{1, 2, 3, 4, 5, 7, 8};
    QTest::newRow("imminent") << ExportViewKind::Imminenti << "Scadenze_Imminenti.ics" << QList<int>{2};
    QTest::newRow("day") << ExportViewKind::Giornaliere << "Scadenze_Giornaliere.ics" << QList<int>{1};
    QTest::newRow("month") << ExportViewKind::Mensili << "Scadenze_Mensili.ics" << QList<int>{1, 2, 3, 5, 7, 8};
}

// The button beside the others, then the export's questions and the file of
// the view's cards, stamped with the program's clock.
void TestCalendar::viewButton()
{
    QFETCH(ExportViewKind, kind);
    QFETCH(QString, fileName);
    QFETCH(QList<int>, cards);
    QList<TSchedaScadenza> archive = fixtureCards();
    archive[1].Avviso = QStringLiteral("6");  // the one card imminent on 10/03/2014
    writeArchive(m_platform->archive(), archive);
    auto view = makeView(kind, QDate(2014, 3, 15));
    QCOMPARE(view->cmdEsportaCalendario->accessibleName(), QStringLiteral("Esporta calendario (.ics)"));
    QCOMPARE(view->cmdEsportaCalendario->accessibleDescription(), QStringLiteral("Esporta calendario (.ics)"));
    QCOMPARE(view->cmdEsportaCalendario->toolTip(), QStringLiteral("Esporta calendario (.ics)"));
    QCOMPARE(view->cmdEsportaCalendario->geometry(), QRect(520, 12, 60, 60));
    QCOMPARE(view->imgLogo->geometry(), QRect(12, 8, 430, 68));
    QCOMPARE(view->cmdEsportaXlsx->nextInFocusChain(), view->cmdEsportaCalendario);
    QCOMPARE(view->cmdEsportaCalendario->nextInFocusChain(), view->cmdGuida);
    view->show();
    m_platform->messages.answers = {true, false};
    view->cmdEsportaCalendario->click();
    QCOMPARE(m_platform->messages.questions, QStringList({MsgEsportaAdesso, MsgApriFileExcel}));
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(m_platform->desktop.opened.isEmpty());
    const QByteArray file = readBytes(QDir(m_platform->directory()).filePath(fileName));
    QList<int> written = uidCards(file);
    std::sort(written.begin(), written.end());
    QCOMPARE(written, cards);
    QVERIFY(unfolded(file).contains(QStringLiteral("DTSTAMP:20140310T083000Z")));
    QVERIFY(view->isVisible());
}

void TestCalendar::viewButtonOffersToOpen_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes opens the file") << true;
    QTest::newRow("No opens nothing") << false;
}

void TestCalendar::viewButtonOffersToOpen()
{
    QFETCH(bool, answer);
    TfrmExpScadenzario view;
    view.show();
    m_platform->messages.answers = {true, answer};
    view.cmdEsportaCalendario->click();
    const QString path = QDir(m_platform->directory()).filePath(QStringLiteral("Riepilogo_Scadenze.ics"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_platform->desktop.opened, answer ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
}

// The failure message, no second question, and the folder in the way kept.
void TestCalendar::viewButtonFailure()
{
    writeArchive(m_platform->archive(), fixtureCards());
    QDir directory(m_platform->directory());
    QVERIFY(directory.mkdir(QStringLiteral("Scadenze_Giornaliere.ics")));
    TfrmExpGiornaliere view(nullptr, QDate(2014, 3, 15));
    view.show();
    m_platform->messages.answers = {true, true};
    view.cmdEsportaCalendario->click();
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgEsportazioneImpossibile);
    QCOMPARE(m_platform->messages.questions, QStringList(MsgEsportaAdesso));
    QVERIFY(m_platform->desktop.opened.isEmpty());
    QVERIFY(QFileInfo(directory.filePath(QStringLiteral("Scadenze_Giornaliere.ics"))).isDir());
    QVERIFY(view.isVisible());
}

// A text typed into the grid stays out of the calendar: its events are the
// cards as the archive holds them.
void TestCalendar::viewCalendarHoldsTheArchiveCards()
{
    TSchedaScadenza card = cardAt("15/03/2014", "09", "30", "3");
    card.Dettagli = QStringLiteral("Originale");
    writeArchive(m_platform->archive(), {card});
    TfrmExpScadenzario view;
    view.show();
    QVERIFY(view.grid().setData(view.grid().index(0, colDettagli), QStringLiteral("Scritto"), Qt::EditRole));
    QCOMPARE(view.grid().text(0, colDettagli), QStringLiteral("Scritto"));
    m_platform->messages.answers = {true, false};
    view.cmdEsportaCalendario->click();
    const QStringList logical =
        unfolded(readBytes(QDir(m_platform->directory()).filePath(QStringLiteral("Riepilogo_Scadenze.ics"))));
    QVERIFY(logical.contains(QStringLiteral("DESCRIPTION:Dettagli: Originale\\nPersona / Ditta: Banca")));
}

void TestCalendar::informationLine()
{
    TfrmExpImminenti view;
    view.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), view.cmdEsportaCalendario->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.cmdEsportaCalendario, &move);
    QCOMPARE(view.panInfo->text(), QStringLiteral("Esporta calendario (.ics)"));
}

// khal, a calendar program, imports the file twice into a calendar of its
// own: one event for each card, each listed at its day and time, and the
// reminder kept in the event khal stored.
void TestCalendar::calendarProgramImportsTwice()
{
    const QString khal = QStandardPaths::findExecutable(QStringLiteral("khal"));
    if (khal.isEmpty())
        QSKIP("khal is not installed");
    const QString file = writeFixture();
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("calendario"));
    const QString calendarFolder = QDir(home.path()).filePath(QStringLiteral("calendario"));
    const QString config = QDir(home.path()).filePath(QStringLiteral("config"));
    QFile configFile(config);
    QVERIFY(configFile.open(QIODevice::WriteOnly));
    configFile.write("[calendars]\n[[scadenze]]\npath = " + calendarFolder.toUtf8()
                     + "\ntype = calendar\n"
                       "[locale]\ntimeformat = %H:%M\ndateformat = %d/%m/%Y\nlongdateformat = %d/%m/%Y\n"
                       "datetimeformat = %d/%m/%Y %H:%M\nlongdatetimeformat = %d/%m/%Y %H:%M\n"
                       "local_timezone = Europe/Rome\ndefault_timezone = Europe/Rome\n"
                       "[default]\ndefault_calendar = scadenze\n");
    configFile.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(name), home.path());
    const auto runKhal = [&](const QStringList& arguments) {
        return QString::fromUtf8(test::runTool(khal, QStringList{QStringLiteral("-c"), config} + arguments, environment).output);
    };
    for (int import = 0; import < 2; ++import)
        runKhal({QStringLiteral("import"), QStringLiteral("--batch"), file});
    const QStringList stored = QDir(calendarFolder).entryList({QStringLiteral("*.ics")}, QDir::Files);
    QCOMPARE(stored.size(), 7);
    QStringList listed = runKhal({QStringLiteral("list"), QStringLiteral("--day-format"), QString(),
                                  QStringLiteral("--format"), QStringLiteral("{start} {uid}"),
                                  QStringLiteral("01/01/2014"), QStringLiteral("31/12/2014")})
                             .split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : listed)
        line.remove(QRegularExpression(QStringLiteral("-[0-9a-f]{16}@memora$")));
    listed.sort();
    QCOMPARE(listed, QStringList({"12/03/2014 09:30 scheda-3", "15/03/2014 09:30 scheda-1", "16/03/2014 scheda-2",
                                  "17/07/2014 18:45 scheda-4", "20/03/2014 10:00 scheda-5",
                                  "21/03/2014 10:00 scheda-7", "22/03/2014 scheda-8"}));
    const auto storedEvent = std::find_if(stored.begin(), stored.end(),
                                          [](const QString& name) { return name.startsWith("scheda-1-"); });
    QVERIFY(storedEvent != stored.end());
    const QByteArray event = readBytes(QDir(calendarFolder).filePath(*storedEvent));
    QVERIFY2(event.contains("TRIGGER:-P3D"), event.constData());
}

QObject* makeCalendarTest() { return new TestCalendar; }

#include "tst_calendar.moc"
