#include "summaries/summary_panel.h"

#include "platform/platform.h"
#include "summaries/find_in_list.h"
#include "summaries/summary_artwork.h"
#include "summaries/summary_order.h"
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

constexpr int listPointSize = 12;
// How many lines ahead Trova asks for the line it will read.
constexpr std::size_t findReadAhead = 8;

}  // namespace

WindowButton::WindowButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setFont(QFont(QStringLiteral("Verdana"), 10));
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
}

void WindowButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnterPress(event))
        click();
    else
        QPushButton::keyPressEvent(event);
}

SummaryPanel::SummaryPanel(const QString& banner, QWidget* parent) : QWidget(parent)
{
    setFixedSize(833, 529);
    createDecoration(banner);
    createControls();
}

void SummaryPanel::createDecoration(const QString& banner)
{
    imgLogo = new Picture(art::summaryBanner(banner), banner, this);
    imgLogo->setGeometry(8, 8, 817, 53);
    shpSfondo = new Picture(art::gradientBox(Qt::white, panelBlue, panelOutline), QString(), this);
    shpSfondo->setGeometry(8, 68, 817, 100);
    shpLente = new Picture(art::gradientBox(Qt::white, Qt::white, panelOutline), QString(), this);
    shpLente->setGeometry(16, 120, 40, 40);
    imgLente = new Picture(art::magnifier(lensFrame), QString(), this);
    imgLente->setGeometry(20, 124, 32, 32);
    shpLista = new Picture(art::gradientBox(panelBlue, Qt::white, panelOutline), QString(), this);
    shpLista->setGeometry(8, 174, 817, 289);
}

void SummaryPanel::createControls()
{
    lblRigo01 = makeLabel(QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da "
                                         "cercare e premere il pulsante Trova."),
                          QFont(QStringLiteral("Verdana"), 9), Qt::black, this);
    lblRigo01->setGeometry(18, 74, 800, 18);
    lblRigo02 = makeLabel(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                         "fare di nuovo clic su Trova."),
                          QFont(QStringLiteral("Verdana"), 9), Qt::black, this);
    lblRigo02->setGeometry(18, 94, 800, 18);

    txtTrova = new QLineEdit(this);
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtTrova->setGeometry(64, 125, 640, 30);
    txtTrova->setAccessibleName(QStringLiteral("Testo da cercare"));
    lblRigo01->setBuddy(txtTrova);
    btnTrova = new WindowButton(QStringLiteral("Trova"), this);
    btnTrova->setGeometry(712, 125, 105, 30);

    lstRecords = new SummaryList(listPointSize, this);
    lstRecords->setGeometry(16, 182, 801, 273);
    lstRecords->setAccessibleName(QStringLiteral("Schede in elenco"));

    lblRigo03 = makeLabel(QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
                          QFont(QStringLiteral("Verdana"), 9), crimson, this);
    lstRecords->setAccessibleDescription(lblRigo03->text());
    lblRigo03->setGeometry(16, 466, 801, 18);
    btnChiudi = new WindowButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setGeometry(16, 491, 150, 30);
    btnStampa = new WindowButton(QStringLiteral("Stampa"), this);
    btnStampa->setGeometry(667, 491, 150, 30);

    connect(btnTrova, &QPushButton::clicked, this, &SummaryPanel::btnTrovaClick);
    // Last, once every control that eventFilter looks at exists.
    txtTrova->installEventFilter(this);
    lstRecords->installEventFilter(this);
    lstRecords->viewport()->installEventFilter(this);
}

bool SummaryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTrova && isEnterPress(event)) {  // txtTrovaKeyDown
        btnTrova->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if ((watched == lstRecords && isEnterPress(event))
        || (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick)) {
        emit lineChosen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SummaryPanel::resetFind()
{
    m_UltimaChiave.clear();
    txtTrova->clear();
}

void SummaryPanel::showEntries(SummaryLines entries)
{
    sortSummaryLines(entries);
    lstRecords->lines().setEntries(std::move(entries));
}

const SummaryEntry* SummaryPanel::selectedEntry() const
{
    const int row = lstRecords->selectedRow();
    return row < 0 ? nullptr : &lstRecords->lines().entries()[std::size_t(row)];
}

QStringList SummaryPanel::lines() const
{
    return lstRecords->lines().entries().texts();
}

void SummaryPanel::btnTrovaClick()
{
    const SummaryLines& entries = lstRecords->lines().entries();
    const FindResult result = TrovaInElenco(
        int(entries.size()),
        [&entries](int row) {
            entries.prefetch((std::size_t(row) + findReadAhead) % entries.size());
            return entries[std::size_t(row)].line;
        },
        lstRecords->selectedRow(), txtTrova->text(), m_UltimaChiave);
    if (result.outcome == FindOutcome::EmptyList)
        platform().messages->show(window(), MessageKind::Plain, MsgListaVuota);
    else
        lstRecords->selectRow(result.selected);
}

}  // namespace memora
