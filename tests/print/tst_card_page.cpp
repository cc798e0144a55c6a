// The card page without a window: every element at its place, the rows
// filled from the editor's controls, the footer, the cut at a box's edge and
// the PDF a reader sees.
#include "fake_platform.h"
#include "print/card_template.h"
#include "print/report_layout.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QTemporaryDir>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {

const QDate printDay(2014, 3, 10);
constexpr qreal exact = 1e-9;

// Every control holds something, with blanks around it as an edited field may.
CardControls editedCard()
{
    CardControls card;
    card.txtData = QStringLiteral(" 12/03/2014 ");
    card.txtOreApp = QStringLiteral(" 07");
    card.txtMinutiApp = QStringLiteral("05 ");
    card.txtTipologia = QStringLiteral("Pagamento ");
    card.txtCausale = QStringLiteral("  Rata [mutuo] <b>casa</b> & box");
    card.txtDettagli = QStringLiteral("Bonifico\t");
    card.txtContatto = QStringLiteral("Banca Rossi");
    card.txtTel = QStringLiteral("02 1234567");
    card.txtCel = QStringLiteral("333 7654321");
    card.txtEmail = QStringLiteral("filiale@example.com ");
    card.txtLuogo = QStringLiteral("Milano");
    card.txtImporto = QStringLiteral("1.250,00");
    card.txtNote = QStringLiteral(" Portare il libretto");
    card.chkOttemperata = true;
    return card;
}

ReportPage cardPage(const CardControls& card, QTime time = QTime(9, 30, 0), QDate day = printDay)
{
    ReportTemplate report = cardTemplate();
    fillCardTemplate(report, card, day, time);
    const ReportDocument document = layoutReport(report, day);
    if (document.pages.size() != 1 || document.orientation != QPageLayout::Portrait)
        qFatal("the card page is one portrait page");
    return document.pages.front();
}

bool sameRect(const QRectF& a, const QRectF& b)
{
    return qAbs(a.left() - b.left()) < exact && qAbs(a.top() - b.top()) < exact && qAbs(a.width() - b.width()) < exact
        && qAbs(a.height() - b.height()) < exact;
}

const PlacedShape* shapeAt(const ReportPage& page, const QRectF& rect)
{
    for (const PlacedShape& placed : page.shapes)
        if (sameRect(placed.shape.rect, rect))
            return &placed;
    return nullptr;
}

const PlacedText* textAt(const ReportPage& page, const QRectF& rect)
{
    for (const PlacedText& placed : page.texts)
        if (sameRect(placed.rect, rect))
            return &placed;
    return nullptr;
}

}  // namespace

class TestCardPage : public QObject {
    Q_OBJECT

private slots:
    void rowsAtTheirPlaces_data();
    void rowsAtTheirPlaces();
    void barsAndRules();
    void emptyCardPrintsEmptyBoxes();
    void checkBoxReadsSiOrNo_data();
    void checkBoxReadsSiOrNo();
    void footerWithDateAndTime_data();
    void footerWithDateAndTime();
    void longReasonCutAt144mm();
    void cardPdfAsAReaderSeesIt();
};

void TestCardPage::rowsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<qreal>("top");  // of the row, mm
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::newRow("date")      << "txtData"        << 7.0  << "Data scadenza:"   << "12/03/2014";
    QTest::newRow("time")      << "txtOra"         << 12.0 << "Ora:"             << "07:05";
    QTest::newRow("type")      << "txtTipologia"   << 17.0 << "Tipologia:"       << "Pagamento";
    QTest::newRow("reason")    << "txtCausale"     << 22.0 << "Causale:"         << "Rata [mutuo] <b>casa</b> & box";
    QTest::newRow("details")   << "txtDettagli"    << 27.0 << "Dettagli:"        << "Bonifico";
    QTest::newRow("contact")   << "txtContatto"    << 32.0 << "Persona / Ditta:" << "Banca Rossi";
    QTest::newRow("telephone") << "txtTel"         << 37.0 << "Telefono:"        << "02 1234567";
    QTest::newRow("mobile")    << "txtCel"         << 42.0 << "Cellulare:"       << "333 7654321";
    QTest::newRow("e-mail")    << "txtEmail"       << 47.0 << "E-mail:"          << "filiale@example.com";
    QTest::newRow("place")     << "txtLuogo"       << 52.0 << "Luogo:"           << "Milano";
    QTest::newRow("amount")    << "txtImporto"     << 57.0 << "Importo:"         << "1.250,00";
    QTest::newRow("notes")     << "txtNote"        << 62.0 << "Note:"            << "Portare il libretto";
    QTest::newRow("fulfilled") << "txtOttemperata" << 67.0 << "Impegno assolto:" << "S\u00ec";
}

