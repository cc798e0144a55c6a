// The print preview: the pages of a report on screen, to look at or to print.
//
// It opens at the page's width, where the small print of a card can be read.
// Its toolbar offers only five commands: Stampa (through the print dialog),
// Zoom (a menu of zoom steps), Schermo intero, Miniature (a column of page
// thumbnails; clicking one shows that page) and Chiudi. Nothing on the pages
// can be changed.
#pragma once

#include "print/report_layout.h"

#include <QDialog>
#include <QPrinter>

class QAction;
class QListWidget;
class QMenu;
class QPrintPreviewWidget;
class QToolBar;

namespace memora {

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(ReportDocument document, QWidget* parent);
    ~PreviewWindow() override;

    QToolBar* toolBar = nullptr;
    QPrintPreviewWidget* pages = nullptr;
    QListWidget* thumbnails = nullptr;
    QAction* printAction = nullptr;
    QAction* zoomAction = nullptr;
    QMenu* zoomMenu = nullptr;
    QAction* fullScreenAction = nullptr;
    QAction* thumbnailsAction = nullptr;
    QAction* closeAction = nullptr;

private slots:
    void paintPages(QPrinter* printer);
    void printDocument();
    void setFullScreen(bool on);
    void showThumbnails(bool on);
    void showThumbnailPage(int row);

private:
    void createToolBar();
    QAction* addCommand(const QString& text, const QKeySequence& shortcut);
    void createZoomMenu();
    void fillThumbnails();

    ReportDocument m_document;
    QPrinter m_printer{QPrinter::HighResolution};
};

}  // namespace memora
