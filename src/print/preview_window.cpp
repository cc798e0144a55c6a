#include "print/preview_window.h"

#include "platform/platform.h"
#include "print/report_painter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace memora {

namespace {

constexpr int thumbnailWidth = 120;  // pixels

// A page as a small picture: white paper with the page painted on it.
QImage thumbnailOf(const ReportPage& page, QPageLayout::Orientation orientation)
{
    const QSizeF paper = reportPageLayout(orientation).fullRect(QPageLayout::Millimeter).size();
    const qreal dotsPerMm = thumbnailWidth / paper.width();
    QImage image((paper * dotsPerMm).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(page, painter, dotsPerMm, QPointF(pageMargin, pageMargin) * dotsPerMm);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

}  // namespace

PreviewWindow::PreviewWindow(ReportDocument document, QWidget* parent)
    : QDialog(parent), m_document(std::move(document))
{
    setWindowTitle(QStringLiteral(" Anteprima di stampa - ") + m_document.name);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(980, 720);

    pages = new QPrintPreviewWidget(&m_printer, this);
    pages->setAccessibleName(QStringLiteral("Pagine"));
    pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
    thumbnails = new QListWidget(this);
    thumbnails->setAccessibleName(QStringLiteral("Miniature"));
    thumbnails->setViewMode(QListView::IconMode);
    thumbnails->setFlow(QListView::TopToBottom);
    thumbnails->setMovement(QListView::Static);
    thumbnails->setIconSize(QSize(thumbnailWidth, thumbnailWidth * 3 / 2));
    thumbnails->setFixedWidth(thumbnailWidth + 40);
    thumbnails->hide();
    createToolBar();

    auto* body = new QHBoxLayout;
    body->addWidget(thumbnails);
    body->addWidget(pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addLayout(body, 1);

    connect(pages, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintPages);
    connect(thumbnails, &QListWidget::currentRowChanged, this, &PreviewWindow::showThumbnailPage);
    pages->updatePreview();
}

// The page view paints on m_printer, which goes before the children do.
PreviewWindow::~PreviewWindow() { delete pages; }

void PreviewWindow::createToolBar()
{
    toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    printAction = addCommand(QStringLiteral("Stampa"), QKeySequence::Print);
    zoomAction = addCommand(QStringLiteral("Zoom"), QKeySequence());
    createZoomMenu();
    // The button, not its action, holds the menu: only so is it known to
    // screen readers as a menu button, with a command that opens the menu
    // (which an instant popup would not obey). A click opens the menu too.
    auto* zoomButton = qobject_cast<QToolButton*>(toolBar->widgetForAction(zoomAction));
    zoomButton->setMenu(zoomMenu);
    zoomButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(zoomAction, &QAction::triggered, zoomButton, &QToolButton::showMenu);
    fullScreenAction = addCommand(QStringLiteral("Schermo intero"), QKeySequence(Qt::Key_F11));
    fullScreenAction->setCheckable(true);
    thumbnailsAction = addCommand(QStringLiteral("Miniature"), QKeySequence(Qt::CTRL | Qt::Key_M));
    thumbnailsAction->setCheckable(true);
    closeAction = addCommand(QStringLiteral("Chiudi"), QKeySequence());

    connect(printAction, &QAction::triggered, this, &PreviewWindow::printDocument);
    connect(fullScreenAction, &QAction::toggled, this, &PreviewWindow::setFullScreen);
    connect(thumbnailsAction, &QAction::toggled, this, &PreviewWindow::showThumbnails);
    connect(closeAction, &QAction::triggered, this, &QDialog::close);
}

QAction* PreviewWindow::addCommand(const QString& text, const QKeySequence& shortcut)
{
    QAction* action = toolBar->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

void PreviewWindow::createZoomMenu()
{
    zoomMenu = new QMenu(this);
    zoomMenu->setAccessibleName(QStringLiteral("Zoom"));
    auto add = [&](const QString& text, const QKeySequence& shortcut, const std::function<void()>& step) {
        QAction* action = zoomMenu->addAction(text);
        action->setShortcut(shortcut);
        addAction(action);  // the shortcut works while the menu is closed
        connect(action, &QAction::triggered, this, step);
    };
    add(QStringLiteral("Ingrandisci"), QKeySequence::ZoomIn, [this] { pages->zoomIn(); });
    add(QStringLiteral("Riduci"), QKeySequence::ZoomOut, [this] { pages->zoomOut(); });
    add(QStringLiteral("Adatta alla pagina"), QKeySequence(), [this] { pages->fitInView(); });
    add(QStringLiteral("Adatta alla larghezza"), QKeySequence(), [this] { pages->fitToWidth(); });
}

void PreviewWindow::paintPages(QPrinter* printer) { renderReport(m_document, *printer); }

void PreviewWindow::printDocument() { platform().printing->print(this, m_document); }

void PreviewWindow::setFullScreen(bool on)
{
    if (on)
        showFullScreen();
    else
        showNormal();
}

void PreviewWindow::showThumbnails(bool on)
{
    if (on && thumbnails->count() == 0)
        fillThumbnails();
    thumbnails->setVisible(on);
}

void PreviewWindow::fillThumbnails()
{
    for (std::size_t index = 0; index < m_document.pages.size(); ++index) {
        const QPixmap picture = QPixmap::fromImage(thumbnailOf(m_document.pages[index], m_document.orientation));
        auto* item = new QListWidgetItem(QIcon(picture), QStringLiteral("Pagina %1").arg(index + 1), thumbnails);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
}

void PreviewWindow::showThumbnailPage(int row)
{
    if (row >= 0)
        pages->setCurrentPage(row + 1);
}

}  // namespace memora
