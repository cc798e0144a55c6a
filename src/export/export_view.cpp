#include "export/export_view.h"

#include "export/calendar_file.h"
#include "export/export_artwork.h"
#include "export/export_grid.h"
#include "export/grid_export.h"
#include "export/workbook_file.h"
#include "info/help_window.h"
#include "platform/platform.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTableView>

#include <array>

namespace memora {

// What sets one view's window apart from the others; what it lists and
// writes is its ExportViewDefinition.
struct ExportViewTraits {
    const char* className;
    QString caption;
    Artwork banner;
    std::vector<int> editableColumns;
    HelpTopicId helpTopic;
};

namespace {

const QString infoInitial = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString infoEsporta = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
// The workbook and calendar buttons' captions, which are their information lines too.
const QString captionEsportaXlsx = QStringLiteral("Esporta in formato .xlsx");
const QString captionEsportaCalendario = QStringLiteral("Esporta calendario (.ics)");
const QString infoGuida = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
const QString infoEsci = QStringLiteral("Esci da questo ambiente di lavoro.");

constexpr int rowHeight = 21;

const ExportViewTraits& traitsOf(ExportViewKind kind)
{
    static const std::array<ExportViewTraits, 4> table = {{
        {"TfrmExpScadenzario", QStringLiteral(" Esportazione archivio scadenze"), art::excelBanner(),
         {colDettagli, colContatto, colTel}, HelpTopicId::Esportazione},
        {"TfrmExpImminenti", QStringLiteral(" Scadenze imminenti"),
         art::deadlinesBanner(QStringLiteral("Scadenze imminenti")), {colDettagli, colContatto, colCel, colCodice},
         HelpTopicId::Visualizzazione},
        {"TfrmExpGiornaliere", QStringLiteral(" Scadenze del giorno"),
         art::deadlinesBanner(QStringLiteral("Scadenze del giorno")), {colDettagli, colContatto, colTel, colCodice},
         HelpTopicId::Visualizzazione},
        {"TfrmExpMensili", QStringLiteral(" Scadenze del mese"),
         art::deadlinesBanner(QStringLiteral("Scadenze del mese")), {colDettagli, colContatto, colTel, colCodice},
         HelpTopicId::Visualizzazione},
    }};
    return table[std::size_t(kind)];
}

}  // namespace

ExportView::ExportView(ExportViewKind kind, QWidget* owner, QDate day)
    : QDialog(owner), m_kind(kind), m_view(exportViewDefinition(kind)), m_traits(traitsOf(kind)), m_day(day)
{
    setObjectName(QString::fromLatin1(m_traits.className));
    setWindowTitle(m_traits.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedClientSize(this, 862, 560);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, lightGrey);
    setPalette(colours);
    setAutoFillBackground(true);
    m_grid = new ExportGridModel(m_view.gridColumns(), m_traits.editableColumns, this);
    createFrame();
    createButtons();
    createGrid();
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(panContainer),
                            static_cast<QWidget*>(shpInfo), static_cast<QWidget*>(shpSfondo),
                            static_cast<QWidget*>(grdRecords), grdRecords->viewport()})
        watchMouseMoves(widget);
    setTabChain({grdRecords, cmdEsporta, cmdEsportaXlsx, cmdEsportaCalendario, cmdGuida, cmdEsci});
    centreWindow(this);
}

ExportView::~ExportView() = default;

