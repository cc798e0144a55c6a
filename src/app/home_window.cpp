#include "app/home_window.h"

#include "export/export_view.h"
#include "info/help_window.h"
#include "info/info_window.h"
#include "info/maker.h"
#include "info/misc.h"
#include "info/splash_window.h"
#include "platform/platform.h"
#include "print/list_report.h"
#include "rules/card_rules.h"
#include "rules/card_scan.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/summary_list.h"
#include "widgets/window_look.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace memora {

namespace {

const QString presentText = QStringLiteral("Ci sono scadenze!");
const QString absentText = QStringLiteral("Non ci sono scadenze!");

CardFilter imminentCards(QDate day)
{
    return {ImminenteFields, [day](const TSchedaScadenza& card) { return Imminente(card, day); }};
}

}  // namespace

TfrmAvvio::TfrmAvvio() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Memora"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedClientSize(this, 988, 660);
    setGradientBackground(this, steelBlue, Qt::white);
    createDecoration();
    createControls();
    FormCreate();
    centreWindow(this);
}

void TfrmAvvio::createDecoration()
{
    auto* frameLeft = new QWidget(this);
    frameLeft->setGeometry(12, 12, 296, 596);
    frameLeft->setStyleSheet(QStringLiteral("background: rgba(255,255,255,90); border-radius: 8px;"));
    auto* frameRight = new QWidget(this);
    frameRight->setGeometry(320, 12, 656, 596);
    frameRight->setStyleSheet(QStringLiteral("background: rgba(255,255,255,60); border-radius: 8px;"));

    auto* logo = new Picture(art::logo(QStringLiteral("Memora")), QStringLiteral("Memora"), this);
    logo->setGeometry(330, 18, 400, 64);
    auto* person = new Picture(art::person(steelBlue.darker(130)), QString(), this);
    person->setGeometry(740, 96, 60, 90);
    auto* instructions = new Picture(
        art::note(QStringLiteral("Selezionare una data dal calendario e fare clic sui pulsanti in calce per "
                                 "visualizzare le scadenze relative a un giorno o a un mese dell'anno."),
                  noteYellow),
        QString(), this);
    instructions->setGeometry(24, 24, 272, 82);
    auto* arrow = new Picture(art::arrow(alarmRed), QString(), this);  // part of the artwork, never shown
    arrow->setGeometry(300, 300, 40, 30);
    arrow->hide();
}

void TfrmAvvio::createControls()
{
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setGeometry(24, 116, 272, 220);
    calAppuntamenti->setAccessibleName(QStringLiteral("Calendario"));
    calAppuntamenti->setDateEditEnabled(false);  // days are picked, not typed (see the date picker)

    btnGiorno = new PictureButton(art::captionButton(QStringLiteral("SCADENZE DEL GIORNO"), steelBlue.darker(120), 9),
                                  QStringLiteral("SCADENZE DEL GIORNO"), this);
    btnGiorno->setGeometry(24, 346, 132, 52);
    btnMese = new PictureButton(art::captionButton(QStringLiteral("SCADENZE DEL MESE"), steelBlue.darker(120), 9),
                                QStringLiteral("SCADENZE DEL MESE"), this);
    btnMese->setGeometry(164, 346, 132, 52);

    appApriArchivio = new PictureButton(art::deskCalendar(), QStringLiteral("Apri archivio"), this);
    appApriArchivio->setGeometry(94, 420, 132, 112);
    btnArchivio = new PictureButton(art::captionButton(QStringLiteral("APRI ARCHIVIO"), alarmRed, 12),
                                    QStringLiteral("APRI ARCHIVIO"), this);
    btnArchivio->setGeometry(44, 544, 232, 48);

    imgInfo = new PictureButton(art::roundIcon(QStringLiteral("i"), steelBlue), QStringLiteral("Informazioni"), this);
    imgInfo->setGeometry(872, 24, 42, 42);
    imgGuida = new PictureButton(art::roundIcon(QStringLiteral("?"), iconGreen), QStringLiteral("Guida"), this);
    imgGuida->setGeometry(922, 24, 42, 42);

    imgPresenti = new Picture(art::speechBubble(presentText, alarmRed), presentText, this);
    imgAssenti = new Picture(art::speechBubble(absentText, QColor(40, 90, 190)), absentText, this);
    imgScadenzeSI = new Picture(art::hourglass(alarmRed, QColor(120, 60, 40)), presentText, this);
    imgScadenzeNO = new Picture(art::hourglass(midGrey, QColor(100, 100, 100)), absentText, this);
    for (Picture* bubble : {imgPresenti, imgAssenti})
        bubble->setGeometry(332, 92, 300, 96);
    for (Picture* glass : {imgScadenzeSI, imgScadenzeNO})
        glass->setGeometry(648, 96, 72, 92);

    btnExcel = new PictureButton(art::captionButton(QStringLiteral("Esporta in Excel"), QColor(30, 130, 70), 10),
                                 QStringLiteral("Esporta in Excel"), this);
    btnExcel->setGeometry(820, 92, 148, 44);
    btnStampa = new PictureButton(art::captionButton(QStringLiteral("Stampa riepilogo"), QColor(90, 90, 140), 10),
                                  QStringLiteral("Stampa riepilogo"), this);
    btnStampa->setGeometry(820, 144, 148, 44);

    lstRecords = new SummaryList(14, this);
    lstRecords->setGeometry(332, 200, 632, 396);
    lstRecords->setAccessibleName(QStringLiteral("Scadenze imminenti"));

    btnCaricaLista = new QPushButton(this);
    btnCaricaLista->hide();

    imgCopyright = new PictureButton(art::roundIcon(QStringLiteral("\u00a9"), frameGrey),
                                     QStringLiteral("Copyright"), this);
    imgCopyright->setGeometry(16, 616, 36, 36);
    imgMivrenaSoftware = new PictureButton(
        art::noticeBar(QStringLiteral("%1 - software libero da usare - visita il sito %2")
                           .arg(maker::name, maker::webAddressShown()),
                       QColor(40, 70, 120)),
        QStringLiteral("Sito del produttore"), this);
    imgMivrenaSoftware->setDescription(maker::webAddressShown());
    imgMivrenaSoftware->setGeometry(62, 620, 560, 28);
    imgEsci = new PictureButton(art::roundIcon(QStringLiteral("\u2715"), alarmRed), QStringLiteral("Esci"), this);
    imgEsci->setGeometry(936, 616, 36, 36);

    connect(btnCaricaLista, &QPushButton::clicked, this, &TfrmAvvio::btnCaricaListaClick);
    connect(btnArchivio, &QAbstractButton::clicked, this, &TfrmAvvio::appApriArchivioClick);
    connect(appApriArchivio, &QAbstractButton::clicked, this, &TfrmAvvio::appApriArchivioClick);
    connect(btnStampa, &QAbstractButton::clicked, this, &TfrmAvvio::btnStampaClick);
    connect(imgGuida, &QAbstractButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgInfo, &QAbstractButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &QAbstractButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgMivrenaSoftware, &QAbstractButton::clicked, this, &TfrmAvvio::imgMivrenaSoftwareClick);
    connect(imgEsci, &QAbstractButton::clicked, this, &TfrmAvvio::imgEsciClick);
    connect(btnExcel, &QAbstractButton::clicked, this, &TfrmAvvio::btnExcelClick);
    connect(btnGiorno, &QAbstractButton::clicked, this, &TfrmAvvio::btnGiornoClick);
    connect(btnMese, &QAbstractButton::clicked, this, &TfrmAvvio::btnMeseClick);

    setTabChain({calAppuntamenti, btnGiorno, btnMese, appApriArchivio, btnArchivio, imgInfo, imgGuida, btnExcel,
                 btnStampa, lstRecords, imgCopyright, imgMivrenaSoftware, imgEsci});
}

