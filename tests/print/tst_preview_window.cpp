// The preview window: the pages it shows and its five commands.
#include "fake_platform.h"
#include "print/list_template.h"
#include "print/preview_window.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {
ReportDocument listOfLines(int count)
{
    QStringList lines;
    for (int index = 1; index <= count; ++index)
        lines << QStringLiteral("Riga %1").arg(index);
    ReportTemplate report = listTemplate();
    fillListTemplate(report, QStringLiteral("Riepilogo scadenze in archivio"), lines);
    return layoutReport(report, QDate(2014, 3, 10));
}

QStringList textsOf(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}
}  // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }
    void onlyFiveCommands();
    void printsTheShownDocument();
    void thumbnailsShowEveryPage();
    void fullScreenAndClose();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestPreviewWindow::onlyFiveCommands()
{
    PreviewWindow window(listOfLines(3), nullptr);
    QCOMPARE(textsOf(window.toolBar->actions()),
             QStringList({"Stampa", "Zoom", "Schermo intero", "Miniature", "Chiudi"}));
    QVERIFY(window.zoomAction->menu());
    QCOMPARE(textsOf(window.zoomAction->menu()->actions()),
             QStringList({"Ingrandisci", "Riduci", "Adatta alla pagina", "Adatta alla larghezza"}));
    QCOMPARE(window.pages->pageCount(), 1);
    QCOMPARE(window.pages->orientation(), QPageLayout::Landscape);
}

void TestPreviewWindow::printsTheShownDocument()
{
    PreviewWindow window(listOfLines(120), nullptr);
    window.printAction->trigger();
    QCOMPARE(m_platform->printing.dialogs, 1);
    QCOMPARE(m_platform->printing.parents.value(0), &window);
    const ReportDocument& printed = m_platform->printing.printed.at(0);
    QCOMPARE(printed.pages.size(), 3u);
    QCOMPARE(placedLines(printed.pages[2], QStringLiteral("txtRiepilogo")).back().text, QStringLiteral("Riga 120"));
}

void TestPreviewWindow::thumbnailsShowEveryPage()
{
    PreviewWindow window(listOfLines(120), nullptr);
    window.show();
    QCOMPARE(window.pages->pageCount(), 3);
    QVERIFY(!window.thumbnails->isVisible());
    window.thumbnailsAction->trigger();
    QVERIFY(window.thumbnails->isVisible());
    QCOMPARE(window.thumbnails->count(), 3);
    QCOMPARE(window.thumbnails->item(2)->text(), QStringLiteral("Pagina 3"));
    window.thumbnails->setCurrentRow(2);
    QCOMPARE(window.pages->currentPage(), 3);
    window.thumbnails->setCurrentRow(0);
    QCOMPARE(window.pages->currentPage(), 1);
    window.thumbnailsAction->trigger();
    QVERIFY(!window.thumbnails->isVisible());
}

void TestPreviewWindow::fullScreenAndClose()
{
    PreviewWindow window(listOfLines(1), nullptr);
    window.show();
    window.fullScreenAction->trigger();
    QVERIFY(window.isFullScreen());
    window.fullScreenAction->trigger();
    QVERIFY(!window.isFullScreen());
    window.closeAction->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

int runPreviewWindowTests(int argc, char** argv)
{
    TestPreviewWindow tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_preview_window.moc"
