// The preview window: the pages it shows, the zoom it opens at and its five
// commands, for the mouse and for screen readers.
#include "fake_platform.h"
#include "print/card_template.h"
#include "print/list_template.h"
#include "print/preview_window.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QTimer>
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

ReportDocument cardPage()
{
    CardControls card;
    card.txtData = QStringLiteral("12/03/2014");
    card.txtCausale = QStringLiteral("Rata mutuo");
    ReportTemplate report = cardTemplate();
    fillCardTemplate(report, card, QDate(2014, 3, 10), QTime(9, 30, 0));
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
    void opensAtThePageWidth();
    void commandsReachByScreenReader();
    void zoomChoicesReachByScreenReader();
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
    QCOMPARE(textsOf(window.zoomMenu->actions()),
             QStringList({"Ingrandisci", "Riduci", "Adatta alla pagina", "Adatta alla larghezza"}));
    QCOMPARE(window.pages->pageCount(), 1);
    QCOMPARE(window.pages->orientation(), QPageLayout::Landscape);
}

// Fitted to the whole page, the card's 7-point text cannot be read.
void TestPreviewWindow::opensAtThePageWidth()
{
    PreviewWindow window(cardPage(), nullptr);
    window.show();
    QCOMPARE(window.pages->zoomMode(), QPrintPreviewWidget::FitToWidth);
    const qreal opened = window.pages->zoomFactor();
    window.pages->fitInView();
    QVERIFY2(opened > window.pages->zoomFactor() * 1.5, "a portrait page at its width is far larger than whole");
}

// Every toolbar command has its name and a command a screen reader can give.
void TestPreviewWindow::commandsReachByScreenReader()
{
    PreviewWindow window(listOfLines(3), nullptr);
    window.show();
    QStringList names;
    for (QAction* action : window.toolBar->actions()) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(window.toolBar->widgetForAction(action));
        QVERIFY(button && button->actionInterface());
        names << button->text(QAccessible::Name);
        QVERIFY2(!button->actionInterface()->actionNames().isEmpty(), qPrintable(action->text()));
    }
    QCOMPARE(names, QStringList({"Stampa", "Zoom", "Schermo intero", "Miniature", "Chiudi"}));
    QAccessibleInterface* zoom = QAccessible::queryAccessibleInterface(window.toolBar->widgetForAction(window.zoomAction));
    QCOMPARE(zoom->role(), QAccessible::ButtonMenu);
    QVERIFY(zoom->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
}

// The screen reader's command on Zoom opens its menu, whose choices it reads
// with their shortcuts and can choose.
void TestPreviewWindow::zoomChoicesReachByScreenReader()
{
    PreviewWindow window(cardPage(), nullptr);
    window.show();
    QAccessibleInterface* zoom = QAccessible::queryAccessibleInterface(window.toolBar->widgetForAction(window.zoomAction));
    QVERIFY(zoom->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    bool opened = false;
    QAccessible::Role role = QAccessible::NoRole;
    QStringList names;
    QStringList shortcuts;
    // The menu runs its own event loop until it closes: it is read from there.
    QTimer::singleShot(0, &window, [&] {
        opened = window.zoomMenu->isVisible();
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window.zoomMenu);
        role = menu->role();
        for (int k = 0; k < menu->childCount(); ++k) {
            QAccessibleInterface* choice = menu->child(k);
            if (choice->role() == QAccessible::MenuItem
                && choice->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())) {
                names << choice->text(QAccessible::Name);
                shortcuts << choice->text(QAccessible::Accelerator);
            }
        }
        if (menu->childCount() > 2)
            menu->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        window.zoomMenu->close();
    });
    zoom->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());

    QVERIFY(opened);
    QCOMPARE(role, QAccessible::PopupMenu);
    QCOMPARE(names, QStringList({"Ingrandisci", "Riduci", "Adatta alla pagina", "Adatta alla larghezza"}));
    QCOMPARE(shortcuts, QStringList({QKeySequence(QKeySequence::ZoomIn).toString(QKeySequence::NativeText),
                                     QKeySequence(QKeySequence::ZoomOut).toString(QKeySequence::NativeText),
                                     QString(), QString()}));
    QCOMPARE(window.pages->zoomMode(), QPrintPreviewWidget::FitInView);
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

QObject* makePreviewWindowTest() { return new TestPreviewWindow; }

#include "tst_preview_window.moc"
