#include "summaries/status_summaries.h"

#include "platform/platform.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"
#include "summaries/summary_panel.h"
#include "widgets/summary_list.h"
#include "widgets/window_look.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace memora {

namespace {

const StatusSummary confermati{
    QStringLiteral(" Riepilogo impegni da assolvere"),
    QStringLiteral("IMPEGNI DA ASSOLVERE"),
    DaAssolvereFields,
    [](const TSchedaScadenza& card, QDate) { return DaAssolvere(card); },
    QStringLiteral("Riepilogo impegni da assolvere"),
};

const StatusSummary scaduti{
    QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
    QStringLiteral("IMPEGNI SCADUTI E NON ASSOLTI"),
    ScadutaNonAssoltaFields,
    [](const TSchedaScadenza& card, QDate today) { return ScadutaNonAssolta(card, today); },
    QStringLiteral("Riepilogo impegni scaduti e non assolti"),
};

const StatusSummary assolti{
    QStringLiteral(" Riepilogo impegni assolti"),
    QStringLiteral("IMPEGNI ASSOLTI"),
    AssoltaFields,
    [](const TSchedaScadenza& card, QDate) { return Assolta(card); },
    QStringLiteral("Riepilogo impegni assolti"),
};

}  // namespace

StatusSummaryWindow::StatusSummaryWindow(QWidget* owner, CurrentCard* card, const StatusSummary& summary)
    : SummaryWindow(owner, card, summary.caption, summary.banner, summary.printTitle),
      m_reads(summary.reads),
      m_belongs(summary.belongs)
{
    setTabChain({panContainer->txtTrova, panContainer->lstRecords, panContainer->btnStampa, panContainer->btnTrova,
                 panContainer->btnChiudi});
}

void StatusSummaryWindow::showEvent(QShowEvent* event)
{
    SummaryWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Loads the list once per showing; a card that cannot be classified is left
// out and the cards after it are still listed. An archive not read to its end
// leaves the lines found before and is reported.
void StatusSummaryWindow::FormShow()
{
    panContainer->resetFind();
    const QDate day = today();
    const CardFilter filter{m_reads, [this, day](const TSchedaScadenza& card) { return m_belongs(card, day); }};
    SummaryScan scan = summaryLines(archiveFile(), filter);
    panContainer->showEntries(std::move(scan.entries));
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
    reportIncompleteScan(this, scan);
}

TfrmConfermati::TfrmConfermati(QWidget* owner, CurrentCard* card)
    : StatusSummaryWindow(owner, card, confermati)
{
    setObjectName(QStringLiteral("TfrmConfermati"));
}

TfrmScaduti::TfrmScaduti(QWidget* owner, CurrentCard* card)
    : StatusSummaryWindow(owner, card, scaduti)
{
    setObjectName(QStringLiteral("TfrmScaduti"));
}

TfrmAssolti::TfrmAssolti(QWidget* owner, CurrentCard* card)
    : StatusSummaryWindow(owner, card, assolti)
{
    setObjectName(QStringLiteral("TfrmAssolti"));
}

}  // namespace memora
