// The card rules at a fixed today, the summary line and the date-time key.
#include "archive/archive_file.h"
#include "fake_platform.h"
#include "list_limit.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"
#include "rules/summary_line.h"
#include "test_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <map>

using namespace memora;
using memora::test::makeCard;
using memora::test::writeArchive;

namespace {

const QDate fixedToday(2014, 3, 10);  // every table reads "today" as 10/03/2014

// Each rule with the fields it names, as the lists scan with it.
struct NamedRule {
    FieldSet reads;
    bool (*keeps)(const TSchedaScadenza&);
};
const std::map<QString, NamedRule> namedRules = {
    {"Imminente", {ImminenteFields, [](const TSchedaScadenza& card) { return Imminente(card, fixedToday); }}},
    {"DaAssolvere", {DaAssolvereFields, &DaAssolvere}},
    {"ScadutaNonAssolta",
     {ScadutaNonAssoltaFields, [](const TSchedaScadenza& card) { return ScadutaNonAssolta(card, fixedToday); }}},
    {"Assolta", {AssoltaFields, &Assolta}},
    {"DelGiorno", {DelGiornoFields, [](const TSchedaScadenza& card) { return DelGiorno(card, fixedToday); }}},
    {"DelMese", {DelMeseFields, [](const TSchedaScadenza& card) { return DelMese(card, fixedToday); }}},
};

// Cards unlike in every field a rule or the summary line reads.
QList<TSchedaScadenza> unlikeCards()
{
    QList<TSchedaScadenza> cards = {
        makeCard("10/03/2014", "0", flagPending, "Oggi"),     makeCard("12/03/2014", "5", flagPending, "Presto"),
        makeCard("12/03/2014", "1", flagPending, "Dopo"),     makeCard("01/03/2014", "0", flagFulfilled, "Fatto"),
        makeCard("01/02/2014", "x", flagPending, "Scaduto"),  makeCard("31/02/2014", "0", flagPending, "Guasto"),
    };
    for (int k = 0; k < cards.size(); ++k) {
        cards[k].Ora = QStringLiteral("0%1:00").arg(k);
        cards[k].Contatto = QStringLiteral("Contatto %1").arg(k);
        cards[k].Cel = QStringLiteral("333 %1").arg(k);
    }
    return cards;
}

}  // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void dayAndMonth_data();
    void dayAndMonth();
    void summaryLine();
    void summaryLineCutsLongTexts();
    void dateTimeKey_data();
    void dateTimeKey();
    void scanSkipsUnreadableCards();
    void filterReadsEnough_data();
    void filterReadsEnough();
    void scanOfMissingArchiveCreatesIt();
    void scanOverHoles_data();
    void scanOverHoles();
    void listStopsAtItsMemoryLimit();
};

void TestRules::rules_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("imminente");
    QTest::addColumn<bool>("scaduta");
    QTest::addColumn<bool>("daAssolvere");
    QTest::addColumn<bool>("assolta");
    //                                               date          notice  flag        imm    scad   da     ass
    QTest::newRow("due in 2 days, notice 2")     << "12/03/2014" << "2"  << "No"      << true  << false << true  << false;
    QTest::newRow("due in 2 days, notice 1")     << "12/03/2014" << "1"  << "No"      << false << false << true  << false;
    QTest::newRow("due in 2 days, fulfilled")    << "12/03/2014" << "2"  << "S\u00ec" << false << false << false << true;
    QTest::newRow("long past, notice 0")         << "01/01/2014" << "0"  << "No"      << true  << true  << true  << false;
    QTest::newRow("due today, notice 0")         << "10/03/2014" << "0"  << "No"      << true  << false << true  << false;
    QTest::newRow("due yesterday, fulfilled")    << "09/03/2014" << "0"  << "S\u00ec" << false << false << false << true;
    QTest::newRow("notice 3, three days ahead")  << "13/03/2014" << "3"  << "No"      << true  << false << true  << false;
    QTest::newRow("notice 3, four days ahead")   << "14/03/2014" << "3"  << "No"      << false << false << true  << false;
    QTest::newRow("notice over a year end")      << "05/01/2015" << "301" << "No"     << true  << false << true  << false;
    QTest::newRow("flag with a leading blank")   << "09/03/2014" << "0"  << " No"     << true  << true  << true  << false;
    QTest::newRow("flag in small letters")       << "09/03/2014" << "0"  << "no"      << false << false << false << false;
    QTest::newRow("flag empty")                  << "09/03/2014" << "0"  << ""        << false << false << false << false;
    QTest::newRow("notice empty")                << "09/03/2014" << ""   << "No"      << false << true  << true  << false;
    QTest::newRow("notice not a number")         << "09/03/2014" << "5g" << "No"      << false << true  << true  << false;
    QTest::newRow("date empty")                  << ""           << "0"  << "No"      << false << false << true  << false;
    QTest::newRow("date impossible")             << "31/02/2014" << "0"  << "No"      << false << false << true  << false;
    QTest::newRow("date in another order")       << "2014-03-09" << "0"  << "No"      << false << false << true  << false;
}

