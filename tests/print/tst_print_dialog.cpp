// The print dialog in front of every printout, as the program opens it: in
// Italian, and cancelling it prints nothing.
#include "fake_platform.h"
#include "print/list_template.h"
#include "print/print_dialog.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace memora;
using namespace memora::test;

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }
    void printsOnlyWhenConfirmed_data();
    void printsOnlyWhenConfirmed();

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

int runPrintDialogTests(int argc, char** argv)
{
    TestPrintDialog tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_print_dialog.moc"
