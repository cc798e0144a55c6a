// The report engine and the list report's template, without a window: the
// heights the program sets, the pages the bands fall on, the date marker, the
// cut at a box's edge, and the PDF a reader sees.
#include "print/list_template.h"
#include "print/report_layout.h"
#include "print_tests.h"
#include "report_probe.h"
#include "fake_platform.h"
#include "rules/summary_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {

const QDate printDay(2014, 3, 10);
constexpr qreal exact = 1e-6;

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int index = 1; index <= count; ++index)
        lines << QStringLiteral("Riga %1").arg(index, 3, 10, QLatin1Char('0'));
    return lines;
}

ReportDocument listDocument(const QStringList& lines, const QString& title = QStringLiteral("Riepilogo prova"))
{
    ReportTemplate report = listTemplate();
    fillListTemplate(report, title, lines);
    return layoutReport(report, printDay);
}

}  // namespace

class TestReportLayout : public QObject {
    Q_OBJECT

private slots:
    void boxAndBandFollowTheLines_data();
    void boxAndBandFollowTheLines();
    void missingNameStopsTheProgram_data();
    void missingNameStopsTheProgram();
    void listPagination_data();
    void listPagination();
    void dateMarker_data();
    void dateMarker();
    void longLineCutAtTheBoxEdge_data();
    void longLineCutAtTheBoxEdge();
    void listPdfAsAReaderSeesIt();
};

void TestReportLayout::boxAndBandFollowTheLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<qreal>("boxUnits");
    QTest::addColumn<qreal>("bandUnits");
    QTest::newRow("empty list")        << 0   << 0.0    << 10.0;
    QTest::newRow("one line")          << 1   << 12.822 << 22.822;
    QTest::newRow("three lines")       << 3   << 38.466 << 48.466;
    QTest::newRow("two hundred lines") << 200 << 2564.4 << 2574.4;
}

void TestReportLayout::boxAndBandFollowTheLines()
{
    QFETCH(int, lines);
    QFETCH(qreal, boxUnits);
    QFETCH(qreal, bandUnits);
    ReportTemplate report = listTemplate();
    fillListTemplate(report, QStringLiteral("Prima"), numberedLines(7));  // nothing of it may survive
    fillListTemplate(report, QStringLiteral("Riepilogo impegni assolti"), numberedLines(lines));

    const TextBox* box = report.findBox(QStringLiteral("txtRiepilogo"));
    const Band* band = report.findBand(QStringLiteral("MasterData"));
    QVERIFY(box && band);
    QCOMPARE(box->lines, numberedLines(lines));
    QVERIFY(qAbs(box->rect.height() - units(boxUnits)) < exact);
    QVERIFY(qAbs(band->height - units(bandUnits)) < exact);
    QCOMPARE(report.findBox(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Riepilogo impegni assolti"));
    QVERIFY(!report.findBox(QStringLiteral("txtAssente")));
    QVERIFY(!report.findBand(QStringLiteral("Assente")));
}

void TestReportLayout::missingNameStopsTheProgram_data()
{
    QTest::addColumn<QStringList>("lookup");  // template, kind, name
    QTest::addColumn<QString>("message");
    QTest::newRow("text box of the list report") << QStringList{"list", "box", "txtAssente"}
                                                 << "The report \"Riepilogo dati\" has no text box txtAssente";
    QTest::newRow("band of the list report") << QStringList{"list", "band", "Assente"}
                                             << "The report \"Riepilogo dati\" has no band Assente";
    QTest::newRow("text box of the card page") << QStringList{"card", "box", "txtOra "}
                                               << "The report \"Scheda Scadenza\" has no text box txtOra ";
}

// A template filled by a name it lacks is a fault of the program: in every
// build it stops there and says which name, rather than write through
// nothing. Run in a process of its own, which it ends.
void TestReportLayout::missingNameStopsTheProgram()
{
    QFETCH(QStringList, lookup);
    QFETCH(QString, message);
    QProcess driver;
    driver.start(QStringLiteral(LOOKUP_DRIVER), lookup);
    QVERIFY(driver.waitForFinished(30000));
    QCOMPARE(driver.exitStatus(), QProcess::CrashExit);
    const QString said = QString::fromLocal8Bit(driver.readAllStandardError());
    QVERIFY2(said.contains(message), qPrintable(said));
}

void TestReportLayout::listPagination_data()
{
    // Inside the margins a landscape page is 190 mm high. The title and the
    // footer take 30.236 units (8 mm) each, a line 12.822 units (3.39 mm), and
    // the data band keeps 10 units (2.65 mm) below its last line.
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::addColumn<qreal>("footerBoxTop");  // units from the top of the footer's page
    QTest::newRow("empty list: title, empty band, footer")
        << 0 << QList<int>{0} << 30.236 + 10 + 7.559;
    QTest::newRow("50 lines and the footer fit one page")
        << 50 << QList<int>{50} << 30.236 + 50 * 12.822 + 10 + 7.559;
    QTest::newRow("51 lines: the footer alone on page 2")
        << 51 << QList<int>{51, 0} << 7.559;
    QTest::newRow("53 lines fill page 1, the band's space ends with it")
        << 53 << QList<int>{53, 0} << 7.559;
    QTest::newRow("54 lines: the last one on page 2")
        << 54 << QList<int>{53, 1} << 12.822 + 10 + 7.559;
    QTest::newRow("200 lines over four pages")
        << 200 << QList<int>{53, 56, 56, 35} << 35 * 12.822 + 10 + 7.559;
}

void TestReportLayout::listPagination()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, linesPerPage);
    QFETCH(qreal, footerBoxTop);
    const QStringList input = numberedLines(lines);
    const ReportDocument document = listDocument(input);
    QCOMPARE(document.name, QStringLiteral("Riepilogo dati"));
    QCOMPARE(document.orientation, QPageLayout::Landscape);
    QCOMPARE(int(document.pages.size()), linesPerPage.size());

    QStringList printed;
    const int last = int(document.pages.size()) - 1;
    for (int index = 0; index <= last; ++index) {
        const ReportPage& page = document.pages[index];
        const std::vector<PlacedText> placed = placedLines(page, QStringLiteral("txtRiepilogo"));
        QCOMPARE(int(placed.size()), linesPerPage[index]);
        for (const PlacedText& line : placed) {
            printed << line.text;
            // Whole lines only: never split between pages, never below the margin.
            QVERIFY(line.rect.top() >= line.clip.top() - exact && line.rect.bottom() <= line.clip.bottom() + exact);
            QVERIFY(line.rect.bottom() <= 190 + exact);
        }
        QCOMPARE(placedLines(page, QStringLiteral("txtTitolo")).size(), index == 0 ? 1u : 0u);
        QCOMPARE(placedLines(page, QStringLiteral("txtPagina")).size(), index == last ? 1u : 0u);
    }
    QCOMPARE(printed, input);
    QVERIFY(qAbs(placedLine(document.pages[0], QStringLiteral("txtTitolo")).rect.top() - units(3.780)) < exact);
    const PlacedText footer = placedLine(document.pages[last], QStringLiteral("txtPagina"));
    QVERIFY2(qAbs(footer.rect.top() - units(footerBoxTop)) < exact, qPrintable(QString::number(footer.rect.top())));
    QVERIFY(footer.clip.bottom() <= 190 + exact);
}