void TestRules::rules()
{
    QFETCH(QString, date);
    QFETCH(QString, notice);
    QFETCH(QString, flag);
    const TSchedaScadenza card = makeCard(date, notice, flag);
    QTEST(Imminente(card, fixedToday), "imminente");
    QTEST(ScadutaNonAssolta(card, fixedToday), "scaduta");
    QTEST(DaAssolvere(card), "daAssolvere");
    QTEST(Assolta(card), "assolta");
}

void TestRules::dayAndMonth_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("delGiorno");
    QTest::addColumn<bool>("delMese");
    QTest::newRow("the chosen day")           << "15/07/2014"   << true  << true;
    QTest::newRow("the chosen day, blanks")   << " 15/07/2014 " << true  << true;
    QTest::newRow("another day of the month") << "01/07/2014"   << false << true;
    QTest::newRow("the same month a year on") << "15/07/2013"   << false << false;
    QTest::newRow("another month")            << "15/08/2014"   << false << false;
    QTest::newRow("empty date")               << ""             << false << false;
}

void TestRules::dayAndMonth()
{
    QFETCH(QString, date);
    const TSchedaScadenza card = makeCard(date);
    QTEST(DelGiorno(card, QDate(2014, 7, 15)), "delGiorno");
    QTEST(DelMese(card, QDate(2014, 7, 15)), "delMese");
}

void TestRules::summaryLine()
{
    TSchedaScadenza card = makeCard(QStringLiteral("10/03/2014"));
    card.Ora = QStringLiteral("09:30");
    card.Causale = QStringLiteral("Rata mutuo");
    card.Contatto = QStringLiteral("Banca");
    const QString line = RigaRiepilogo(card);
    QCOMPARE(line, QStringLiteral("Data: 10/03/2014  Ora: 09:30  Causale: Rata mutuo") + QString(44, u' ')
                       + QStringLiteral("  Contatto: Banca") + QString(25, u' ') + QStringLiteral(" Cel. "));
    QCOMPARE(line.size(), 141);
    card.Cel = QStringLiteral("  333 1234567 ");
    QVERIFY(RigaRiepilogo(card).endsWith(QStringLiteral(" Cel. 333 1234567")));
}

void TestRules::summaryLineCutsLongTexts()
{
    TSchedaScadenza first = makeCard(QStringLiteral("10/03/2014"));
    first.Causale = QString(54, u'c') + QStringLiteral("AAAAAA");
    first.Contatto = QString(30, u'k') + QStringLiteral("ZZ");
    TSchedaScadenza second = first;
    second.Causale = QString(54, u'c') + QStringLiteral("BBBBBB");
    QCOMPARE(RigaRiepilogo(first), RigaRiepilogo(second));
    QVERIFY(!RigaRiepilogo(first).contains(u'A'));
    QVERIFY(!RigaRiepilogo(first).contains(u'Z'));
    QCOMPARE(RigaRiepilogo(first).size(), 141);
}

void TestRules::dateTimeKey_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("key");
    QTest::newRow("a card of the editor") << "15/03/2014" << "09" << "30" << "201403150930";
    QTest::newRow("no hour and minutes")  << "15/03/2014" << ""   << ""   << "20140315";
    QTest::newRow("blanks around")        << " 15/03/2014" << " 9 " << "05" << "20140315905";
    QTest::newRow("short date")           << "1/3/2014"   << "10" << "00" << "14/21/1000";
    QTest::newRow("empty card")           << ""           << ""   << ""   << "";
}

void TestRules::dateTimeKey()
{
    QFETCH(QString, date);
    QFETCH(QString, hour);
    QFETCH(QString, minutes);
    TSchedaScadenza card = makeCard(date);
    card.OreApp = hour;
    card.MinutiApp = minutes;
    card.Ora = QStringLiteral("23:59");  // the key reads hour and minutes, not Ora
    QTEST(ChiaveDataOra(card), "key");
}

// A card that cannot be classified is skipped; the cards after it still count.
void TestRules::scanSkipsUnreadableCards()
{
    test::FakePlatform platform;
    TSchedaScadenza damaged = makeCard(QStringLiteral("01/03/2014"), QString());
    writeArchive(platform.archive(), {makeCard("01/03/2014"), makeCard("02/03/2014"), damaged,
                                      makeCard("03/03/2014"), makeCard("01/03/2030")});
    const SummaryScan scan = summaryLines(platform.archive(), {ImminenteFields, [](const TSchedaScadenza& card) {
                                              return Imminente(card, fixedToday);
                                          }});
    QVERIFY(scan.complete);
    QCOMPARE(int(scan.entries.size()), 3);
    QCOMPARE(scan.entries[0].cardNumber, 1);
    QCOMPARE(scan.entries[1].cardNumber, 2);
    QCOMPARE(scan.entries[2].cardNumber, 4);
    QVERIFY(scan.entries[2].line.startsWith(QStringLiteral("Data: 03/03/2014")));
}

