// The list report as the home window prints it: its title, its lines as the
// list shows them, today's date, and nothing changed in the window.
#include "app/home_window.h"
#include "fake_platform.h"
#include "print/list_report.h"
#include "print_tests.h"
#include "report_probe.h"
#include "rules/summary_line.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"

#include <QTest>

using namespace memora;
using namespace memora::test;

class TestListReport : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }
    void homeWindowPrintsItsList_data();
    void homeWindowPrintsItsList();
    void printedOnTheDayOfPrinting();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestListReport::homeWindowPrintsItsList_data()
{
    QTest::addColumn<QList<TSchedaScadenza>>("archive");
    QTest::addColumn<QStringList>("reasons");  // of the printed lines, top to bottom
    QTest::newRow("empty archive") << QList<TSchedaScadenza>{} << QStringList{};
    QTest::newRow("archive order, only imminent cards")
        << QList<TSchedaScadenza>{makeCard("20/03/2014", "10", flagPending, "Bollo auto"),
                                  makeCard("01/05/2014", "3", flagPending, "Non ancora"),
                                  makeCard("05/03/2014", "0", flagPending, "Rata [mutuo]"),
                                  makeCard("09/03/2014", "0", flagFulfilled, "Assolta")}
        << QStringList{"Bollo auto", "Rata [mutuo]"};
}

void TestListReport::homeWindowPrintsItsList()
{
    QFETCH(QList<TSchedaScadenza>, archive);
    QFETCH(QStringList, reasons);
    writeArchive(m_platform->archive(), archive);
    TfrmAvvio home;
    home.show();
    const int listed = home.lstRecords->model()->rowCount();
    home.btnStampa->click();

    QCOMPARE(m_platform->printing.dialogs, 1);
    QCOMPARE(m_platform->printing.parents.value(0), &home);
    QCOMPARE(m_platform->printing.printed.size(), 1u);
    const ReportDocument& document = m_platform->printing.printed.front();
    QCOMPARE(document.orientation, QPageLayout::Landscape);
    QCOMPARE(placedLine(document.pages.at(0), QStringLiteral("txtTitolo")).text,
             QStringLiteral("Riepilogo scadenze imminenti"));
    QStringList printed;
    for (const PlacedText& line : placedLines(document.pages.at(0), QStringLiteral("txtRiepilogo")))
        printed << line.text;
    QStringList expected;
    for (const QString& reason : reasons) {
        const auto card = std::find_if(archive.begin(), archive.end(),
                                       [&](const TSchedaScadenza& c) { return c.Causale == reason; });
        expected << RigaRiepilogo(*card);
    }
    QCOMPARE(printed, expected);
    QCOMPARE(home.lstRecords->model()->rowCount(), listed);  // the window stays as it was
}

void TestListReport::printedOnTheDayOfPrinting()
{
    m_platform->clock.day = QDate(2014, 12, 31);
    StampaRiepilogo(nullptr, QStringLiteral("Riepilogo impegni assolti"), {QStringLiteral("una riga")});
    QCOMPARE(m_platform->printing.printed.size(), 1u);
    const ReportDocument& document = m_platform->printing.printed.front();
    QCOMPARE(placedLine(document.pages.back(), QStringLiteral("txtPagina")).text,
             QStringLiteral("Stampa eseguita in data 31/12/2014"));
}

QObject* makeListReportTest() { return new TestListReport; }

#include "tst_list_report.moc"
