#include "editor/card_editor.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"
#include "editor/card_store.h"
#include "editor/date_picker.h"
#include "editor/editor_accessibility.h"
#include "editor/email_link.h"
#include "editor/field_rules.h"
#include "export/export_view.h"
#include "info/help_window.h"
#include "info/misc.h"
#include "platform/platform.h"
#include "print/card_print_windows.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"
#include "widgets/colours.h"
#include "widgets/keys.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>

namespace memora {

namespace {

const QString readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString emptyArchiveText = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString cardInsertedText = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");
const QString changesSavedText =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicateRefusedText = QStringLiteral(
    "Attenzione: la duplicazione di una scheda pu\u00f2 avvenire soltanto dopo che questa \u00e8 stata inserita "
    "in archivio.");
const QString duplicatedText = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");

// The fields whose text the controls hold, in record order.
constexpr Field textFields[] = {
    Field::Data, Field::OreApp, Field::MinutiApp, Field::Ora, Field::Avviso, Field::Tipologia, Field::Causale,
    Field::Dettagli, Field::Contatto, Field::Tel, Field::Cel, Field::Email, Field::Luogo, Field::Importo, Field::Note,
};

// Rewrites a field only when the text differs, so a field that stands as
// it is keeps its cursor.
void setTextIfOther(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// Puts text in a field to be read from its first character. A field keeps
// the scroll of its previous text until it is painted, and a scroll beyond
// the end of the new text would show that end: the field painted empty
// forgets it.
void showFromStart(QLineEdit* edit, const QString& text)
{
    edit->setText(QString());
    edit->grab();
    edit->setText(text);
    edit->home(false);
}

// Empties a label that assistive tools read by its text: QLabel announces a
// new text given by setText, but not the emptying by clear.
void emptyLabel(QLabel* label) { label->setText(QString()); }

// A control that takes input: moving the mouse over it leaves the status line as it is.
bool takesInput(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
            || qobject_cast<const QAbstractButton*>(widget))
            return true;
    return false;
}

// Opens a window that works on the current card: owned by the editor, which
// is its card, shown modally and destroyed when it closes.
template <typename Window>
void openOnTheCard(TfrmArchivio_Scadenze& editor)
{
    Window window(&editor, &editor);
    platform().modal->run(window);
}

}  // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze() : QWidget(nullptr)
{
    installEditorAccessibility();
    setObjectName(QStringLiteral("TfrmArchivio_Scadenze"));
    setWindowTitle(QStringLiteral(" Memora - Archivio Scadenze"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedClientSize(this, 988, 660);
    setGradientBackground(this, steelBlue, Qt::white);
    setMouseTracking(true);
    createCardArea();
    createCommands();
    createNavigation();
    createStatusLine();
    connectControls();
    FormCreate();
    centreWindow(this);
}

void TfrmArchivio_Scadenze::describe(PictureButton* button, const QString& description)
{
    button->setDescription(description);
    connect(button, &PictureButton::hovered, this, [this, description] { panInfo->setText(description); });
}

void TfrmArchivio_Scadenze::connectControls()
{
    const std::pair<PictureButton*, const char*> descriptions[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa della scheda corrente."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdAssolti, "Visualizza il riepilogo degli impegni assolti."},
        {cmdDaAssolvere, "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
        {cmdScaduti, "Visualizza il riepilogo degli impegni scaduti e non assolti."},
        {cmdEsporta, "Esporta l'archivio in un file di Excel."},
        {cmdGuida, "Visualizza la guida in linea."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {impData, "Importa la data dal calendario."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
    };
    for (const auto& [button, description] : descriptions)
        describe(button, QString::fromUtf8(description));
    const QString tickDescription =
        QStringLiteral("Spunta questa casella per indicare che l'impegno \u00e8 stato assolto.");
    chkOttemperata->setToolTip(tickDescription);
    chkOttemperata->setAccessibleDescription(tickDescription);
    chkOttemperata->setMouseTracking(true);
    chkOttemperata->installEventFilter(this);

    connect(cmdNuovo, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdNuovoClick);
    connect(cmdDuplica, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdDuplicaClick);
    connect(cmdSalva, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdSalvaClick);
    connect(cmdEsci, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdEsciClick);
    connect(cmdPrimo, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdPrimoClick);
    connect(cmdIndietro, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdIndietroClick);
    connect(cmdAvanti, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdAvantiClick);
    connect(cmdUltimo, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdUltimoClick);
    connect(impData, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::impDataClick);
    connect(btnEmail, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::btnEmailClick);
    connect(cmdGuida, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdGuidaClick);
    connect(cmdAnteprima, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdAnteprimaClick);
    connect(cmdStampa, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdStampaClick);
    connect(cmdEsporta, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdEsportaClick);
    connect(cmdTrova, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdTrovaClick);
    connect(cmdAssolti, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdAssoltiClick);
    connect(cmdDaAssolvere, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdDaAssolvereClick);
    connect(cmdScaduti, &QAbstractButton::clicked, this, &TfrmArchivio_Scadenze::cmdScadutiClick);
    connect(txtEmail, &QLineEdit::textEdited, this, &TfrmArchivio_Scadenze::txtEmailTyping);
    for (Field field : textFields)
        if (field != Field::Ora)
            control(field)->installEventFilter(this);

    setTabChain({txtData, txtOreApp, txtMinutiApp, txtAvviso, txtTipologia, txtCausale, txtDettagli, txtContatto,
                 txtTel, txtCel, txtEmail, txtLuogo, txtImporto, chkOttemperata, txtNote, cmdNuovo, cmdDuplica,
                 cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdAssolti, cmdDaAssolvere, cmdScaduti, cmdEsporta,
                 cmdGuida, cmdEsci, cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo, impData, btnEmail});
}

void TfrmArchivio_Scadenze::FormCreate() { panInfo->setText(readyText); }

void TfrmArchivio_Scadenze::FormShow()
{
    // The home window hands over to the editor: it takes the keyboard, so
    // the focus moves between the fields and their leave rules run.
    activateWindow();
    clearCard();
}

void TfrmArchivio_Scadenze::FormClose()
{
    if (m_home)
        m_home->show();
}

void TfrmArchivio_Scadenze::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmArchivio_Scadenze::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TfrmArchivio_Scadenze::mouseMoveEvent(QMouseEvent* event)
{
    if (!takesInput(childAt(event->position().toPoint())))
        FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

void TfrmArchivio_Scadenze::FormMouseMove() { emptyLabel(panInfo); }

// ---- The fields as the record names them

QWidget* TfrmArchivio_Scadenze::control(Field field) const
{
    switch (field) {
    case Field::Data: return txtData;
    case Field::OreApp: return txtOreApp;
    case Field::MinutiApp: return txtMinutiApp;
    case Field::Ora: return lblOra;
    case Field::Avviso: return txtAvviso;
    case Field::Tipologia: return txtTipologia;
    case Field::Causale: return txtCausale;
    case Field::Dettagli: return txtDettagli;
    case Field::Contatto: return txtContatto;
    case Field::Tel: return txtTel;
    case Field::Cel: return txtCel;
    case Field::Email: return txtEmail;
    case Field::Luogo: return txtLuogo;
    case Field::Importo: return txtImporto;
    case Field::Note: return txtNote;
    case Field::Assolto: return chkOttemperata;
    }
    return nullptr;
}

QString TfrmArchivio_Scadenze::fieldText(Field field) const
{
    const QWidget* widget = control(field);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return lblOra->text();
}

void TfrmArchivio_Scadenze::setFieldText(Field field, const QString& text)
{
    QWidget* widget = control(field);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        showFromStart(edit, text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(text);
    else
        lblOra->setText(text);
}

std::optional<Field> TfrmArchivio_Scadenze::fieldOf(const QObject* object) const
{
    for (Field field : textFields)
        if (object && (control(field) == object || control(field) == object->parent()))
            return field;
    return std::nullopt;
}

void TfrmArchivio_Scadenze::CaricaScheda(const TSchedaScadenza& card, int cardNumber)
{
    for (Field field : textFields)
        setFieldText(field, trimmed(card[field]));
    const QString flag = trimmed(card.Assolto);
    if (flag == flagFulfilled)
        chkOttemperata->setChecked(true);
    else if (flag == flagPending)
        chkOttemperata->setChecked(false);
    lblPosizione->setText(QString::number(cardNumber));
}

CardControls TfrmArchivio_Scadenze::cardControls() const
{
    CardControls card;
    card.txtData = txtData->text();
    card.txtOreApp = txtOreApp->currentText();
    card.txtMinutiApp = txtMinutiApp->currentText();
    card.txtTipologia = txtTipologia->text();
    card.txtCausale = txtCausale->text();
    card.txtDettagli = txtDettagli->text();
    card.txtContatto = txtContatto->text();
    card.txtTel = txtTel->text();
    card.txtCel = txtCel->text();
    card.txtEmail = txtEmail->text();
    card.txtLuogo = txtLuogo->text();
    card.txtImporto = txtImporto->text();
    card.txtNote = txtNote->text();
    card.chkOttemperata = chkOttemperata->isChecked();
    return card;
}

void TfrmArchivio_Scadenze::setDueDate(const QString& date) { txtData->setText(date); }

TSchedaScadenza TfrmArchivio_Scadenze::cardFromControls() const
{
    TSchedaScadenza card;
    for (Field field : textFields)
        card[field] = trimmed(fieldText(field));
    card.Assolto = chkOttemperata->isChecked() ? flagFulfilled : flagPending;
    return card;
}

// ---- Clearing, saving, duplicating

void TfrmArchivio_Scadenze::resetTime()
{
    for (QComboBox* combo : {txtOreApp, txtMinutiApp}) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QStringLiteral("00"));
    }
}

void TfrmArchivio_Scadenze::clearCard()
{
    resetTime();
    txtData->clear();
    txtAvviso->setText(QStringLiteral("0"));
    for (QLineEdit* edit : {txtTipologia, txtCausale, txtDettagli, txtContatto, txtTel, txtCel, txtEmail, txtLuogo})
        edit->clear();
    txtImporto->setText(zeroAmount);
    txtNote->clear();
    chkOttemperata->setChecked(false);
    emptyLabel(lblPosizione);
    txtData->setFocus();
}

void TfrmArchivio_Scadenze::cmdNuovoClick() { clearCard(); }

bool TfrmArchivio_Scadenze::requiredFieldsPresent()
{
    const std::pair<QLineEdit*, const char*> required[] = {
        {txtData, "Attenzione: per salvare la scheda è necessario indicare la data della scadenza."},
        {txtAvviso, "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto alla "
                    "data della scadenza."},
        {txtTipologia, "Attenzione: per salvare la scheda è necessario indicare la tipologia di scadenza."},
        {txtCausale, "Attenzione: per salvare la scheda è necessario indicare la causale della scadenza."},
    };
    for (const auto& [field, warning] : required) {
        if (trimmed(field->text()).isEmpty()) {
            platform().messages->show(this, MessageKind::Warning, QString::fromUtf8(warning));
            field->setFocus();
            return false;
        }
    }
    return true;
}

void TfrmArchivio_Scadenze::showArchiveFailure() { reportArchiveFailure(this, MessageKind::Error); }

void TfrmArchivio_Scadenze::holdFieldsToRules()
{
    setTextIfOther(txtAvviso, noticeOnSave(txtAvviso->text()));
    for (Field field : {Field::OreApp, Field::MinutiApp, Field::Importo})
        fieldLeft(field);
}

void TfrmArchivio_Scadenze::cmdSalvaClick()
{
    // Leaving the field being edited applies its leave rule before anything
    // is read. Text can also arrive without keys or focus (an assistive tool
    // sets it, or the window is in the background), so the notice, time and
    // amount rules are applied here to whatever the fields hold.
    btnFocus->setFocus(Qt::OtherFocusReason);
    holdFieldsToRules();

    if (!requiredFieldsPresent())
        return;
    lblOra->setText(trimmed(txtOreApp->currentText()) + u':' + trimmed(txtMinutiApp->currentText()));

    const QString number = trimmed(lblPosizione->text());
    const std::optional<int> stored = number.isEmpty() ? std::nullopt : parseWholeNumber(number);
    if (!number.isEmpty() && !stored)
        return showArchiveFailure();
    try {
        lblPosizione->setText(QString::number(saveCard(archiveFile(), cardFromControls(), stored)));
    } catch (const ArchiveError&) {
        return showArchiveFailure();
    }
    platform().messages->show(this, MessageKind::Information, stored ? changesSavedText : cardInsertedText);
}

void TfrmArchivio_Scadenze::cmdDuplicaClick()
{
    if (trimmed(lblPosizione->text()).isEmpty()) {
        platform().messages->show(this, MessageKind::Warning, duplicateRefusedText);
        return;
    }
    emptyLabel(lblPosizione);
    try {
        ArchiveFile archive(archiveFile(), ArchiveAccess::Read);
    } catch (const ArchiveError&) {
        return showArchiveFailure();
    }
    resetTime();
    txtData->clear();
    // The copy is a deadline still to meet, even when the card it comes from
    // was met: a ticked copy would never be announced.
    chkOttemperata->setChecked(false);
    txtData->setFocus();
    platform().messages->show(this, MessageKind::Information, duplicatedText);
}

void TfrmArchivio_Scadenze::cmdEsciClick() { close(); }

// ---- Navigation

void TfrmArchivio_Scadenze::runNavigation(NavigationCommand command)
{
    Navigation result;
    try {
        result = navigate(archiveFile(), command, lblPosizione->text());
    } catch (const ArchiveError&) {
        return showArchiveFailure();
    }
    switch (result.step.kind) {
    case NavigationStep::Kind::ShowCard: CaricaScheda(result.card, result.step.card); break;
    case NavigationStep::Kind::EmptyArchive:
        if (result.step.emptiesNumber)
            emptyLabel(lblPosizione);
        platform().messages->show(this, MessageKind::Information, emptyArchiveText);
        break;
    case NavigationStep::Kind::BadNumber: showArchiveFailure(); break;
    case NavigationStep::Kind::Nothing: break;
    }
}

void TfrmArchivio_Scadenze::cmdPrimoClick() { runNavigation(NavigationCommand::Primo); }
void TfrmArchivio_Scadenze::cmdIndietroClick() { runNavigation(NavigationCommand::Indietro); }
void TfrmArchivio_Scadenze::cmdAvantiClick() { runNavigation(NavigationCommand::Avanti); }
void TfrmArchivio_Scadenze::cmdUltimoClick() { runNavigation(NavigationCommand::Ultimo); }

// ---- The field rules

void TfrmArchivio_Scadenze::impDataClick()
{
    TfrmCalendario picker(this, this);
    picker.lblMemory->setText(dateTarget);
    platform().modal->run(picker);
    activateWindow();  // back to the field that had the focus, even where no window manager does it
}

bool TfrmArchivio_Scadenze::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == chkOttemperata && event->type() == QEvent::MouseMove) {
        panInfo->setText(chkOttemperata->toolTip());
        return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
    }
    const std::optional<Field> field = fieldOf(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return fieldKeyPress(*field, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A drop-down list opening or another window coming to the front does
        // not leave the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            fieldLeft(*field);
    }
    return QWidget::eventFilter(watched, event);
}

// True when the key is discarded.
bool TfrmArchivio_Scadenze::fieldKeyPress(Field field, QKeyEvent* event)
{
    const int key = event->key();
    if (isTabKey(key))
        return false;
    if (field == Field::Data) {
        const DateFieldKey action = dateFieldKey(key);
        if (action == DateFieldKey::Empties)
            txtData->clear();
        else if (action == DateFieldKey::OpensPicker)
            openPickerAfterTheKey();
        return action != DateFieldKey::Ignored;
    }
    if (isEnterKey(key)) {
        // As Tab does, so the text of the next field is selected and typing replaces it.
        control(enterChainNext(field).value())->setFocus(Qt::TabFocusReason);
        return true;
    }
    switch (field) {
    case Field::OreApp:
    case Field::MinutiApp: return !opensDropDown(key, event->modifiers());
    case Field::Avviso: return !noticeKeyAccepted(key, event->text());
    case Field::Importo: return !amountKeyAccepted(key, event->text());
    default: return false;
    }
}

// The picker's modal loop runs once the key has been dispatched, not inside
// the dispatch; keys that come before it opens open no second picker.
void TfrmArchivio_Scadenze::openPickerAfterTheKey()
{
    if (m_pickerPosted)
        return;
    m_pickerPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pickerPosted = false;
            impDataClick();
        },
        Qt::QueuedConnection);
}

void TfrmArchivio_Scadenze::fieldLeft(Field field)
{
    if (field == Field::OreApp)
        setTextIfOther(txtOreApp->lineEdit(), timeOnLeave(txtOreApp->currentText(), hourEntries));
    else if (field == Field::MinutiApp)
        setTextIfOther(txtMinutiApp->lineEdit(), timeOnLeave(txtMinutiApp->currentText(), minuteEntries));
    else if (field == Field::Importo)
        setTextIfOther(txtImporto, amountOnLeave(txtImporto->text()));
}

void TfrmArchivio_Scadenze::txtEmailTyping()
{
    const QString typed = txtEmail->text();
    const QString kept = emailAfterTyping(typed);
    if (kept == typed)
        return;
    const qsizetype leading = typed.indexOf(kept);
    const int cursor = txtEmail->cursorPosition();
    txtEmail->setText(kept);
    txtEmail->setCursorPosition(int(qBound<qsizetype>(0, cursor - leading, kept.size())));
}

void TfrmArchivio_Scadenze::btnEmailClick()
{
    TMisc::Open(mailtoLink(txtEmail->text()));
}

void TfrmArchivio_Scadenze::cmdGuidaClick() { MostraGuida(this, HelpTopicId::Archivio); }

void TfrmArchivio_Scadenze::cmdAnteprimaClick() { openOnTheCard<TfrmStartup>(*this); }
void TfrmArchivio_Scadenze::cmdStampaClick() { openOnTheCard<TfrmStampaScadenza>(*this); }

void TfrmArchivio_Scadenze::cmdEsportaClick()
{
    TfrmExpScadenzario view(this);
    platform().modal->run(view);
}

// The search, told by its opener tag that it was opened by the editor.
void TfrmArchivio_Scadenze::cmdTrovaClick()
{
    TfrmTrovaScadenze search(this, this);
    search.lblMemory->setText(scadenzeTag);
    platform().modal->run(search);
}

void TfrmArchivio_Scadenze::cmdAssoltiClick() { openOnTheCard<TfrmAssolti>(*this); }
void TfrmArchivio_Scadenze::cmdDaAssolvereClick() { openOnTheCard<TfrmConfermati>(*this); }
void TfrmArchivio_Scadenze::cmdScadutiClick() { openOnTheCard<TfrmScaduti>(*this); }

}  // namespace memora