// A scan decodes only the fields a rule names. Over every pair of unlike
// cards in a row it keeps the cards the rule keeps on whole cards, and lists
// each with its own line: no field of the card before shows through.
void TestRules::filterReadsEnough_data()
{
    QTest::addColumn<QString>("rule");
    for (const auto& [name, rule] : namedRules)
        QTest::newRow(qPrintable(name)) << name;
}

void TestRules::filterReadsEnough()
{
    QFETCH(QString, rule);
    const NamedRule& named = namedRules.at(rule);
    QList<TSchedaScadenza> cards;
    for (const TSchedaScadenza& first : unlikeCards())
        for (const TSchedaScadenza& second : unlikeCards())
            cards << first << second;
    test::FakePlatform platform;
    writeArchive(platform.archive(), cards);
    QStringList expected;
    for (int k = 0; k < cards.size(); ++k)
        if (named.keeps(cards[k]))
            expected << QString::number(k + 1) + u' ' + RigaRiepilogo(cards[k]);
    QVERIFY(!expected.isEmpty());
    QStringList listed;
    for (const SummaryEntry& entry : summaryLines(platform.archive(), {named.reads, named.keeps}).entries)
        listed << QString::number(entry.cardNumber) + u' ' + entry.line.toString();
    QCOMPARE(listed, expected);
}

void TestRules::scanOfMissingArchiveCreatesIt()
{
    test::FakePlatform platform;
    const SummaryScan scan = summaryLines(platform.archive(), {{}, [](const TSchedaScadenza&) { return true; }});
    QVERIFY(scan.complete);
    QVERIFY(scan.entries.empty());
    QVERIFY(QFile::exists(platform.archive()));
}

void TestRules::scanOverHoles_data()
{
    QTest::addColumn<QString>("rule");
    for (const auto& [name, rule] : namedRules)
        QTest::newRow(qPrintable(name)) << name;
    QTest::newRow("every card, the empty ones of the holes too") << QString();
}

// Cards with holes of thousands of records between them and 15 TB of holes
// after them, a file the file system keeps sparse: a scan that jumps over the
// holes lists what one that reads every record lists, with the same card
// numbers. A list of every record fills with the empty cards of the holes,
// numbered in order, until it may hold no more (32 MiB here).
void TestRules::scanOverHoles()
{
    QFETCH(QString, rule);
    const NamedRule named = rule.isEmpty() ? NamedRule{{}, [](const TSchedaScadenza&) { return true; }}
                                           : namedRules.at(rule);
    test::FakePlatform platform;
    const QList<TSchedaScadenza> cards = unlikeCards();
    const QList<int> places = {0, 1, 5000, 5001, 9000, 15000};  // 0-based record indexes
    {
        QFile file(platform.archive());
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int k = 0; k < places.size(); ++k) {
            QVERIFY(file.seek(qint64(places[k]) * recordSize));
            file.write(encodeRecord(cards[k]));
        }
    }
    const QByteArray written = test::readBytes(platform.archive());
    if (!QFile::resize(platform.archive(), qint64(15) << 40))
        QSKIP("the file system of the temporary directory holds no sparse file of 15 TB");
    QStringList expected;
    for (int n = 1; n <= written.size() / recordSize; ++n) {
        const TSchedaScadenza card = decodeRecord(written.constData() + qsizetype(n - 1) * recordSize);
        if (named.keeps(card))
            expected << QString::number(n) + u' ' + RigaRiepilogo(card);
    }
    QVERIFY(!expected.isEmpty());

    const test::ListMemoryLimit limit(32 << 20);
    const SummaryScan scan = summaryLines(platform.archive(), {named.reads, named.keeps});
    QStringList listed;
    for (const SummaryEntry& entry : scan.entries)
        listed << QString::number(entry.cardNumber) + u' ' + entry.line.toString();
    QFile::remove(platform.archive());
    if (!rule.isEmpty()) {
        QVERIFY(scan.complete);
        QCOMPARE(listed, expected);
        return;
    }
    QVERIFY(!scan.complete);
    QVERIFY(listed.size() > expected.size());
    QCOMPARE(listed.mid(0, expected.size()), expected);
    QStringList blanks;
    for (qsizetype k = expected.size(); k < listed.size(); ++k)
        blanks << QString::number(k + 1) + u' ' + RigaRiepilogo(TSchedaScadenza());
    QCOMPARE(listed.mid(expected.size()), blanks);
}

// A list that may hold one entry: the scan stops at the second card it keeps,
// keeps the first and says it is incomplete.
void TestRules::listStopsAtItsMemoryLimit()
{
    test::FakePlatform platform;
    writeArchive(platform.archive(), {makeCard("01/03/2014"), makeCard("02/03/2014"), makeCard("03/03/2014")});
    const test::ListMemoryLimit oneEntry(1);
    const SummaryScan scan = summaryLines(platform.archive(), {{}, [](const TSchedaScadenza&) { return true; }});
    QVERIFY(!scan.complete);
    QCOMPARE(int(scan.entries.size()), 1);
    QCOMPARE(scan.entries[0].cardNumber, 1);
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {memora::test::makeTest<TestRules>});
}
#include "tst_rules.moc"
