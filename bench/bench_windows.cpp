#include "bench_windows.h"

#include "app/home_window.h"
#include "app/program.h"
#include "archive/archive_file.h"
#include "export/calendar_file.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/spreadsheet_file.h"
#include "export/workbook_file.h"
#include "platform/platform.h"
#include "print/list_template.h"
#include "print/report_layout.h"
#include "print/report_painter.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"
#include "summaries/summary_panel.h"
#include "widgets/summary_list.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>

#include <memory>
#include <numeric>

namespace memora::bench {

namespace {

// Shows a window and paints it once, as the first frame on screen.
void showAndPaint(QWidget& window)
{
    window.show();
    const QPixmap frame = window.grab();
    if (frame.isNull())
        qFatal("nothing painted");
}

// Scrolls a window's list from its top to its last line and paints the
// window: a list of any length shows its end at once.
void scrollToEndAndPaint(QWidget& window, QAbstractItemView& list)
{
    list.scrollToTop();
    list.scrollToBottom();
    if (window.grab().isNull())
        qFatal("nothing painted");
}

// Opens an export view on today's date: loaded (and ordered) and painted.
template <typename View>
void openExportView()
{
    View view(nullptr, today());
    showAndPaint(view);
}

// Opens a summary: its list loaded, sorted and painted.
template <typename Summary>
void openSummary()
{
    Summary summary;
    showAndPaint(summary);
}

// Runs a search with one Causale criterion (empty: every card) and paints
// the results; then Trova looks through every line for a text none holds.
void searchAndFind(const QString& causale)
{
    TfrmTrovaScadenze search;
    search.show();
    search.txtCausale->setText(causale);
    search.btnCerca->click();
    showAndPaint(search);
    search.panContainer->txtTrova->setText(QStringLiteral("testo assente"));
    search.panContainer->btnTrova->click();
}

// Lays the lines out as the list report and paints its first page, as the
// preview shows it first.
void layOutListReport(const QStringList& lines)
{
    ReportTemplate report = listTemplate();
    fillListTemplate(report, QStringLiteral("Riepilogo scadenze imminenti"), lines);
    const ReportDocument document = layoutReport(report, today());
    QImage page(1123, 794, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintPage(document.pages.front(), painter, 4.0, QPointF(40, 40));
}

// The home window's list, whose Stampa prints the list report.
QStringList imminentLines()
{
    const QDate day = today();
    return summaryLines(archiveFile(), {ImminenteFields, [day](const TSchedaScadenza& card) {
                                            return Imminente(card, day);
                                        }})
        .entries.texts();
}

}  // namespace

std::vector<WindowMeasure> windowMeasures()
{
    // The whole-archive view that the export measures write out and scroll,
    // loaded before each of them and let go after it, so that each one runs
    // alone too and on the archive of its size.
    auto exportSource = std::make_shared<std::unique_ptr<TfrmExpScadenzario>>();
    // The card numbers of the whole-archive view, as its grid gives them.
    auto calendarCards = std::make_shared<std::vector<int>>();
    const auto loadExportSource = [exportSource] {
        *exportSource = std::make_unique<TfrmExpScadenzario>();
        (*exportSource)->show();
    };
    const auto dropExportSource = [exportSource] { exportSource->reset(); };
    auto reportLines = std::make_shared<QStringList>();
    auto openList = std::make_shared<std::unique_ptr<TfrmConfermati>>();
    return {
        {QStringLiteral("start: every window made, home painted"), [] {
             Program program;
             showAndPaint(program.home());
         }},
        {QStringLiteral("home window: created, filled, painted"), [] {
             TfrmAvvio home;
             showAndPaint(home);
         }},
        {QStringLiteral("export view, whole archive"), [] {
             TfrmExpScadenzario view;
             showAndPaint(view);
         }},
        {QStringLiteral("export view, imminent (ordered)"), [] {
             TfrmExpImminenti view;
             showAndPaint(view);
         }},
        {QStringLiteral("export view, day (ordered)"), [] { openExportView<TfrmExpGiornaliere>(); }},
        {QStringLiteral("export view, month (ordered)"), [] { openExportView<TfrmExpMensili>(); }},
        {QStringLiteral("export file written, whole archive"),
         [exportSource] {
             const QString path = QDir(programDirectory()).filePath(QStringLiteral("Riepilogo_Scadenze.xls"));
             const SpreadsheetSheet sheet = {QStringLiteral("Riepilogo_Scadenze.xls"),
                                             QStringLiteral("Riepilogo Scadenze"), 13};
             if (!writeSpreadsheetFile(path, sheet, (*exportSource)->grid()))
                 qFatal("the export failed");
         },
         loadExportSource, dropExportSource},
        {QStringLiteral("workbook (.xlsx) written, whole archive"),
         [exportSource] {
             const ExportViewDefinition& view = exportViewDefinition(ExportViewKind::Scadenzario);
             const QString path = QDir(programDirectory()).filePath(view.fileName("xlsx"));
             if (!writeWorkbookFile(path, view.spreadsheetSheet(), (*exportSource)->grid()))
                 qFatal("the workbook export failed");
         },
         loadExportSource, dropExportSource},
        {QStringLiteral("calendar file written, whole archive"),
         [calendarCards] {
             const QString path = QDir(programDirectory()).filePath(QStringLiteral("Riepilogo_Scadenze.ics"));
             const CalendarSource source = calendarSource(archiveFile(), QDateTime::currentDateTime());
             if (!writeCalendarFile(path, source, *calendarCards))
                 qFatal("the calendar export failed");
         },
         [calendarCards] {
             calendarCards->resize(std::size_t(ArchiveFile(archiveFile(), ArchiveAccess::Read).recordCount()));
             std::iota(calendarCards->begin(), calendarCards->end(), 1);
         },
         [calendarCards] { calendarCards->clear(); }},
        {QStringLiteral("whole archive: last row shown, painted"),
         [exportSource] { scrollToEndAndPaint(**exportSource, *(*exportSource)->grdRecords); }, loadExportSource,
         dropExportSource},
        {QStringLiteral("to fulfil: loaded, sorted, painted"), [] { openSummary<TfrmConfermati>(); }},
        {QStringLiteral("to fulfil: last line shown, painted"),
         [openList] { scrollToEndAndPaint(**openList, *(*openList)->panContainer->lstRecords); },
         [openList] {
             *openList = std::make_unique<TfrmConfermati>();
             (*openList)->show();
         },
         [openList] { openList->reset(); }},
        {QStringLiteral("expired: loaded, sorted, painted"), [] { openSummary<TfrmScaduti>(); }},
        {QStringLiteral("fulfilled: loaded, sorted, painted"), [] { openSummary<TfrmAssolti>(); }},
        {QStringLiteral("search, all cards, and a Trova"), [] { searchAndFind(QString()); }},
        {QStringLiteral("search by Causale, and a Trova"), [] { searchAndFind(QStringLiteral("RATA")); }},
        {QStringLiteral("list report of the home list laid out"), [reportLines] { layOutListReport(*reportLines); },
         [reportLines] { *reportLines = imminentLines(); }, [reportLines] { reportLines->clear(); }},
    };
}

}  // namespace memora::bench
