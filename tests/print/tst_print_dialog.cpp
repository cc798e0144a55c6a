// The print dialog in front of every printout, as the program opens it: in
// Italian, cancelling it prints nothing, and the copies asked for reach a file.
#include "fake_platform.h"
#include "print/card_template.h"
#include "print/list_template.h"
#include "print/print_dialog.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QCheckBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {

const QDate printDay(2014, 3, 10);

// Three landscape pages, each starting with a line no other page holds.
ReportDocument threePageList()
{
    QStringList lines;
    for (int index = 1; index <= 120; ++index)
        lines << QStringLiteral("Riga %1").arg(index, 3, 10, QLatin1Char('0'));
    ReportTemplate report = listTemplate();
    fillListTemplate(report, QStringLiteral("Riepilogo scadenze in archivio"), lines);
    return layoutReport(report, printDay);
}

ReportDocument cardDocument()
{
    CardControls card;
    card.txtData = QStringLiteral("12/03/2014");
    card.txtCausale = QStringLiteral("Rata mutuo");
    ReportTemplate report = cardTemplate();
    fillCardTemplate(report, card, printDay, QTime(9, 30, 0));
    return layoutReport(report, printDay);
}

// For each page of the PDF file, the number (from 1) of the document's page
// it shows, told by the first text of the box markerBox; 0 for a page that
// shows none of them.
QList<int> printedPages(const QString& pdf, const ReportDocument& document, const QString& markerBox)
{
    QList<int> printed;
    const int pageCount = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
    for (int page = 1; page <= pageCount; ++page) {
        const QString text = pdfText(pdf, page, page);
        int shown = 0;
        for (std::size_t k = 0; k < document.pages.size() && shown == 0; ++k)
            if (text.contains(placedLine(document.pages[k], markerBox).text))
                shown = int(k) + 1;
        printed << shown;
    }
    return printed;
}

}  // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }
    void printsOnlyWhenConfirmed_data();
    void printsOnlyWhenConfirmed();
    void copiesAndOrderOnFile_data();
    void copiesAndOrderOnFile();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestPrintDialog::printsOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancelled") << false;
    QTest::newRow("confirmed") << true;
}

void TestPrintDialog::printsOnlyWhenConfirmed()
{
    QFETCH(bool, confirm);
    QTemporaryDir directory;
    const QString output = directory.filePath(QStringLiteral("stampa.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
        QVERIFY(printDialog);
        QVERIFY(!printDialog->testOption(QAbstractPrintDialog::PrintPageRange));  // always the whole document
        if (confirm)
            printDialog->accept();
        else
            printDialog->reject();
    };
    ReportTemplate report = listTemplate();
    fillListTemplate(report, QStringLiteral("Riepilogo impegni da assolvere"), {QStringLiteral("Data: 12/03/2014")});

    QCOMPARE(printThroughDialog(nullptr, layoutReport(report, QDate(2014, 3, 10)), printer), confirm);
    QCOMPARE(m_platform->modal.shownTitles, QStringList{QStringLiteral("Stampa")});
    QCOMPARE(printer.docName(), QStringLiteral("Riepilogo dati"));
    QCOMPARE(QFile::exists(output), confirm);
    QVERIFY(m_platform->messages.shown.isEmpty());
    if (confirm && havePdfTools())
        QVERIFY(pdfText(output).contains(QStringLiteral("Riepilogo impegni da assolvere")));
}

void TestPrintDialog::copiesAndOrderOnFile_data()
{
    QTest::addColumn<bool>("card");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QList<int>>("pages");  // the document's page on each printed page
    QTest::newRow("list, one copy")                  << false << 1 << true  << false << QList<int>{1, 2, 3};
    QTest::newRow("list, two copies collated")       << false << 2 << true  << false << QList<int>{1, 2, 3, 1, 2, 3};
    QTest::newRow("list, two copies not collated")   << false << 2 << false << false << QList<int>{1, 1, 2, 2, 3, 3};
    QTest::newRow("list, last page first")           << false << 1 << true  << true  << QList<int>{3, 2, 1};
    QTest::newRow("list, two copies collated, last page first")
        << false << 2 << true << true << QList<int>{3, 2, 1, 3, 2, 1};
    QTest::newRow("list, two copies not collated, last page first")
        << false << 2 << false << true << QList<int>{3, 3, 2, 2, 1, 1};
    QTest::newRow("card, two copies collated")       << true  << 2 << true  << false << QList<int>{1, 1};
    QTest::newRow("card, three copies not collated") << true  << 3 << false << false << QList<int>{1, 1, 1};
}

// A PDF file makes no copies and keeps no order of pages: the copies and the
// order set in the dialog are the pages of the file.
void TestPrintDialog::copiesAndOrderOnFile()
{
    QFETCH(bool, card);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(bool, reverse);
    QFETCH(QList<int>, pages);
    if (!havePdfTools())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    QTemporaryDir directory;
    const QString output = directory.filePath(QStringLiteral("copie.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* copiesBox = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        auto* collateBox = dialog.findChild<QCheckBox*>(QStringLiteral("collate"));
        auto* reverseBox = dialog.findChild<QCheckBox*>(QStringLiteral("reverse"));
        QVERIFY(copiesBox && collateBox && reverseBox);
        copiesBox->setValue(copies);
        collateBox->setChecked(collate);
        reverseBox->setChecked(reverse);
        dialog.accept();
    };
    const ReportDocument document = card ? cardDocument() : threePageList();

    QVERIFY(printThroughDialog(nullptr, document, printer));
    QCOMPARE(printer.copyCount(), copies);
    QCOMPARE(pdfInfo(output, QStringLiteral("Pages")).toInt(), pages.size());
    QCOMPARE(printedPages(output, document, card ? QStringLiteral("titArcataSup") : QStringLiteral("txtRiepilogo")),
             pages);
}

QObject* makePrintDialogTest() { return new TestPrintDialog; }

#include "tst_print_dialog.moc"
