#include "editor/date_picker.h"

#include "archive/text_conventions.h"
#include "current_card/current_card.h"
#include "platform/platform.h"
#include "widgets/colours.h"
#include "widgets/window_look.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

namespace memora {

TfrmCalendario::TfrmCalendario(QWidget* owner, CurrentCard* card) : QDialog(owner), m_card(card)
{
    setObjectName(QStringLiteral("TfrmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    // A title bar with no buttons at all: the picker closes by its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedClientSize(this, 253, 294);
    setGradientBackground(this, Qt::white, darkBrown);
    setFont(QFont(QStringLiteral("Verdana"), 8));
    createControls();
    FormCreate();
    centreWindow(this);
}

void TfrmCalendario::createControls()
{
    auto* panel = new QWidget(this);
    panel->setGeometry(8, 8, 237, 278);

    lblCampo001 = new QLabel(QStringLiteral("Importare una data:"), panel);
    lblCampo001->setGeometry(4, 2, 229, 22);
    lblCampo001->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));

    auto* box = new QWidget(panel);
    box->setGeometry(0, 26, 237, 206);
    box->setAutoFillBackground(true);
    QPalette boxColours = box->palette();
    boxColours.setColor(QPalette::Window, lightBlueGrey);
    box->setPalette(boxColours);

    calAppuntamenti = new QCalendarWidget(box);
    calAppuntamenti->setGeometry(3, 3, 231, 200);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The calendar's own typed date editor reads digits in a form of its own and
    // would change the date behind the user's back: days are picked, not typed.
    calAppuntamenti->setDateEditEnabled(false);
    calAppuntamenti->setAccessibleName(QStringLiteral("Calendario"));
    lblCampo001->setBuddy(calAppuntamenti);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), panel);
    btnAnnulla->setGeometry(0, 242, 100, 30);
    btnImportaData = new QPushButton(QStringLiteral("Importa"), panel);
    btnImportaData->setGeometry(137, 242, 100, 30);
    btnImportaData->setDefault(true);

    lblMemory = new QLabel(panel);
    lblMemory->hide();

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    // The calendar keeps Enter for itself, so Importa, the default button,
    // never sees it: Enter and a double-click on a day import the date.
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
    setTabChain({calAppuntamenti, btnImportaData, btnAnnulla});
}

void TfrmCalendario::FormCreate() { calAppuntamenti->setSelectedDate(today()); }

void TfrmCalendario::btnImportaDataClick()
{
    if (lblMemory->text() != dateTarget)
        return;
    if (m_card)
        m_card->setDueDate(formatDate(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick() { reject(); }

}  // namespace memora