void TestCardPage::rowsAtTheirPlaces()
{
    QFETCH(QString, box);
    QFETCH(qreal, top);
    QFETCH(QString, label);
    QFETCH(QString, value);
    const ReportPage page = cardPage(editedCard());

    const PlacedText placed = placedLine(page, box);
    QVERIFY(sameRect(placed.rect, QRectF(44, top + 0.5, 144, 3.5)));
    QCOMPARE(placed.text, value);
    QCOMPARE(placed.style.family, QStringLiteral("Arial"));
    QCOMPARE(placed.style.pointSize, 7.0);
    QVERIFY(placed.style.alignment & Qt::AlignLeft);

    const PlacedText* caption = textAt(page, QRectF(2, top + 0.5, 37.8, 3.5));
    QVERIFY(caption);
    QCOMPARE(caption->text, label);
    QCOMPARE(caption->style.pointSize, 7.0);

    const PlacedShape* frame = shapeAt(page, QRectF(1, top, 188, 4.6));
    QVERIFY(frame);
    QCOMPARE(frame->shape.outline, QColor(Qt::black));
    QVERIFY(!frame->shape.fill.isValid());
}

void TestCardPage::barsAndRules()
{
    const ReportPage page = cardPage(editedCard());
    const PlacedShape* titleBar = shapeAt(page, QRectF(1, 1, 188, 5.8));
    const PlacedShape* footerBar = shapeAt(page, QRectF(1, 76, 188, 5.8));
    const PlacedShape* rule = shapeAt(page, QRectF(42, 7, 0, 64.6));
    QVERIFY(titleBar && footerBar && rule);
    QCOMPARE(titleBar->shape.fill, QColor(176, 196, 222));  // light steel blue
    QCOMPARE(footerBar->shape.fill, QColor(255, 215, 0));   // gold
    QCOMPARE(rule->shape.kind, Shape::Kind::Line);
    QCOMPARE(page.shapes.size(), 2u + 13u + 1u);

    const PlacedText title = placedLine(page, QStringLiteral("titArcataSup"));
    QVERIFY(sameRect(title.rect, QRectF(2, 2, 185.8, 4.2)));
    QCOMPARE(title.text, QStringLiteral("SCHEDA INFORMATIVA SCADENZA"));
    QCOMPARE(title.style.pointSize, 9.0);
    QVERIFY(title.style.alignment & Qt::AlignHCenter);
    const PlacedText footer = placedLine(page, QStringLiteral("txtCalce"));
    QVERIFY(sameRect(footer.rect, QRectF(2, 77, 185.8, 4.2)));
    QCOMPARE(footer.style.pointSize, 8.0);
    QVERIFY(footer.style.alignment & Qt::AlignHCenter);
    QCOMPARE(page.texts.size(), 1u + 13u * 2 + 1u);  // nothing else is printed: no notice days, no card number
}

void TestCardPage::emptyCardPrintsEmptyBoxes()
{
    const ReportPage page = cardPage(CardControls());
    for (const char* box : {"txtData", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto", "txtTel", "txtCel",
                            "txtEmail", "txtLuogo", "txtImporto", "txtNote"})
        QCOMPARE(placedLine(page, QLatin1String(box)).text, QString());
    QCOMPARE(placedLine(page, QStringLiteral("txtOra")).text, QStringLiteral(":"));
    QCOMPARE(placedLine(page, QStringLiteral("txtOttemperata")).text, QStringLiteral("No"));
}