void TfrmAvvio::FormCreate()
{
    calAppuntamenti->setSelectedDate(today());
    showImminentState(ImminentState::None);
}

void TfrmAvvio::showImminentState(ImminentState state)
{
    const bool present = state == ImminentState::Present;
    const bool none = state == ImminentState::None;
    imgPresenti->setVisible(present);
    imgScadenzeSI->setVisible(present);
    imgAssenti->setVisible(none);
    imgScadenzeNO->setVisible(none);
}

void TfrmAvvio::btnCaricaListaClick()
{
    SummaryScan scan = summaryLines(archiveFile(), imminentCards(today()));
    m_listRead.complete = scan.complete;
    lstRecords->lines().setEntries(std::move(scan.entries));
}

// The list, the pictures and the alert come from one scan: the count is the
// list's length, so another copy saving a card meanwhile can never leave a
// listed card under the none pictures. An archive that could not be read in
// full is reported; when no imminent card came before the failure, no
// picture claims there is none.
void TfrmAvvio::FormShow()
{
    btnCaricaLista->click();
    const bool present = lstRecords->lines().rowCount() > 0;
    if (present)
        showImminentState(ImminentState::Present);
    else
        showImminentState(m_listRead.complete ? ImminentState::None : ImminentState::Unknown);
    if (present && platform().sound->load(QDir(programDirectory()).filePath(QStringLiteral("Avviso.mp3"))))
        platform().sound->play();
    reportIncompleteScan(this, m_listRead);
}

void TfrmAvvio::FormClose() { platform().sound->stop(); }

void TfrmAvvio::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TfrmAvvio::appApriArchivioClick()
{
    if (!m_editor)
        return;
    m_editor->show();
    hide();
}

void TfrmAvvio::btnStampaClick()
{
    StampaRiepilogo(this, QStringLiteral("Riepilogo scadenze imminenti"), lstRecords->lines().entries().texts());
}

void TfrmAvvio::btnExcelClick()
{
    TfrmExpImminenti view(this);
    platform().modal->run(view);
}

void TfrmAvvio::btnGiornoClick()
{
    TfrmExpGiornaliere view(this, calAppuntamenti->selectedDate());
    platform().modal->run(view);
}

void TfrmAvvio::btnMeseClick()
{
    TfrmExpMensili view(this, calAppuntamenti->selectedDate());
    platform().modal->run(view);
}

// The help, information and splash windows are modal over this one; closing
// them does not show this window again, so the list is not rebuilt.
void TfrmAvvio::imgGuidaClick() { MostraGuida(this, HelpTopicId::Sguardo); }

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo window(this);
    platform().modal->run(window);
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash window(this);
    platform().modal->run(window);
}

void TfrmAvvio::imgMivrenaSoftwareClick() { TMisc::Open(maker::webAddress); }

void TfrmAvvio::imgEsciClick()
{
    close();
    QCoreApplication::quit();
}

}  // namespace memora
