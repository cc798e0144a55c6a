#include "bench_windows.h"

#include "app/home_window.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"
#include "summaries/summary_panel.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

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
    return {
        {QStringLiteral("home window: created, filled, painted"), [] {
             TfrmAvvio home;
             showAndPaint(home);
         }},
        {QStringLiteral("to fulfil: loaded, sorted, painted"), [] { openSummary<TfrmConfermati>(); }},
        {QStringLiteral("expired: loaded, sorted, painted"), [] { openSummary<TfrmScaduti>(); }},
        {QStringLiteral("fulfilled: loaded, sorted, painted"), [] { openSummary<TfrmAssolti>(); }},
        {QStringLiteral("search, all cards, and a Trova"), [] { searchAndFind(QString()); }},
        {QStringLiteral("search by Causale, and a Trova"), [] { searchAndFind(QStringLiteral("RATA")); }},
    };
}

}  // namespace memora::bench
