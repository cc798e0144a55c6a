// The three status summaries, headless at the fixed today 10/03/2014.
#include "archive/archive_file.h"
#include "summaries/find_in_list.h"
#include "summaries/status_summaries.h"
#include "summaries/summary_panel.h"
#include "widgets/summary_list.h"
#include "file_permissions.h"
#include "list_limit.h"
#include "model_tester.h"
#include "window_helpers.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace memora;
using memora::test::makeCard;
using memora::test::Restriction;
using memora::test::writeArchive;

namespace {

std::unique_ptr<SummaryWindow> makeSummary(const QString& name, CurrentCard* card = nullptr)
{
    if (name == QLatin1String("TfrmConfermati"))
        return std::make_unique<TfrmConfermati>(nullptr, card);
    if (name == QLatin1String("TfrmScaduti"))
        return std::make_unique<TfrmScaduti>(nullptr, card);
    return std::make_unique<TfrmAssolti>(nullptr, card);
}

TSchedaScadenza reasonCard(const QString& date, const QString& flag, const QString& reason)
{
    return makeCard(date, QStringLiteral("0"), flag, reason);
}

// Two cards that render to the same line: their reasons differ only after
// the 54th character.
const QString sharedReason = QString(54, u'r');

}  // namespace

class TestSummaryWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rules_data();
    void rules();
    void linesSortedAndStyled();
    void findThroughTheWindow();
    void findOnEmptyArchive();
    void doubleClickLoadsItsOwnCard_data();
    void doubleClickLoadsItsOwnCard();
    void doubleClickWithoutSelection();
    void clickBelowLinesKeepsTheSelection();
    void readOnlyArchiveListedInFull_data();
    void readOnlyArchiveListedInFull();
    void unreadableArchiveIsReported_data();
    void unreadableArchiveIsReported();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestSummaryWindows::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestSummaryWindows::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

void TestSummaryWindows::rules_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("printTitle");
    QTest::addColumn<QList<int>>("cards");  // top to bottom
    QTest::newRow("to fulfil") << "TfrmConfermati" << " Riepilogo impegni da assolvere"
                               << "Riepilogo impegni da assolvere" << QList<int>{6, 7, 2, 1};
    QTest::newRow("expired") << "TfrmScaduti" << " Riepilogo impegni scaduti e non assolti"
                             << "Riepilogo impegni scaduti e non assolti" << QList<int>{7, 2};
    QTest::newRow("fulfilled") << "TfrmAssolti" << " Riepilogo impegni assolti" << "Riepilogo impegni assolti"
                               << QList<int>{3};
}

void TestSummaryWindows::rules()
{
    QFETCH(QString, window);
    writeArchive(m_platform->archive(), {
        reasonCard("10/03/2014", "No", "oggi"),              // 1: due today
        reasonCard("09/03/2014", "No", "ieri"),              // 2: due yesterday
        reasonCard("09/03/2014", flagFulfilled, "assolta"),  // 3: fulfilled
        reasonCard("09/03/2014", "no", "minuscolo"),         // 4: flag in small letters
        reasonCard("09/03/2014", "", "vuoto"),               // 5: no flag
        reasonCard("", "No", "senza data"),                  // 6: date unreadable
        reasonCard("08/03/2014", "No", "dopo il danno"),     // 7: after the damaged card
    });
    const std::unique_ptr<SummaryWindow> summary = makeSummary(window);
    QTEST(summary->windowTitle(), "caption");
    QStringList listed;
    test::runModal(*m_platform, *summary, [&] {
        QTEST(test::listedCards(*summary->panContainer), "cards");
        QCOMPARE(summary->panContainer->lstRecords->selectedRow(), -1);
        listed = test::listedLines(*summary->panContainer);
        summary->panContainer->btnStampa->click();
    });
    QVERIFY(m_platform->messages.shown.isEmpty());
    QTEST(test::printedBox(*m_platform, QStringLiteral("txtTitolo")).value(0), "printTitle");
    QCOMPARE(test::printedBox(*m_platform, QStringLiteral("txtRiepilogo")), listed);
    QCOMPARE(m_platform->printing.parents.value(0), summary.get());
}

