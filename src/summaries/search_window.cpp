#include "search_window.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"
#include "platform/platform.h"
#include "rules/card_scan.h"
#include "summaries/card_search.h"
#include "summaries/summary_artwork.h"
#include "summaries/summary_panel.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/keys.h"
#include "widgets/summary_list.h"
#include "widgets/window_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace memora {

namespace {

using Form = TfrmTrovaScadenze;

// The criteria in their order: Enter and Tab go from each to the next, and
// the layout fills two columns row by row.
struct CriterionRow {
    QLineEdit* Form::*field;
    QLabel* Form::*label;
    Picture* Form::*highlight;
    const char* caption;
    const char* name;
};

const std::array<CriterionRow, searchCriteriaCount> criterionRows = {{
    {&Form::txtData, &Form::lblCampo01, &Form::effCampo01, "Data scadenza (gg/mm/aaaa):", "txtData"},
    {&Form::txtOra, &Form::lblCampo02, &Form::effCampo02, "Ora (hh:mm):", "txtOra"},
    {&Form::txtTipologia, &Form::lblCampo09, &Form::effCampo09, "Tipologia:", "txtTipologia"},
    {&Form::txtCausale, &Form::lblCampo10, &Form::effCampo10, "Causale:", "txtCausale"},
    {&Form::txtDettagli, &Form::lblCampo05, &Form::effCampo05, "Dettagli:", "txtDettagli"},
    {&Form::txtContatto, &Form::lblCampo06, &Form::effCampo06, "Persona / Ditta:", "txtContatto"},
    {&Form::txtTel, &Form::lblCampo07, &Form::effCampo07, "Telefono:", "txtTel"},
    {&Form::txtCel, &Form::lblCampo08, &Form::effCampo08, "Cellulare:", "txtCel"},
    {&Form::txtLuogo, &Form::lblCampo03, &Form::effCampo03, "Luogo:", "txtLuogo"},
    {&Form::txtNote, &Form::lblCampo04, &Form::effCampo04, "Note:", "txtNote"},
}};

QLabel* makeHiddenLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->hide();
    return label;
}

}  // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget* owner, CurrentCard* card)
    : SummaryWindow(owner, card, QStringLiteral(" Trova scadenze in archivio"),
                    QStringLiteral("RISULTATI DI RICERCA"), QStringLiteral("Riepilogo scadenze in archivio"))
{
    setObjectName(QStringLiteral("TfrmTrovaScadenze"));
    createCriteriaPanel();
    createResultExtras();
    panContainer->hide();
    setTabChain({txtData, txtOra, txtTipologia, txtCausale, txtDettagli, txtContatto, txtTel, txtCel, txtLuogo,
                 txtNote, btnAnnulla, btnCerca, panContainer->txtTrova, panContainer->btnTrova,
                 panContainer->lstRecords, panContainer->btnStampa, panContainer->btnChiudi});
}

void TfrmTrovaScadenze::createCriteriaPanel()
{
    panAvvio = new QWidget(this);
    panAvvio->setGeometry(panContainer->geometry());

    auto* box = new Picture(art::gradientBox(Qt::white, Qt::white, panelOutline), QString(), panAvvio);
    box->setGeometry(8, 8, 817, 86);
    auto* lens = new Picture(art::magnifier(lensFrame), QString(), panAvvio);
    lens->setGeometry(24, 17, 60, 68);
    const QFont hintFont(QStringLiteral("Verdana"), 9);
    lblRigo04 = makeLabel(QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle "
                                         "schede da trovare e premere il pulsante Cerca."),
                          hintFont, Qt::black, panAvvio);
    lblRigo05 = makeLabel(QStringLiteral("Lasciare in bianco tutti gli altri campi."), hintFont, Qt::black, panAvvio);
    lblRigo06 = makeLabel(QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
                          hintFont, Qt::black, panAvvio);
    lblRigo04->setWordWrap(true);
    lblRigo04->setGeometry(100, 12, 715, 34);
    lblRigo05->setGeometry(100, 48, 715, 18);
    lblRigo06->setGeometry(100, 68, 715, 18);

    auto* area = new Picture(art::gradientBox(QColor(200, 212, 230), Qt::white, panelOutline), QString(), panAvvio);
    area->setGeometry(8, 102, 817, 376);
    createCriteria(area);

    btnAnnulla = new WindowButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setGeometry(16, 491, 150, 30);
    btnCerca = new WindowButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setGeometry(667, 491, 150, 30);
    btnCerca->installEventFilter(this);
    lblAttendere = makeLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), hintFont, darkCyan, panAvvio);
    lblAttendere->setGeometry(176, 497, 481, 18);
    lblAttendere->setAlignment(Qt::AlignCenter);
    lblAttendere->hide();
    lblConta = makeHiddenLabel(QStringLiteral("0"), panAvvio);
    lblMemory = makeHiddenLabel(QStringLiteral("lblMemory"), panAvvio);

    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaScadenze::btnAnnullaClick);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaScadenze::btnCercaClick);
}

