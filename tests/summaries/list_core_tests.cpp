// The plain functions behind the lists: the line order, the find-in-list and
// the search match.
#include "archive/archive_file.h"
#include "fake_platform.h"
#include "summaries/card_search.h"
#include "summaries/find_in_list.h"
#include "summaries/folded_text.h"
#include "rules/card_scan.h"
#include "summaries/summary_order.h"

#include <QTest>

using namespace memora;

namespace {

// Lines of a small list, as the find-in-list sees them.
const QStringList findLines = {
    QStringLiteral("Rata mutuo"),         // 0
    QStringLiteral("Bollo auto"),         // 1
    QStringLiteral("rata condominio"),    // 2
    QStringLiteral("Caff\u00e8 con Luca"),  // 3
};

FindResult find(const QStringList& lines, int selected, const QString& text, QString& lastKey)
{
    return TrovaInElenco(int(lines.size()), [&lines](int row) { return QStringView(lines[row]); }, selected, text,
                         lastKey);
}

TSchedaScadenza searchCard(const QString& date, const QString& type, const QString& reason, const QString& contact,
                           const QString& note)
{
    TSchedaScadenza card = test::makeCard(date);
    card.Tipologia = type;
    card.Causale = reason;
    card.Contatto = contact;
    card.Note = note;
    return card;
}

const QList<TSchedaScadenza> searchArchive = {
    searchCard("15/03/2014", "Pagamento", "Rata mutuo casa", "Banca Rossi", ""),
    searchCard("02/01/2015", "Tassa", "Bollo auto", "ACI", "scade a fine mese"),
    searchCard("20/11/2015", "Pagamento", "rata condominio", "Studio Bianchi", "Pagare presso l'Ufficio"),
    searchCard("05/05/2016", "Evento", "Caff\u00e8 con Luca", "Luca", ""),
    searchCard("12/12/2015", "Visita medica", "Controllo", "Dott. Verdi", ""),
};

}  // namespace

Q_DECLARE_METATYPE(FindOutcome)

class TestListCore : public QObject {
    Q_OBJECT

private slots:
    void lineOrder_data();
    void lineOrder();
    void textFound_data();
    void textFound();
    void sortingKeepsCardNumbers();
    void sortingFollowsLineOrder_data();
    void sortingFollowsLineOrder();
    void findInList_data();
    void findInList();
    void repeatedFindCyclesThroughMatches();
    void findOnEmptyList();
    void search_data();
    void search();
};

void TestListCore::lineOrder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("firstBefore");
    QTest::addColumn<bool>("secondBefore");
    QTest::newRow("day before month and year") << "Data: 01/12/2016" << "Data: 02/01/2016" << true  << false;
    QTest::newRow("letters A to Z folded")     << "alfa"             << "Beta"             << true  << false;
    QTest::newRow("same text, other case")     << "Rata mutuo"       << "rATA MUTUO"       << false << false;
    QTest::newRow("a beginning comes first")   << "Cel."             << "Cel. 333"         << true  << false;
    QTest::newRow("folded to small letters")   << "Z"                << "_"                << false << true;
    QTest::newRow("accented after z")          << "z"                << "\u00e8"           << true  << false;
    QTest::newRow("accented capital not folded") << "\u00e8"         << "\u00c8"           << false << true;
}

void TestListCore::lineOrder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QTEST(foldedLess(first, second), "firstBefore");
    QTEST(foldedLess(second, first), "secondBefore");
}

void TestListCore::textFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");  // folded
    QTest::addColumn<bool>("found");
    QTest::newRow("at the start")               << "Rata mutuo"           << "rata"          << true;
    QTest::newRow("at the end")                 << "Bollo AUTO"           << "auto"          << true;
    QTest::newRow("after a false start")        << "aaab"                 << "aab"           << true;
    QTest::newRow("the whole text")             << "Abc"                  << "abc"           << true;
    QTest::newRow("longer than the text")       << "ab"                   << "abc"           << false;
    QTest::newRow("accented capital not folded") << "CAFFÈ"          << "caffè"    << false;
    QTest::newRow("a letter sharing a low byte") << "zašc"           << "ašc"      << true;
    QTest::newRow("its low byte alone")         << "zaac"                 << "ašc"      << false;
    QTest::newRow("last letter found elsewhere") << "rata rat"            << "rato"          << false;
    QTest::newRow("empty needle")               << "testo"                << ""              << false;
    QTest::newRow("needle of 300 characters")   << QString(400, u'A') + "b" << QString(299, u'a') + "b" << true;
    QTest::newRow("300 characters, one differs") << QString(400, u'A') + "b" << "c" + QString(298, u'a') + "b"
                                                << false;
}

// The find-in-list and the search look for a folded text by skipping along.
void TestListCore::textFound()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QTEST(FoldedNeedle(needle).occursIn(text), "found");
}