void TestSummaryWindows::linesSortedAndStyled()
{
    writeArchive(m_platform->archive(), {reasonCard("02/01/2016", "No", "alfa"), reasonCard("01/12/2016", "No", "gamma"),
                                         reasonCard("01/12/2016", "No", "Beta"), reasonCard("01/12/2016", "No", "alfa")});
    TfrmConfermati summary;
    const test::ModelTester tester(summary.panContainer->lstRecords->model());
    test::runModal(*m_platform, summary, [&] {
        QCOMPARE(test::listedCards(*summary.panContainer), QList<int>({4, 3, 2, 1}));
        const QModelIndex first = summary.panContainer->lstRecords->model()->index(0, 0);
        QCOMPARE(first.data().toString(), test::listedLines(*summary.panContainer).first());
        QCOMPARE(first.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
        QCOMPARE(first.data(Qt::FontRole).value<QFont>().pointSize(), 12);
        QCOMPARE(first.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(first.data(Qt::SizeHintRole).toSize().width(), 1600);
        QCOMPARE(summary.panContainer->lstRecords->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    });
    QCOMPARE(summary.panContainer->lstRecords->model()->rowCount(), 0);  // emptied on closing
}

void TestSummaryWindows::findThroughTheWindow()
{
    writeArchive(m_platform->archive(), {reasonCard("01/01/2014", "No", "Rata mutuo"),
                                         reasonCard("02/01/2014", "No", "Bollo"),
                                         reasonCard("03/01/2014", "No", "rata auto")});
    TfrmConfermati summary;
    SummaryPanel& panel = *summary.panContainer;
    test::runModal(*m_platform, summary, [&] {
        QCOMPARE(summary.focusWidget(), panel.txtTrova);
        QTest::keyClicks(panel.txtTrova, QStringLiteral("RATA"));
        QTest::keyClick(panel.txtTrova, Qt::Key_Return);
        QCOMPARE(summary.focusWidget(), panel.btnTrova);
        QCOMPARE(panel.lstRecords->selectedRow(), -1);  // Enter only moves the focus
        QTest::keyClick(panel.btnTrova, Qt::Key_Return);
        QCOMPARE(panel.lstRecords->selectedRow(), 0);
        QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
        QCOMPARE(panel.lstRecords->selectedRow(), 2);
        QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
        QCOMPARE(panel.lstRecords->selectedRow(), 0);
    });
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestSummaryWindows::findOnEmptyArchive()
{
    TfrmScaduti summary;
    test::runModal(*m_platform, summary, [&] {
        QTest::keyClicks(summary.panContainer->txtTrova, QStringLiteral("rata"));
        summary.panContainer->btnTrova->click();
    });
    QVERIFY(QFile::exists(m_platform->archive()));
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgListaVuota);
}

void TestSummaryWindows::doubleClickLoadsItsOwnCard_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("clickRow");  // where the double-click lands; -1 below the lines
    QTest::addColumn<int>("card");
    QTest::newRow("first of two equal lines")  << 0 << 0  << 1;
    QTest::newRow("second of two equal lines") << 1 << 1  << 2;
    QTest::newRow("a line of its own")         << 2 << 2  << 3;
    QTest::newRow("empty area, selected line") << 1 << -1 << 2;
}

// Two cards render to one line; each line loads the card it was built from,
// as that card stands in the archive at the moment of the double-click.
void TestSummaryWindows::doubleClickLoadsItsOwnCard()
{
    QFETCH(int, row);
    QFETCH(int, clickRow);
    QFETCH(int, card);
    writeArchive(m_platform->archive(), {reasonCard("01/01/2014", "No", sharedReason + "AAA"),
                                         reasonCard("01/01/2014", "No", sharedReason + "BBB"),
                                         reasonCard("05/01/2014", "No", "Bollo")});
    test::FakeCurrentCard currentCard;
    TfrmConfermati summary(nullptr, &currentCard);
    const test::ModelTester tester(summary.panContainer->lstRecords->model());
    test::runModal(*m_platform, summary, [&] {
        QCOMPARE(test::listedLines(*summary.panContainer)[0], test::listedLines(*summary.panContainer)[1]);
        TSchedaScadenza changed = readCard(m_platform->archive(), card);
        changed.Note = QStringLiteral("cambiata dopo l'elenco");
        ArchiveFile archive(m_platform->archive(), ArchiveAccess::ReadWrite);
        archive.seek(card - 1);
        archive.write(changed);
        summary.panContainer->lstRecords->selectRow(row);
        test::doubleClickLine(*summary.panContainer->lstRecords, clickRow);
        QVERIFY(!summary.isVisible());
    });
    QCOMPARE(currentCard.numbers, QList<int>{card});
    QCOMPARE(currentCard.cards[0], readCard(m_platform->archive(), card));
    QCOMPARE(currentCard.cards[0].Note, QStringLiteral("cambiata dopo l'elenco"));
}

void TestSummaryWindows::doubleClickWithoutSelection()
{
    writeArchive(m_platform->archive(), {reasonCard("01/01/2014", flagFulfilled, "Bollo")});
    test::FakeCurrentCard currentCard;
    TfrmAssolti summary(nullptr, &currentCard);
    test::runModal(*m_platform, summary, [&] {
        QCOMPARE(summary.panContainer->lstRecords->model()->rowCount(), 1);
        test::doubleClickLine(*summary.panContainer->lstRecords, -1);
        QVERIFY(!summary.isVisible());
    });
    QVERIFY(currentCard.numbers.isEmpty());
}

// A click on the list's empty area leaves the selected line selected, so the
// double-click there loads it; a click on a line still selects that line.
void TestSummaryWindows::clickBelowLinesKeepsTheSelection()
{
    writeArchive(m_platform->archive(), {reasonCard("01/01/2014", "No", "Rata"),
                                         reasonCard("02/01/2014", "No", "Bollo"),
                                         reasonCard("03/01/2014", "No", "Affitto")});
    test::FakeCurrentCard currentCard;
    TfrmConfermati summary(nullptr, &currentCard);
    test::runModal(*m_platform, summary, [&] {
        SummaryList& list = *summary.panContainer->lstRecords;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualRect(list.model()->index(1, 0)).center());
        QCOMPARE(list.selectedRow(), 1);
        test::clickBelowLines(list);
        QCOMPARE(list.selectedRow(), 1);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedRow(), 2);
        test::doubleClickLine(list, -1);
        QVERIFY(!summary.isVisible());
    });
    QCOMPARE(currentCard.numbers, QList<int>{3});
}