void TestReportLayout::dateMarker_data()
{
    QTest::addColumn<bool>("replacesDate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::newRow("footer gets the date")
        << true << "Stampa eseguita in data [DATE]" << "Stampa eseguita in data 10/03/2014";
    QTest::newRow("every marker replaced") << true << "[DATE]-[DATE]" << "10/03/2014-10/03/2014";
    QTest::newRow("a card's text stays literal")
        << false << "[DATE] [Causale] <b>Rata</b> &Salva {x}" << "[DATE] [Causale] <b>Rata</b> &Salva {x}";
}

void TestReportLayout::dateMarker()
{
    QFETCH(bool, replacesDate);
    QFETCH(QString, text);
    QFETCH(QString, printed);
    TextBox box;
    box.name = QStringLiteral("txtProva");
    box.rect = QRectF(0, 0, 100, 5);
    box.setText(text);
    box.replacesDate = replacesDate;
    const ReportTemplate report{QStringLiteral("Prova"), QPageLayout::Portrait,
                                {Band{QStringLiteral("Pagina"), BandKind::Title, 10, 190, {}, {box}}}};
    const ReportDocument document = layoutReport(report, printDay);
    QCOMPARE(placedLine(document.pages.at(0), QStringLiteral("txtProva")).text, printed);
}

void TestReportLayout::longLineCutAtTheBoxEdge_data()
{
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<bool>("reachesTheEdge");
    QTest::newRow("30-character mobile") << "333444555666777888999000111222" << true;
    QTest::newRow("short mobile") << "3331234567" << false;
}

void TestReportLayout::longLineCutAtTheBoxEdge()
{
    QFETCH(QString, mobile);
    QFETCH(bool, reachesTheEdge);
    TSchedaScadenza card = makeCard(QStringLiteral("12/03/2014"));
    card.Cel = mobile;
    const ReportDocument document = listDocument({RigaRiepilogo(card)});
    const PlacedText line = placedLine(document.pages.at(0), QStringLiteral("txtRiepilogo"));
    const qreal edge = units(11.339 + 1031.81);  // 3 mm + 273 mm
    QVERIFY(qAbs(line.clip.right() - edge) < exact);
    const QRectF row(0, line.rect.top() + 0.3, 0, line.rect.height() - 0.6);
    QCOMPARE(inkIn(document.pages[0], row.adjusted(edge - 3, 0, edge - 0.1, 0)), reachesTheEdge);
    QVERIFY(!inkIn(document.pages[0], row.adjusted(edge + 0.1, 0, edge + 0.9, 0)));
}

void TestReportLayout::listPdfAsAReaderSeesIt()
{
    if (!havePdfTools())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("riepilogo.pdf"));
    QVERIFY(writePdf(listDocument(numberedLines(200), QStringLiteral("Riepilogo scadenze imminenti")), pdf));

    QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("4"));
    QCOMPARE(pdfPageSize(pdf), QSizeF(842, 595));  // A4 landscape, in points
    const QString first = pdfText(pdf, 1, 1);
    QVERIFY(first.contains(QStringLiteral("Riepilogo scadenze imminenti")));
    QVERIFY(first.contains(QStringLiteral("Riga 001")) && first.contains(QStringLiteral("Riga 053")));
    QVERIFY(!first.contains(QStringLiteral("Riga 054")) && !first.contains(QStringLiteral("Stampa eseguita")));
    QVERIFY(!pdfText(pdf, 2, 3).contains(QStringLiteral("Riepilogo")));
    const QString lastPage = pdfText(pdf, 4, 4);
    QVERIFY(lastPage.contains(QStringLiteral("Riga 200")));
    QVERIFY(lastPage.indexOf(QStringLiteral("Stampa eseguita in data 10/03/2014"))
            > lastPage.indexOf(QStringLiteral("Riga 200")));
}

QObject* makeReportLayoutTest() { return new TestReportLayout; }

#include "tst_report_layout.moc"
