#include "print/card_print_windows.h"

#include "current_card/current_card.h"
#include "platform/platform.h"
#include "print/print_artwork.h"
#include "print/report_layout.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/window_look.h"

#include <QPushButton>

namespace memora {

CardPrintWindow::CardPrintWindow(QWidget* owner, const CurrentCard* card, const Texts& texts)
    : QDialog(owner), m_card(card)
{
    setWindowTitle(texts.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedClientSize(this, 364, 287);
    setGradientBackground(this, steelBlue, Qt::white);
    createPictures(texts);
    createButtons(texts.confirm);
    centreWindow(this);
}

void CardPrintWindow::createPictures(const Texts& texts)
{
    auto* heading = new Picture(art::heading(texts.heading, texts.line), texts.heading + QLatin1Char('\n') + texts.line,
                                this);
    heading->setGeometry(16, 12, 332, 96);
    auto* icon = new Picture(art::printer(texts.magnifier), QString(), this);
    icon->setGeometry(16, 124, 72, 72);
    auto* instruction = new Picture(art::note(texts.instruction, noteYellow), texts.instruction, this);
    instruction->setGeometry(100, 120, 248, 82);
    auto* person = new Picture(art::person(steelBlue.darker(130)), QString(), this);
    person->setGeometry(160, 212, 44, 64);
}

void CardPrintWindow::createButtons(const QString& confirm)
{
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setGeometry(16, 240, 130, 32);
    btnStampa = new QPushButton(confirm, this);
    btnStampa->setGeometry(218, 240, 130, 32);
    btnStampa->setDefault(true);
    btnStampa->setFocus();
    connect(btnAnnulla, &QPushButton::clicked, this, &CardPrintWindow::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &CardPrintWindow::btnStampaClick);
}

void CardPrintWindow::btnAnnullaClick() { reject(); }

void CardPrintWindow::btnStampaClick()
{
    const QDate day = today();
    ReportTemplate page = cardTemplate();
    fillCardTemplate(page, m_card ? m_card->cardControls() : CardControls(), day, platform().clock->now());
    deliver(layoutReport(page, day));
    accept();
}

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* owner, const CurrentCard* card)
    : CardPrintWindow(owner, card,
                      {QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa"), QStringLiteral("Stampa scheda"),
                       QStringLiteral("Questa operazione provveder\u00e0 a stampare la scheda corrente su carta con i "
                                      "dati immessi dall'utente."),
                       QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla "
                                      "per annullare l'operazione."),
                       false})
{
    setObjectName(QStringLiteral("TfrmStampaScadenza"));
}

void TfrmStampaScadenza::deliver(const ReportDocument& page) { platform().printing->print(this, page); }

TfrmStartup::TfrmStartup(QWidget* owner, const CurrentCard* card)
    : CardPrintWindow(owner, card,
                      {QStringLiteral(" Anteprima di stampa"), QStringLiteral("Mostra anteprima"),
                       QStringLiteral("Anteprima di stampa"),
                       QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che appariranno "
                                      "in stampa."),
                       QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo "
                                      "prima di eseguire la stampa su carta."),
                       true})
{
    setObjectName(QStringLiteral("TfrmStartup"));
}

void TfrmStartup::deliver(const ReportDocument& page) { platform().printing->preview(this, page); }

}  // namespace memora