void TestListCore::sortingKeepsCardNumbers()
{
    SummaryLines entries;
    entries.append(u"Data: 02/01/2016 b", 1);
    entries.append(u"Data: 01/12/2016", 2);
    entries.append(u"Data: 02/01/2016 A", 3);
    entries.append(u"Data: 01/12/2016", 4);
    sortSummaryLines(entries);
    QStringList lines;
    QList<int> numbers;
    for (const SummaryEntry& entry : entries) {
        lines << entry.line.toString();
        numbers << entry.cardNumber;
    }
    QCOMPARE(lines, QStringList({"Data: 01/12/2016", "Data: 01/12/2016", "Data: 02/01/2016 A",
                                 "Data: 02/01/2016 b"}));
    QCOMPARE(numbers, QList<int>({2, 4, 3, 1}));
}

// The list is sorted through short keys of the characters where lines differ;
// whatever the lines, the order is the one foldedLess gives, equal lines in
// file order.
void TestListCore::sortingFollowsLineOrder_data()
{
    QTest::addColumn<QStringList>("lines");
    auto summary = [](const char* date, const char* time, const QString& reason) {
        return QStringLiteral("Data: %1  Ora: %2  Causale: %3").arg(QLatin1String(date), QLatin1String(time), reason);
    };
    QStringList pastTheKey;  // alike in their first 16 differing characters
    for (const char* tail : {"zeta", "Alfa", "beta", "ALFA", "alfa", "Beta"})
        pastTheKey << summary("01/03/2014", "09:00", QStringLiteral("Rata mutuo casa ") + QLatin1String(tail));
    QTest::newRow("lines alike past the key") << pastTheKey;
    QTest::newRow("summary lines") << QStringList{
        summary("02/01/2016", "10:00", "b"), summary("01/12/2016", "09:30", "Rata"), summary("02/01/2016", "10:00", "A"),
        summary("01/12/2016", "09:30", "rata"), summary("01/12/2015", "23:59", "è"), summary("01/12/2015", "23:59", "z")};
    QTest::newRow("a line that begins another") << QStringList{"Cel. 333 1", "Cel. 333", "Cel. 333 12", "Cel. 33"};
    QTest::newRow("an empty line") << QStringList{"b", "", "A", "a", ""};
    QTest::newRow("capitals and small letters") << QStringList{"Zz", "zZ", "_", "ZZ", "zz", "z_"};
    QTest::newRow("every line alike") << QStringList{"x", "X", "x", "X"};
    QTest::newRow("characters beyond one byte")
        << QStringList{"a€b", "aŒa", "a€a", "aÿb", "aÿa", "aĀa", "aþz", "aŒz"};
}

void TestListCore::sortingFollowsLineOrder()
{
    QFETCH(QStringList, lines);
    SummaryLines entries;
    for (const QString& line : lines)
        entries.append(line, int(entries.size()) + 1);
    std::vector<SummaryEntry> expected(entries.begin(), entries.end());
    std::stable_sort(expected.begin(), expected.end(),
                     [](const SummaryEntry& a, const SummaryEntry& b) { return foldedLess(a.line, b.line); });
    sortSummaryLines(entries);
    QCOMPARE(int(entries.size()), int(expected.size()));
    for (std::size_t k = 0; k < entries.size(); ++k) {
        QCOMPARE(entries[k].line, expected[k].line);
        QCOMPARE(entries[k].cardNumber, expected[k].cardNumber);
    }
}

void TestListCore::findInList_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastKey");
    QTest::addColumn<FindOutcome>("outcome");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QString>("lastKeyAfter");
    const FindOutcome found = FindOutcome::Found;
    const FindOutcome none = FindOutcome::NotFound;
    //                                                         sel  text          last      outcome sel  last after
    QTest::newRow("new text from the top, later match selected") << 2 << "rata"    << ""     << found << 0 << "rata";
    QTest::newRow("new text, nothing selected")           << -1 << "condominio"    << ""     << found << 2 << "condominio";
    QTest::newRow("same text moves to the next match")     << 0 << "rata"          << "rata" << found << 2 << "rata";
    QTest::newRow("same text wraps to the top")            << 2 << "rata"          << "rata" << found << 0 << "rata";
    QTest::newRow("same text in capitals is the same")     << 0 << "RATA"          << "rata" << found << 2 << "rata";
    QTest::newRow("single match stays selected")           << 1 << "bollo"         << "bollo" << found << 1 << "bollo";
    QTest::newRow("capitals find small letters")           << 3 << "MUTUO"         << ""     << found << 0 << "mutuo";
    QTest::newRow("the text is taken untrimmed")           << 0 << " auto"         << ""     << found << 1 << " auto";
    QTest::newRow("a trailing blank must be there")        << 0 << "auto "         << ""     << none  << 0 << "auto ";
    QTest::newRow("no match keeps the selection")          << 3 << "tassa"         << ""     << none  << 3 << "tassa";
    QTest::newRow("no match with nothing selected")        << -1 << "tassa"        << ""     << none  << 0 << "tassa";
    QTest::newRow("empty text finds nothing")              << -1 << ""             << "rata" << none  << 0 << "";
    QTest::newRow("empty text again keeps the selection")  << 2 << ""              << ""     << none  << 2 << "";
    QTest::newRow("accented capital misses small letter")  << 0 << "CAFF\u00c8"    << ""     << none  << 0 << "caff\u00c8";
    QTest::newRow("accented small letter found")           << 0 << "caff\u00e8"    << ""     << found << 3 << "caff\u00e8";
}

