// The card editor's controls and pictures, placed on the fixed 988 x 660 window.
#include "editor/card_editor.h"

#include "editor/editor_artwork.h"
#include "editor/field_guard.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace memora {

namespace {

constexpr int fieldHeight = 30;
constexpr int labelHeight = 18;

// A translucent white box grouping controls on the gradient.
QWidget* addBox(QWidget* window, const QRect& geometry, int alpha)
{
    auto* box = new QWidget(window);
    box->setGeometry(geometry);
    box->setStyleSheet(QStringLiteral("background: rgba(255,255,255,%1); border-radius: 6px;").arg(alpha));
    return box;
}

QLabel* addLabel(QWidget* window, const QString& text, int x, int y, int width)
{
    QLabel* label = makeLabel(text, QFont(QStringLiteral("Verdana"), 9), darkBlue, window);
    label->setGeometry(x, y, width, labelHeight);
    return label;
}

QFont fieldFont() { return QFont(QStringLiteral("Verdana"), 12, QFont::Bold); }

// An edit field with its label above it, guarded to the record field's
// capacity and characters.
QLineEdit* addField(QWidget* window, const char* name, const QString& label, Field field, const QRect& geometry,
                    CharacterSet characters = CharacterSet::Any)
{
    auto* edit = new QLineEdit(window);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setFont(fieldFont());
    edit->setValidator(new FieldGuard(edit, fieldCapacity(field), characters));
    edit->setAccessibleName(label.chopped(1));
    const int labelWidth = std::max(geometry.width(), 156);  // a short field can have a long label
    addLabel(window, label, geometry.x(), geometry.y() - labelHeight, labelWidth)->setBuddy(edit);
    return edit;
}

// A time combo: a drop-down list of two-digit entries, its text guarded too.
QComboBox* addTimeCombo(QWidget* window, const char* name, const QString& label, Field field, int entries,
                        const QRect& geometry)
{
    auto* combo = new QComboBox(window);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    for (int i = 0; i < entries; ++i)
        combo->addItem(QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')));
    combo->setGeometry(geometry);
    combo->setFont(fieldFont());
    combo->setValidator(new FieldGuard(combo->lineEdit(), fieldCapacity(field), CharacterSet::Any));
    combo->setAccessibleName(label.chopped(1));
    addLabel(window, label, geometry.x(), geometry.y() - labelHeight, geometry.width() + 20)->setBuddy(combo);
    return combo;
}

}  // namespace

void TfrmArchivio_Scadenze::createCardArea()
{
    addBox(this, QRect(12, 12, 822, 584), 70);
    imgTitolo = new Picture(art::titleBand(QStringLiteral("ARCHIVIO SCADENZE"), steelBlue.darker(120), 16),
                            QStringLiteral("ARCHIVIO SCADENZE"), this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setGeometry(24, 20, 796, 40);
    createTimeBoxes();
    createDescription();
    createContact();
    createReminder();
    txtNote = addField(this, "txtNote", QStringLiteral("Note:"), Field::Note, QRect(24, 546, 796, fieldHeight));
    lblOra = new QLabel(this);
    lblOra->setObjectName(QStringLiteral("lblOra"));
    lblOra->hide();
}

void TfrmArchivio_Scadenze::createTimeBoxes()
{
    addBox(this, QRect(24, 70, 300, 72), 120);
    (new Picture(art::deskCalendar(), QString(), this))->setGeometry(30, 78, 54, 58);
    txtData = addField(this, "txtData", QStringLiteral("Data scadenza:"),
                       Field::Data, QRect(92, 100, 160, fieldHeight));
    txtData->setReadOnly(true);
    txtData->setAlignment(Qt::AlignCenter);
    impData = new PictureButton(art::calendarLeaf(calendarRed), QStringLiteral("Calendario"), this);
    impData->setObjectName(QStringLiteral("impData"));
    impData->setGeometry(258, 100, 30, 30);

    addBox(this, QRect(336, 70, 250, 72), 120);
    (new Picture(art::clock(darkBlue), QString(), this))->setGeometry(342, 82, 48, 48);
    txtOreApp = addTimeCombo(this, "txtOreApp", QStringLiteral("Ore:"),
                             Field::OreApp, hourEntries, QRect(400, 100, 70, fieldHeight));
    auto* colon = new QLabel(QStringLiteral(":"), this);
    colon->setGeometry(472, 100, 14, fieldHeight);
    colon->setAlignment(Qt::AlignCenter);
    colon->setFont(fieldFont());
    colon->setStyleSheet(QStringLiteral("color: %1;").arg(darkBlue.name()));
    txtMinutiApp = addTimeCombo(this, "txtMinutiApp", QStringLiteral("Minuti:"), Field::MinutiApp, minuteEntries,
                                QRect(488, 100, 70, fieldHeight));

    addBox(this, QRect(598, 70, 222, 72), 120);
    (new Picture(art::alarmClock(calendarRed), QString(), this))->setGeometry(604, 82, 48, 48);
    txtAvviso = addField(this, "txtAvviso", QStringLiteral("Giorni di preavviso:"),
                         Field::Avviso, QRect(660, 100, 80, fieldHeight),
                         CharacterSet::Digits);
    txtAvviso->setAlignment(Qt::AlignCenter);
}

void TfrmArchivio_Scadenze::createDescription()
{
    imgDescrizione = new Picture(art::titleBand(QStringLiteral("DESCRIZIONE IMPEGNO"), steelBlue, 10),
                                 QStringLiteral("DESCRIZIONE IMPEGNO"), this);
    imgDescrizione->setObjectName(QStringLiteral("imgDescrizione"));
    imgDescrizione->setGeometry(24, 154, 796, 26);
    txtTipologia = addField(this, "txtTipologia", QStringLiteral("Tipologia:"),
                            Field::Tipologia, QRect(24, 206, 260, fieldHeight));
    txtCausale = addField(this, "txtCausale", QStringLiteral("Causale:"),
                          Field::Causale, QRect(296, 206, 524, fieldHeight));
    txtDettagli = addField(this, "txtDettagli", QStringLiteral("Dettagli:"),
                           Field::Dettagli, QRect(24, 260, 796, fieldHeight));
}

void TfrmArchivio_Scadenze::createContact()
{
    imgContatto = new Picture(art::titleBand(QStringLiteral("DATI CONTATTO"), steelBlue, 10),
                              QStringLiteral("DATI CONTATTO"), this);
    imgContatto->setObjectName(QStringLiteral("imgContatto"));
    imgContatto->setGeometry(24, 302, 796, 26);
    (new Picture(art::person(steelBlue.darker(130)), QString(), this))->setGeometry(24, 340, 44, 84);
    txtContatto = addField(this, "txtContatto", QStringLiteral("Persona / Ditta:"),
                           Field::Contatto, QRect(76, 354, 250, fieldHeight));
    txtTel = addField(this, "txtTel", QStringLiteral("Telefono:"), Field::Tel, QRect(338, 354, 230, fieldHeight));
    txtCel = addField(this, "txtCel", QStringLiteral("Cellulare:"), Field::Cel, QRect(580, 354, 240, fieldHeight));
    txtEmail = addField(this, "txtEmail", QStringLiteral("E-mail:"), Field::Email, QRect(76, 408, 216, fieldHeight));
    btnEmail = new PictureButton(art::envelope(iconGreen), QStringLiteral("Invia e-mail"), this);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));
    btnEmail->setGeometry(296, 408, 30, fieldHeight);
    txtLuogo = addField(this, "txtLuogo", QStringLiteral("Luogo:"), Field::Luogo, QRect(338, 408, 300, fieldHeight));
    txtImporto = addField(this, "txtImporto", QStringLiteral("Importo:"),
                          Field::Importo, QRect(650, 408, 170, fieldHeight),
                          CharacterSet::DigitsAndComma);
    txtImporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmArchivio_Scadenze::createReminder()
{
    const QString reminder = QStringLiteral(
        "Ricordarsi di spuntare la casella Impegno assolto nel momento in cui si \u00e8 ottemperato alla scadenza "
        "in modo da rimuoverla dalle scadenze imminenti.");
    imgPromemoria = new Picture(art::note(reminder, noteYellow), reminder, this);
    imgPromemoria->setObjectName(QStringLiteral("imgPromemoria"));
    imgPromemoria->setGeometry(24, 452, 540, 62);
    imgFreccia = new Picture(art::arrow(calendarRed), QString(), this);
    imgFreccia->setObjectName(QStringLiteral("imgFreccia"));
    imgFreccia->setGeometry(572, 466, 54, 34);

    auto* band = new QWidget(this);
    band->setGeometry(634, 458, 186, 50);
    band->setStyleSheet(QStringLiteral("background: %1; border-radius: 6px;").arg(sandyBrown.name()));
    chkOttemperata = new QCheckBox(QStringLiteral("Impegno assolto"), this);
    chkOttemperata->setObjectName(QStringLiteral("chkOttemperata"));
    chkOttemperata->setGeometry(644, 470, 140, 26);
    chkOttemperata->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    (new Picture(art::tick(QColor(30, 120, 40)), QString(), this))->setGeometry(784, 466, 32, 32);
}

void TfrmArchivio_Scadenze::createCommands()
{
    auto* column = new QWidget(this);
    column->setGeometry(846, 12, 130, 636);
    column->setStyleSheet(QStringLiteral("background: white; border-radius: 6px;"));
    const auto addCommand = [this](const char* name, const QString& caption, int row) {
        auto* button = new PictureButton(art::captionButton(caption, commandBlue, 10), caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(854, 22 + row * 51, 114, 42);
        return button;
    };
    cmdNuovo = addCommand("cmdNuovo", QStringLiteral("Nuovo"), 0);
    cmdDuplica = addCommand("cmdDuplica", QStringLiteral("Duplica"), 1);
    cmdSalva = addCommand("cmdSalva", QStringLiteral("Salva"), 2);
    cmdTrova = addCommand("cmdTrova", QStringLiteral("Trova"), 3);
    cmdAnteprima = addCommand("cmdAnteprima", QStringLiteral("Anteprima"), 4);
    cmdStampa = addCommand("cmdStampa", QStringLiteral("Stampa"), 5);
    cmdAssolti = addCommand("cmdAssolti", QStringLiteral("Assolti"), 6);
    cmdDaAssolvere = addCommand("cmdDaAssolvere", QStringLiteral("Da assolvere"), 7);
    cmdScaduti = addCommand("cmdScaduti", QStringLiteral("Scaduti"), 8);
    cmdEsporta = addCommand("cmdEsporta", QStringLiteral("Esporta archivio"), 9);
    cmdGuida = addCommand("cmdGuida", QStringLiteral("Guida"), 10);
    cmdEsci = addCommand("cmdEsci", QStringLiteral("Esci"), 11);
}

void TfrmArchivio_Scadenze::createNavigation()
{
    addBox(this, QRect(640, 608, 194, 40), 160);
    const auto addArrow = [this](const char* objectName, art::Step step, const QString& name, int x) {
        auto* button = new PictureButton(art::navigationArrow(step, steelBlue.darker(110)), name, this);
        button->setObjectName(QString::fromLatin1(objectName));
        button->setGeometry(x, 614, 30, 28);
        return button;
    };
    cmdPrimo = addArrow("cmdPrimo", art::Step::First, QStringLiteral("Prima scheda"), 646);
    cmdIndietro = addArrow("cmdIndietro", art::Step::Previous, QStringLiteral("Scheda precedente"), 680);
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(712, 614, 54, 28);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    // No accessible name: a label without one is read by its text, and
    // announces each change of it.
    lblPosizione->setAccessibleDescription(QStringLiteral("Numero della scheda"));
    cmdAvanti = addArrow("cmdAvanti", art::Step::Next, QStringLiteral("Scheda successiva"), 768);
    cmdUltimo = addArrow("cmdUltimo", art::Step::Last, QStringLiteral("Ultima scheda"), 802);
}

void TfrmArchivio_Scadenze::createStatusLine()
{
    panInfo = new QLabel(this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(12, 608, 620, 40);
    panInfo->setIndent(10);
    panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
    panInfo->setStyleSheet(QStringLiteral("background: rgb(30,70,140); color: white; border-radius: 4px;"));
    panInfo->setAccessibleDescription(QStringLiteral("Riga di stato"));  // read by its text, as lblPosizione

    // Takes the focus at the start of a save, so the field being edited is
    // left first. It has no size, so it is never seen, Tab passes it by, and
    // assistive tools do not show it (installEditorAccessibility).
    btnFocus = new QPushButton(this);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setGeometry(0, 0, 0, 0);
    btnFocus->setFocusPolicy(Qt::NoFocus);
}

}  // namespace memora