void TestSummaryWindows::readOnlyArchiveListedInFull_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Restriction>("restriction");
    QTest::addColumn<QList<int>>("cards");  // top to bottom
    const std::pair<const char*, QList<int>> windows[] = {
        {"TfrmConfermati", {2, 1}}, {"TfrmScaduti", {2}}, {"TfrmAssolti", {3}}};
    const std::pair<const char*, Restriction> restrictions[] = {
        {"archive of mode 444", Restriction::ReadOnlyFile},
        {"read-only folder, archive of mode 444", Restriction::ReadOnlyFileAndFolder}};
    for (const auto& [window, cards] : windows)
        for (const auto& [name, restriction] : restrictions)
            QTest::addRow("%s, %s", window, name) << window << restriction << cards;
}

// A summary needs only to read: a read-only archive is listed in full, with
// no message, and a chosen line still brings its card into the editor.
void TestSummaryWindows::readOnlyArchiveListedInFull()
{
    QFETCH(QString, window);
    QFETCH(Restriction, restriction);
    QFETCH(QList<int>, cards);
    writeArchive(m_platform->archive(), {reasonCard("10/03/2014", "No", "oggi"), reasonCard("09/03/2014", "No", "ieri"),
                                         reasonCard("09/03/2014", flagFulfilled, "assolta")});
    const test::RestrictedArchive readOnly(m_platform->directory(), restriction);
    test::FakeCurrentCard currentCard;
    const std::unique_ptr<SummaryWindow> summary = makeSummary(window, &currentCard);
    test::runModal(*m_platform, *summary, [&] {
        QCoreApplication::processEvents();
        QCOMPARE(test::listedCards(*summary->panContainer), cards);
        summary->panContainer->lstRecords->selectRow(0);
        test::doubleClickLine(*summary->panContainer->lstRecords, 0);
    });
    QVERIFY(m_platform->messages.shown.isEmpty());
    QCOMPARE(currentCard.numbers, QList<int>{cards[0]});
}

void TestSummaryWindows::unreadableArchiveIsReported_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<int>>("cards");  // what stays listed
    for (const char* window : {"TfrmConfermati", "TfrmScaduti", "TfrmAssolti"}) {
        QTest::addRow("%s, a directory in the archive's place", window) << window << "directory" << QList<int>{};
        QTest::addRow("%s, archive of mode 000", window) << window << "mode 000" << QList<int>{};
    }
    QTest::newRow("a list that can hold one line") << "TfrmConfermati" << "one line" << QList<int>{1};
}

// A list that is not the whole archive says so, once the window shows it,
// and keeps the lines it has.
void TestSummaryWindows::unreadableArchiveIsReported()
{
    QFETCH(QString, window);
    QFETCH(QString, fault);
    std::optional<test::RestrictedArchive> unreadable;
    std::optional<test::ListMemoryLimit> oneLine;
    if (fault == u"directory") {
        test::blockArchive(*m_platform);
    } else {
        writeArchive(m_platform->archive(), {reasonCard("08/03/2014", "No", "prima"), reasonCard("01/03/2014", "No", "dopo"),
                                             reasonCard("01/03/2014", flagFulfilled, "assolta")});
        if (fault == u"mode 000")
            unreadable.emplace(m_platform->directory(), Restriction::UnreadableFile);
        else
            oneLine.emplace(1);
    }
    const std::unique_ptr<SummaryWindow> summary = makeSummary(window);
    test::runModal(*m_platform, *summary, [&] {
        QVERIFY(m_platform->messages.shown.isEmpty());  // not before the window is up
        QCoreApplication::processEvents();
        QTEST(test::listedCards(*summary->panContainer), "cards");
    });
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgArchivioInaccessibile);
}

QObject* makeSummaryWindowTest() { return new TestSummaryWindows; }

#include "summary_window_tests.moc"
