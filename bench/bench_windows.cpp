#include "bench_windows.h"

#include "app/home_window.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/spreadsheet_file.h"
#include "platform/platform.h"

#include <QDir>
#include <QPixmap>

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
    };
}

}  // namespace memora::bench