void ExportView::createFrame()
{
    panContainer = new QFrame(this);
    panContainer->setGeometry(12, 13, 837, 533);
    panContainer->setFrameShape(QFrame::StyledPanel);

    shpSfondo = new QFrame(panContainer);
    shpSfondo->setGeometry(0, 0, 837, 84);
    shpSfondo->setStyleSheet(QStringLiteral("background: white;"));
    imgLogo = new Picture(m_traits.banner, m_traits.caption.trimmed(), panContainer);
    imgLogo->setGeometry(12, 8, 430, 68);

    shpInfo = new QFrame(panContainer);
    shpInfo->setGeometry(0, 503, 837, 30);
    shpInfo->setStyleSheet(QStringLiteral("background: %1;").arg(slateBlue.name()));
    panInfo = new QLabel(infoInitial, shpInfo);
    panInfo->setGeometry(10, 0, 817, 30);
    panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
    panInfo->setStyleSheet(QStringLiteral("color: white;"));
    panInfo->setWordWrap(false);
    panInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ExportView::createButtons()
{
    icoHand = new Picture(art::pointingHand(), QString(), panContainer);
    icoHand->setGeometry(592, 24, 52, 36);

    cmdEsporta = new PictureButton(art::spreadsheetIcon(), QStringLiteral("Esporta"), panContainer);
    cmdEsporta->setGeometry(650, 12, 60, 60);
    cmdEsporta->setDescription(infoEsporta);
    cmdEsportaCalendario = new PictureButton(art::calendarFileIcon(), captionEsportaCalendario, panContainer);
    cmdEsportaCalendario->setGeometry(520, 12, 60, 60);
    cmdEsportaCalendario->setDescription(captionEsportaCalendario);
    cmdEsportaXlsx = new PictureButton(art::workbookIcon(), captionEsportaXlsx, panContainer);
    cmdEsportaXlsx->setGeometry(452, 12, 60, 60);
    cmdEsportaXlsx->setDescription(captionEsportaXlsx);
    cmdGuida = new PictureButton(art::roundIcon(QStringLiteral("?"), QColor(30, 90, 200)), QStringLiteral("Guida"),
                                 panContainer);
    cmdGuida->setGeometry(716, 14, 56, 56);
    cmdGuida->setDescription(infoGuida);
    cmdEsci = new PictureButton(art::exitDoor(), QStringLiteral("Esci"), panContainer);
    cmdEsci->setGeometry(776, 12, 56, 60);
    cmdEsci->setDescription(infoEsci);

    connect(cmdEsporta, &QAbstractButton::clicked, this, &ExportView::cmdEsportaClick);
    connect(cmdEsportaXlsx, &QAbstractButton::clicked, this, &ExportView::cmdEsportaXlsxClick);
    connect(cmdEsportaCalendario, &QAbstractButton::clicked, this, &ExportView::cmdEsportaCalendarioClick);
    connect(cmdGuida, &QAbstractButton::clicked, this, &ExportView::cmdGuidaClick);
    connect(cmdEsci, &QAbstractButton::clicked, this, &ExportView::cmdEsciClick);
    connect(cmdEsporta, &PictureButton::hovered, this, &ExportView::cmdEsportaMouseMove);
    connect(cmdEsportaXlsx, &PictureButton::hovered, this, &ExportView::cmdEsportaXlsxMouseMove);
    connect(cmdEsportaCalendario, &PictureButton::hovered, this, &ExportView::cmdEsportaCalendarioMouseMove);
    connect(cmdGuida, &PictureButton::hovered, this, &ExportView::cmdGuidaMouseMove);
    connect(cmdEsci, &PictureButton::hovered, this, &ExportView::cmdEsciMouseMove);
}

void ExportView::createGrid()
{
    grdRecords = new QTableView(panContainer);
    grdRecords->setGeometry(8, 90, 821, 409);
    grdRecords->setModel(m_grid);
    grdRecords->setAccessibleName(m_traits.caption.trimmed());
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    grdRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(rowHeight);
    grdRecords->verticalHeader()->setDefaultSectionSize(rowHeight);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < m_view.gridColumns(); ++column)
        grdRecords->setColumnWidth(column, gridColumns[column].width);
}

void ExportView::watchMouseMoves(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

// A move reaches the watched widget also when a child under the pointer
// passed it on; only a move over the widget itself empties the line.
bool ExportView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (!widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            FormMouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

void ExportView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ExportView::FormShow()
{
    reportIncompleteScan(this, loadExportView(*m_grid, m_kind, archiveFile(), today(), m_day));
}

void ExportView::cmdEsportaClick() { EsportaGriglia(this, *m_grid, m_view.spreadsheetSheet()); }

// The calendar holds the rows' cards as the archive has them, not the texts
// typed into the grid.
void ExportView::cmdEsportaCalendarioClick()
{
    const CalendarSource source = calendarSource(archiveFile(), QDateTime(today(), platform().clock->now()));
    exportViewFile(this, m_view.fileName("ics"),
                   [&](const QString& path) { return writeCalendarFile(path, source, m_grid->cardNumbers()); });
}

// The workbook of the same rows and columns, beside the .xls file.
void ExportView::cmdEsportaXlsxClick()
{
    const SpreadsheetSheet sheet = m_view.spreadsheetSheet();
    exportViewFile(this, m_view.fileName("xlsx"),
                   [&](const QString& path) { return writeWorkbookFile(path, sheet, *m_grid); });
}

void ExportView::cmdGuidaClick() { MostraGuida(this, m_traits.helpTopic); }

void ExportView::cmdEsciClick() { close(); }

void ExportView::cmdEsportaMouseMove() { panInfo->setText(infoEsporta); }

void ExportView::cmdEsportaXlsxMouseMove() { panInfo->setText(captionEsportaXlsx); }

void ExportView::cmdEsportaCalendarioMouseMove() { panInfo->setText(captionEsportaCalendario); }

void ExportView::cmdGuidaMouseMove() { panInfo->setText(infoGuida); }

void ExportView::cmdEsciMouseMove() { panInfo->setText(infoEsci); }

void ExportView::FormMouseMove() { panInfo->clear(); }

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* owner) : ExportView(ExportViewKind::Scadenzario, owner, {}) {}

TfrmExpImminenti::TfrmExpImminenti(QWidget* owner) : ExportView(ExportViewKind::Imminenti, owner, {}) {}

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* owner, QDate day) : ExportView(ExportViewKind::Giornaliere, owner, day)
{
}

TfrmExpMensili::TfrmExpMensili(QWidget* owner, QDate day) : ExportView(ExportViewKind::Mensili, owner, day) {}

}  // namespace memora
