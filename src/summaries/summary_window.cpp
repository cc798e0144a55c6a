#include "summaries/summary_window.h"

#include "archive/archive_file.h"
#include "current_card/current_card.h"
#include "platform/platform.h"
#include "print/list_report.h"
#include "summaries/summary_panel.h"
#include "widgets/summary_list.h"
#include "widgets/window_look.h"

#include <QPushButton>

namespace memora {

SummaryWindow::SummaryWindow(QWidget* owner, CurrentCard* card, const QString& caption, const QString& banner,
                             const QString& printTitle)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_card(card),
      m_printTitle(printTitle)
{
    setWindowTitle(caption);
    setFixedClientSize(this, 862, 560);
    setGradientBackground(this, Qt::black, Qt::white);
    panContainer = new SummaryPanel(banner, this);
    panContainer->move((width() - panContainer->width()) / 2, (height() - panContainer->height()) / 2);
    connect(panContainer, &SummaryPanel::lineChosen, this, &SummaryWindow::lstRecordsDblClick);
    connect(panContainer->btnChiudi, &QPushButton::clicked, this, &SummaryWindow::btnChiudiClick);
    connect(panContainer->btnStampa, &QPushButton::clicked, this, &SummaryWindow::btnStampaClick);
    centreWindow(this);
}

void SummaryWindow::lstRecordsDblClick()
{
    const SummaryEntry* entry = panContainer->selectedEntry();
    if (entry && m_card && mayLoadIntoEditor()) {
        try {
            const int number = entry->cardNumber;
            m_card->CaricaScheda(readCard(archiveFile(), number), number);
        } catch (const ArchiveError&) {
            // The editor keeps what it held; the window closes all the same.
            reportArchiveFailure(this, MessageKind::Plain);
        }
    }
    close();
}

void SummaryWindow::btnStampaClick() { StampaRiepilogo(this, m_printTitle, panContainer->lines()); }

void SummaryWindow::btnChiudiClick() { close(); }

void SummaryWindow::FormClose() { panContainer->lstRecords->lines().clear(); }

void SummaryWindow::done(int result)
{
    FormClose();
    QDialog::done(result);
}

}  // namespace memora
