#include "bench_windows.h"

#include "app/home_window.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/spreadsheet_file.h"
#include "platform/platform.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"
#include "summaries/summary_panel.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <memory>

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

}  // namespace

std::vector<WindowMeasure> windowMeasures()
{
    // The whole-archive view the export measure writes out, loaded once.
    auto exportSource = std::make_shared<std::unique_ptr<TfrmExpScadenzario>>();
    return {
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
         [exportSource] {
             *exportSource = std::make_unique<TfrmExpScadenzario>();
             (*exportSource)->show();
         }},
        {QStringLiteral("to fulfil: loaded, sorted, painted"), [] { openSummary<TfrmConfermati>(); }},
        {QStringLiteral("expired: loaded, sorted, painted"), [] { openSummary<TfrmScaduti>(); }},
        {QStringLiteral("fulfilled: loaded, sorted, painted"), [] { openSummary<TfrmAssolti>(); }},
        {QStringLiteral("search, all cards, and a Trova"), [] { searchAndFind(QString()); }},
        {QStringLiteral("search by Causale, and a Trova"), [] { searchAndFind(QStringLiteral("RATA")); }},
    };
}

}  // namespace memora::bench