// The ten criteria on the area, with a white strip of pictures at its left.
void TfrmTrovaScadenze::createCriteria(QWidget* area)
{
    auto* strip = new Picture(art::gradientBox(Qt::white, Qt::white, panelOutline), QString(), area);
    strip->setGeometry(0, 0, 72, area->height());
    const std::array<Artwork, 4> icons = {art::alarmClock(bannerRed), art::deskCalendar(),
                                          art::hourglass(hourglassSand, hourglassFrame),
                                          art::person(QColor(70, 110, 170))};
    for (std::size_t k = 0; k < icons.size(); ++k)
        (new Picture(icons[k], QString(), area))->setGeometry(12, 20 + int(k) * 90, 48, 56);

    for (int k = 0; k < searchCriteriaCount; ++k) {
        const CriterionRow& row = criterionRows[std::size_t(k)];
        const int x = 100 + (k % 2) * 370;
        const int y = 10 + (k / 2) * 72;
        Picture* highlight = new Picture(art::fieldHighlight(), QString(), area);
        highlight->setGeometry(x - 4, y + 22, 328, 30);
        highlight->hide();
        QLabel* label =
            makeLabel(QString::fromUtf8(row.caption), QFont(QStringLiteral("Verdana"), 12), Qt::black, area);
        label->setGeometry(x, y, 320, 20);
        auto* field = new QLineEdit(area);
        field->setObjectName(QString::fromLatin1(row.name));
        field->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        field->setGeometry(x, y + 26, 320, 22);
        field->installEventFilter(this);
        label->setBuddy(field);
        field->setAccessibleName(label->text());
        this->*row.field = field;
        this->*row.label = label;
        this->*row.highlight = highlight;
        m_fields[std::size_t(k)] = field;
        m_highlights[std::size_t(k)] = highlight;
    }
}

void TfrmTrovaScadenze::createResultExtras()
{
    lblTrovate = makeLabel(QString(), QFont(QStringLiteral("Verdana"), 9), darkCyan, panContainer);
    lblTrovate->setGeometry(176, 497, 481, 18);
    lblTrovate->setAlignment(Qt::AlignCenter);
}

void TfrmTrovaScadenze::showEvent(QShowEvent* event)
{
    SummaryWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTrovaScadenze::FormShow()
{
    panContainer->resetFind();
    txtData->setFocus(Qt::OtherFocusReason);
}

bool TfrmTrovaScadenze::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCerca && event->type() == QEvent::MouseButtonPress) {  // btnCercaMouseDown
        lblAttendere->show();
        return false;
    }
    for (int k = 0; k < searchCriteriaCount; ++k)
        if (watched == m_fields[std::size_t(k)])
            return criterionEvent(k, event);
    return SummaryWindow::eventFilter(watched, event);
}

// txtDataEnter ... txtNoteEnter, the Exit and the KeyDown handlers.
bool TfrmTrovaScadenze::criterionEvent(int k, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn: m_highlights[std::size_t(k)]->show(); return false;
    case QEvent::FocusOut: m_highlights[std::size_t(k)]->hide(); return false;
    case QEvent::KeyPress: {
        if (!isEnterKey(static_cast<QKeyEvent*>(event)->key()))
            return false;
        m_fields[std::size_t((k + 1) % searchCriteriaCount)]->setFocus(Qt::TabFocusReason);
        return true;
    }
    default: return false;
    }
}

void TfrmTrovaScadenze::btnCercaClick()
{
    SearchCriteria criteria;
    for (int k = 0; k < searchCriteriaCount; ++k)
        criteria[std::size_t(k)] = m_fields[std::size_t(k)]->text();
    const CardSearch search(criteria);
    lblConta->setText(QString::number(search.given()));
    panContainer->lstRecords->lines().clear();
    SummaryScan scan = summaryLines(
        archiveFile(), {search.reads(), [&search](const TSchedaScadenza& card) { return search.matches(card); }});
    if (!scan.complete) {
        reportIncompleteScan(this, scan);
        return;
    }
    panContainer->showEntries(std::move(scan.entries));
    showResults();
}

void TfrmTrovaScadenze::showResults()
{
    const int count = panContainer->lstRecords->model()->rowCount();
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(count));
    panContainer->show();
    panAvvio->hide();
    panContainer->txtTrova->clear();
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaScadenze::btnAnnullaClick() { close(); }

bool TfrmTrovaScadenze::mayLoadIntoEditor() const { return trimmed(lblMemory->text()) == scadenzeTag; }

void TfrmTrovaScadenze::FormClose()
{
    SummaryWindow::FormClose();
    lblAttendere->hide();
}

}  // namespace memora