void TestCardPage::checkBoxReadsSiOrNo_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("printed");
    QTest::newRow("checked") << true << "S\u00ec";
    QTest::newRow("clear") << false << "No";
}

void TestCardPage::checkBoxReadsSiOrNo()
{
    QFETCH(bool, checked);
    QFETCH(QString, printed);
    CardControls card = editedCard();
    card.chkOttemperata = checked;
    QCOMPARE(placedLine(cardPage(card), QStringLiteral("txtOttemperata")).text, printed);
}

void TestCardPage::footerWithDateAndTime_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("footer");
    QTest::newRow("last second of the day")
        << QDate(2014, 3, 10) << QTime(23, 59, 59) << "Stampa eseguita in data 10/03/2014 alle ore 23:59:59";
    QTest::newRow("midnight, single digits")
        << QDate(2015, 1, 1) << QTime(0, 0, 0) << "Stampa eseguita in data 01/01/2015 alle ore 00:00:00";
}

void TestCardPage::footerWithDateAndTime()
{
    QFETCH(QDate, day);
    QFETCH(QTime, time);
    QFETCH(QString, footer);
    QCOMPARE(placedLine(cardPage(editedCard(), time, day), QStringLiteral("txtCalce")).text, footer);
}

void TestCardPage::longReasonCutAt144mm()
{
    CardControls card = editedCard();
    card.txtCausale = QString();
    while (card.txtCausale.size() < 250)
        card.txtCausale += QStringLiteral("MUTUO-");
    card.txtCausale.truncate(250);
    const ReportPage page = cardPage(card);
    const PlacedText reason = placedLine(page, QStringLiteral("txtCausale"));
    QCOMPARE(reason.text, card.txtCausale);  // one line, never wrapped
    QCOMPARE(placedLines(page, QStringLiteral("txtCausale")).size(), 1u);
    QVERIFY(qAbs(reason.clip.right() - (44 + 144)) < exact);
    const QRectF row(0, 22.6, 0, 3.3);
    QVERIFY(inkIn(page, row.adjusted(185, 0, 187.9, 0)));   // the text runs up to the edge
    QVERIFY(!inkIn(page, row.adjusted(188.1, 0, 188.8, 0)));  // and no further; the frame is at 189
}

void TestCardPage::cardPdfAsAReaderSeesIt()
{
    if (!havePdfTools())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("scheda.pdf"));
    ReportTemplate report = cardTemplate();
    fillCardTemplate(report, editedCard(), printDay, QTime(23, 59, 59));
    QVERIFY(writePdf(layoutReport(report, printDay), pdf));

    QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(pdfPageSize(pdf), QSizeF(595, 842));  // A4 portrait, in points
    const QStringList lines = pdfText(pdf).split(QLatin1Char('\n'));
    const auto lineWith = [&](const QString& text) {
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(text); });
        return found == lines.end() ? QString() : found->simplified();
    };
    QCOMPARE(lineWith(QStringLiteral("SCHEDA")), QStringLiteral("SCHEDA INFORMATIVA SCADENZA"));
    QCOMPARE(lineWith(QStringLiteral("Data scadenza:")), QStringLiteral("Data scadenza: 12/03/2014"));
    QCOMPARE(lineWith(QStringLiteral("Ora:")), QStringLiteral("Ora: 07:05"));
    QCOMPARE(lineWith(QStringLiteral("Causale:")), QStringLiteral("Causale: Rata [mutuo] <b>casa</b> & box"));
    QCOMPARE(lineWith(QStringLiteral("Impegno assolto:")), QStringLiteral("Impegno assolto: S\u00ec"));
    QCOMPARE(lineWith(QStringLiteral("Stampa eseguita")),
             QStringLiteral("Stampa eseguita in data 10/03/2014 alle ore 23:59:59"));
}

QObject* makeCardPageTest() { return new TestCardPage; }

#include "tst_card_page.moc"