void TestListCore::findInList()
{
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(QString, lastKey);
    const FindResult result = find(findLines, selected, text, lastKey);
    QTEST(result.outcome, "outcome");
    QTEST(result.selected, "selectedAfter");
    QTEST(lastKey, "lastKeyAfter");
}

// Pressing Trova again and again with one text visits every line holding it,
// top to bottom, and starts again from the top.
void TestListCore::repeatedFindCyclesThroughMatches()
{
    const QStringList lines = {"a rata", "bollo", "c rata", "d", "e rata"};
    QString lastKey;
    int selected = 3;
    QList<int> visited;
    for (int press = 0; press < 5; ++press) {
        selected = find(lines, selected, QStringLiteral("Rata"), lastKey).selected;
        visited << selected;
    }
    QCOMPARE(visited, QList<int>({0, 2, 4, 0, 2}));
}

void TestListCore::findOnEmptyList()
{
    QString lastKey = QStringLiteral("rata");
    const FindResult result = find({}, -1, QStringLiteral("bollo"), lastKey);
    QCOMPARE(result.outcome, FindOutcome::EmptyList);
    QCOMPARE(lastKey, QStringLiteral("rata"));
}

void TestListCore::search_data()
{
    QTest::addColumn<QStringList>("criteria");  // the ten criteria in order: Data, Ora, Tipologia, Causale, ...
    QTest::addColumn<int>("given");
    QTest::addColumn<QList<int>>("cards");      // 0-based indexes into searchArchive
    auto criteria = [](std::initializer_list<std::pair<Field, QString>> given) {
        QStringList texts(searchCriteriaCount);
        for (const auto& [field, text] : given)
            texts[int(std::find(searchedFields.begin(), searchedFields.end(), field) - searchedFields.begin())] = text;
        return texts;
    };
    QTest::newRow("no criteria lists every card") << criteria({}) << 0 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("capitals find small letters") << criteria({{Field::Causale, "RATA"}}) << 1 << QList<int>{0, 2};
    QTest::newRow("AND of two criteria")
        << criteria({{Field::Causale, "rata"}, {Field::Contatto, "banca"}}) << 2 << QList<int>{0};
    QTest::newRow("two given, each card holds one")
        << criteria({{Field::Causale, "bollo"}, {Field::Contatto, "banca"}}) << 2 << QList<int>{};
    QTest::newRow("a year") << criteria({{Field::Data, "2015"}}) << 1 << QList<int>{1, 2, 4};
    QTest::newRow("a slash and a year") << criteria({{Field::Data, "/2015"}}) << 1 << QList<int>{1, 2, 4};
    QTest::newRow("consecutive words are one phrase") << criteria({{Field::Causale, "mutuo casa"}}) << 1 << QList<int>{0};
    QTest::newRow("words in another order") << criteria({{Field::Causale, "casa mutuo"}}) << 1 << QList<int>{};
    QTest::newRow("a trailing blank is sought") << criteria({{Field::Causale, "auto "}}) << 1 << QList<int>{};
    QTest::newRow("blank-only criterion neither counts nor matches")
        << criteria({{Field::Tipologia, " "}, {Field::Causale, "assente"}}) << 1 << QList<int>{};
    QTest::newRow("blank-only criterion alone") << criteria({{Field::Tipologia, "  "}}) << 0 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("accented capital misses small letter") << criteria({{Field::Causale, "CAFF\u00c8"}}) << 1 << QList<int>{};
    QTest::newRow("accented small letter") << criteria({{Field::Causale, "caff\u00e8"}}) << 1 << QList<int>{3};
    QTest::newRow("notes are searched") << criteria({{Field::Note, "UFFICIO"}}) << 1 << QList<int>{2};
}

void TestListCore::search()
{
    QFETCH(QStringList, criteria);
    SearchCriteria texts;
    std::copy(criteria.begin(), criteria.end(), texts.begin());
    const CardSearch search(texts);
    QTEST(search.given(), "given");
    QList<int> matched;
    for (int k = 0; k < searchArchive.size(); ++k)
        if (search.matches(searchArchive[k]))
            matched << k;
    QTEST(matched, "cards");
    // The scan decodes only the fields of the criteria given, and finds the same.
    test::FakePlatform platform;
    test::writeArchive(platform.archive(), searchArchive);
    QList<int> scanned;
    const CardFilter filter{search.reads(), [&search](const TSchedaScadenza& card) { return search.matches(card); }};
    for (const SummaryEntry& entry : summaryLines(platform.archive(), filter).entries)
        scanned << entry.cardNumber - 1;
    QTEST(scanned, "cards");
}

QObject* makeListCoreTest() { return new TestListCore; }

#include "list_core_tests.moc"
