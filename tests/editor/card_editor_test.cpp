// The card editor, headless: clearing, showing, navigating, saving,
// duplicating, the field rules at work in the window, and the date picker.
#include "app/home_window.h"
#include "app/program.h"
#include "archive/archive_file.h"
#include "archive/card_record.h"
#include "editor/card_editor.h"
#include "editor/date_picker.h"
#include "editor_controls.h"
#include "fake_current_card.h"
#include "fake_platform.h"
#include "file_permissions.h"
#include "info/help_window.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

using namespace memora;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::writeArchive;

namespace {

const QString emptyArchiveText = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString insertedText = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");
const QString changedText =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString duplicatedText = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
const QString beingEdited = QStringLiteral("In modifica");

// Card k of the fixture archives: its reason names it.
TSchedaScadenza fixtureCard(int k)
{
    TSchedaScadenza card = makeCard(QStringLiteral("%1/04/2014").arg(k, 2, 10, QChar(u'0')), QString::number(k));
    card.Causale = QStringLiteral("Scheda %1").arg(k);
    return card;
}

QList<TSchedaScadenza> fixtureCards(int count)
{
    QList<TSchedaScadenza> cards;
    for (int k = 1; k <= count; ++k)
        cards << fixtureCard(k);
    return cards;
}

QByteArray recordBytes(const QByteArray& file, int card) { return file.mid((card - 1) * recordSize, recordSize); }

// The bytes of the archive file at path, or nothing when no file of its own
// stands there (none, a directory, a link to a device).
std::optional<QByteArray> archiveBytes(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.isSymLink())
        return std::nullopt;
    return readBytes(path);
}

// Puts something in the way of the save: what stands at the archive's place,
// or the rights on it.
using ArchiveFault = std::function<void(const test::FakePlatform&)>;

// A field as the record stores it: its length byte, then its characters.
QByteArray storedField(const QByteArray& characters) { return char(characters.size()) + characters; }

// The text a field shows, an edit field's or a time combo's.
QString shownText(const QWidget* field)
{
    return field->property(qobject_cast<const QComboBox*>(field) ? "currentText" : "text").toString();
}

void setShownText(QWidget* field, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
    else
        qobject_cast<QLineEdit*>(field)->setText(text);
}

QString accessibleText(QObject* object, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

struct Message {
    MessageKind kind;
    QString text;
    bool operator==(const Message& other) const { return kind == other.kind && text == other.text; }
};

}  // namespace

Q_DECLARE_METATYPE(Message)
Q_DECLARE_METATYPE(ArchiveFault)
Q_DECLARE_METATYPE(QList<Message>)

namespace QTest {
template <>
char* toString(const Message& message)
{
    return qstrdup(qPrintable(QStringLiteral("%1: %2").arg(int(message.kind)).arg(message.text)));
}
}  // namespace QTest

class TestCardEditor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAtCreation();
    void typingStopsAtCapacity_data();
    void typingStopsAtCapacity();
    void statusLine_data();
    void statusLine();
    void clearing();
    void homeAndEditorTakeTurns();
    void caricaScheda_data();
    void caricaScheda();
    void shownCardReadsFromItsStart_data();
    void shownCardReadsFromItsStart();
    void cardNumberAndStatusAreRead();
    void focusButtonIsLeftOutOfTheTree();

    void navigation_data();
    void navigation();
    void navigationCreatesMissingArchive();

    void saveAppendsThenOverwrites();
    void saveOfCard2ChangesOnlyItsBytes();
    void requiredFields_data();
    void requiredFields();
    void saveStoresWhatTheFieldsShow_data();
    void saveStoresWhatTheFieldsShow();
    void textArrivedWithoutKeysIsSavedByTheRules_data();
    void textArrivedWithoutKeysIsSavedByTheRules();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void readOnlyArchiveIsBrowsedNotChanged_data();
    void readOnlyArchiveIsBrowsedNotChanged();
    void fullDiskLeavesNoPartialCard();

    void duplicateCard7Of9();
    void duplicateNewCardIsRefused();

    void enterChain_data();
    void enterChain();
    void keyFilters_data();
    void keyFilters();
    void timeListByKeyboard();
    void pasting_data();
    void pasting();
    void editingTextBeyondCapacity();
    void pictureClickLeavesTheFocus_data();
    void pictureClickLeavesTheFocus();
    void dateFieldKeys_data();
    void dateFieldKeys();
    void pickerOpensAfterTheKey();
    void leaveRules_data();
    void leaveRules();
    void emailTyping();
    void emailButton_data();
    void emailButton();
    void guideOnTheEditorsTopic();

    void pickerImportsChosenDate();
    void pickerCancelKeepsDate();
    void pickerImportsOnEnterAndDoubleClick_data();
    void pickerImportsOnEnterAndDoubleClick();
    void pickerActsOnlyForTheDueDate();

    void cardFromKeyboardReachesHomeList();

private:
    TfrmArchivio_Scadenze& editor();
    // The controls of editor().
    const test::EditorControls& ui();
    template <typename T = QWidget>
    T* control(const QString& name) const;
    QList<Message> messages() const;
    void fillRequired(const QString& reason = QStringLiteral("Rata mutuo"));
    // The texts of the card controls but the due date, the time and the number.
    QStringList keptFields() const;
    // Answers the next date picker by choosing day and pressing Importa.
    void pickDate(QDate day);

    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<TfrmArchivio_Scadenze> m_editor;
    std::unique_ptr<test::EditorControls> m_ui;
};

void TestCardEditor::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestCardEditor::cleanup()
{
    m_ui.reset();
    m_editor.reset();
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

// The editor as the home window shows it: visible and the active window.
TfrmArchivio_Scadenze& TestCardEditor::editor()
{
    if (!m_editor) {
        m_editor = std::make_unique<TfrmArchivio_Scadenze>();
        m_ui = std::make_unique<test::EditorControls>(*m_editor);
        m_editor->show();
        QApplication::setActiveWindow(m_editor.get());
    }
    return *m_editor;
}

const test::EditorControls& TestCardEditor::ui()
{
    editor();
    return *m_ui;
}

template <typename T>
T* TestCardEditor::control(const QString& name) const
{
    T* widget = m_editor->findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QList<Message> TestCardEditor::messages() const
{
    QList<Message> shown;
    for (const test::ShownMessage& message : m_platform->messages.shown)
        shown.append({message.kind, message.text});
    return shown;
}

void TestCardEditor::fillRequired(const QString& reason)
{
    ui().txtData->setText(QStringLiteral("12/03/2014"));
    ui().txtAvviso->setText(QStringLiteral("2"));
    ui().txtTipologia->setText(QStringLiteral("Pagamento"));
    ui().txtCausale->setText(reason);
}

QStringList TestCardEditor::keptFields() const
{
    QStringList texts;
    for (QLineEdit* edit : {m_ui->txtAvviso, m_ui->txtTipologia, m_ui->txtCausale, m_ui->txtDettagli,
                            m_ui->txtContatto, m_ui->txtTel, m_ui->txtCel, m_ui->txtEmail,
                            m_ui->txtLuogo, m_ui->txtImporto, m_ui->txtNote})
        texts << edit->text();
    texts << (m_ui->chkOttemperata->isChecked() ? "checked" : "unchecked");
    return texts;
}

void TestCardEditor::pickDate(QDate day)
{
    m_platform->modal.inside = [day](QDialog& dialog) {
        auto* picker = qobject_cast<TfrmCalendario*>(&dialog);
        QVERIFY(picker);
        picker->calAppuntamenti->setSelectedDate(day);
        picker->btnImportaData->click();
        QVERIFY(!picker->isVisible());
    };
}

// ---- The window

void TestCardEditor::windowAtCreation()
{
    TfrmArchivio_Scadenze window;
    const test::EditorControls form(window);
    QCOMPARE(window.windowTitle(), QStringLiteral(" Memora - Archivio Scadenze"));
    QCOMPARE(window.size(), QSize(988, 660));
    QVERIFY(!window.isVisible());
    QCOMPARE(form.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QVERIFY(!QFile::exists(m_platform->archive()));  // nothing is read before a command

    // The command column, top to bottom, each announced by its caption.
    const QList<PictureButton*> column = {form.cmdNuovo, form.cmdDuplica, form.cmdSalva, form.cmdTrova,
                                          form.cmdAnteprima, form.cmdStampa, form.cmdAssolti,
                                          form.cmdDaAssolvere, form.cmdScaduti, form.cmdEsporta,
                                          form.cmdGuida, form.cmdEsci};
    const QStringList captions = {"Nuovo", "Duplica", "Salva", "Trova", "Anteprima", "Stampa", "Assolti",
                                  "Da assolvere", "Scaduti", "Esporta archivio", "Guida", "Esci"};
    for (int i = 0; i < column.size(); ++i) {
        QCOMPARE(column[i]->accessibleName(), captions[i]);
        if (i > 0)
            QVERIFY(column[i]->y() > column[i - 1]->y());
    }
    // The navigation bar, left to right around the card number.
    const QList<QWidget*> bar = {form.cmdPrimo, form.cmdIndietro, form.lblPosizione, form.cmdAvanti,
                                 form.cmdUltimo};
    for (int i = 1; i < bar.size(); ++i)
        QVERIFY(bar[i]->x() > bar[i - 1]->x());
    QVERIFY(!form.lblOra->isVisibleTo(&window));
    QCOMPARE(form.btnFocus->size(), QSize(0, 0));
    QCOMPARE(form.imgTitolo->accessibleName(), QStringLiteral("ARCHIVIO SCADENZE"));
    QVERIFY(form.imgPromemoria->accessibleName().startsWith(
        QStringLiteral("Ricordarsi di spuntare la casella Impegno assolto nel momento in cui si \u00e8 ottemperato")));
    QVERIFY(form.imgFreccia->x() < form.chkOttemperata->x());
    QCOMPARE(form.chkOttemperata->text(), QStringLiteral("Impegno assolto"));
    QVERIFY(form.txtData->isReadOnly());
    QCOMPARE(form.txtImporto->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(form.txtOreApp->count(), 24);
    QCOMPARE(form.txtMinutiApp->itemText(59), QStringLiteral("59"));
}

void TestCardEditor::typingStopsAtCapacity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("label");
    QTest::newRow("txtAvviso") << "txtAvviso" << 3 << "Giorni di preavviso:";
    QTest::newRow("txtTipologia") << "txtTipologia" << 50 << "Tipologia:";
    QTest::newRow("txtCausale") << "txtCausale" << 250 << "Causale:";
    QTest::newRow("txtDettagli") << "txtDettagli" << 250 << "Dettagli:";
    QTest::newRow("txtContatto") << "txtContatto" << 50 << "Persona / Ditta:";
    QTest::newRow("txtTel") << "txtTel" << 30 << "Telefono:";
    QTest::newRow("txtCel") << "txtCel" << 30 << "Cellulare:";
    QTest::newRow("txtEmail") << "txtEmail" << 50 << "E-mail:";
    QTest::newRow("txtLuogo") << "txtLuogo" << 250 << "Luogo:";
    QTest::newRow("txtImporto") << "txtImporto" << 15 << "Importo:";
    QTest::newRow("txtNote") << "txtNote" << 250 << "Note:";
}

// Each field takes as many characters as its record field holds, and is
// named by the label above it.
void TestCardEditor::typingStopsAtCapacity()
{
    QFETCH(QString, name);
    QFETCH(int, capacity);
    QFETCH(QString, label);
    editor();
    auto* field = control<QLineEdit>(name);
    field->clear();
    field->setFocus();
    QTest::keyClicks(field, QString(capacity + 4, u'7'));
    QCOMPARE(field->text(), QString(capacity, u'7'));
    const QList<QLabel*> labels = m_editor->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&](QLabel* l) { return l->text() == label && l->buddy() == field; }));
}

void TestCardEditor::statusLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("cmdNuovo") << "cmdNuovo" << "Prepara la schermata per la registrazione di una nuova scheda.";
    QTest::newRow("cmdDuplica") << "cmdDuplica"
                                << "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
                                   "correnti.";
    QTest::newRow("cmdSalva") << "cmdSalva" << "Salva la scheda corrente in archivio.";
    QTest::newRow("cmdTrova") << "cmdTrova" << "Trova una scheda in archivio.";
    QTest::newRow("cmdAnteprima") << "cmdAnteprima" << "Visualizza l'anteprima di stampa della scheda corrente.";
    QTest::newRow("cmdStampa") << "cmdStampa" << "Stampa la scheda corrente.";
    QTest::newRow("cmdAssolti") << "cmdAssolti" << "Visualizza il riepilogo degli impegni assolti.";
    QTest::newRow("cmdDaAssolvere") << "cmdDaAssolvere"
                                    << "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non.";
    QTest::newRow("cmdScaduti") << "cmdScaduti" << "Visualizza il riepilogo degli impegni scaduti e non assolti.";
    QTest::newRow("cmdEsporta") << "cmdEsporta" << "Esporta l'archivio in un file di Excel.";
    QTest::newRow("cmdGuida") << "cmdGuida" << "Visualizza la guida in linea.";
    QTest::newRow("cmdEsci") << "cmdEsci" << "Esci da questa schermata di lavoro.";
    QTest::newRow("cmdPrimo") << "cmdPrimo" << "Visualizza la prima scheda in archivio.";
    QTest::newRow("cmdIndietro") << "cmdIndietro" << "Visualizza la scheda precedente in archivio.";
    QTest::newRow("cmdAvanti") << "cmdAvanti" << "Visualizza la scheda successiva in archivio.";
    QTest::newRow("cmdUltimo") << "cmdUltimo" << "Visualizza l'ultima scheda in archivio.";
    QTest::newRow("impData") << "impData" << "Importa la data dal calendario.";
    QTest::newRow("btnEmail") << "btnEmail" << "Invia una e-mail all'indirizzo indicato.";
    QTest::newRow("chkOttemperata") << "chkOttemperata"
                                    << "Spunta questa casella per indicare che l'impegno \u00e8 stato assolto.";
}

// The mouse over a command describes it in the status line; over an input
// field the line stays; over the title or the background it empties.
void TestCardEditor::statusLine()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    editor();
    QTest::mouseMove(control(name), QPoint(5, 5));
    QCOMPARE(ui().panInfo->text(), text);
    QCOMPARE(control(name)->toolTip(), text);
    QCOMPARE(control(name)->accessibleDescription(), text);
    QTest::mouseMove(ui().txtCausale, QPoint(5, 5));
    QCOMPARE(ui().panInfo->text(), text);
    QTest::mouseMove(ui().imgTitolo, QPoint(5, 5));
    QCOMPARE(ui().panInfo->text(), QString());
    QTest::mouseMove(control(name), QPoint(5, 5));
    QTest::mouseMove(m_editor.get(), QPoint(2, 2));
    QCOMPARE(ui().panInfo->text(), QString());
}

void TestCardEditor::clearing()
{
    TfrmArchivio_Scadenze& window = editor();
    const test::EditorControls& form = ui();
    form.txtOreApp->setCurrentIndex(9);
    form.txtMinutiApp->setCurrentIndex(30);
    TSchedaScadenza card = makeCard("12/03/2014", "2", flagFulfilled);
    for (Field field : {Field::Tel, Field::Cel, Field::Email, Field::Luogo, Field::Note, Field::Dettagli})
        card[field] = QStringLiteral("x");
    card.Importo = QStringLiteral("5,00");
    window.CaricaScheda(card, 4);
    form.panInfo->setText(QStringLiteral("stato"));
    form.txtNote->setFocus();

    form.cmdNuovo->click();
    QCOMPARE(form.txtData->text(), QString());
    for (QComboBox* combo : {form.txtOreApp, form.txtMinutiApp}) {
        QCOMPARE(combo->currentText(), QStringLiteral("00"));
        QCOMPARE(combo->currentIndex(), -1);
    }
    QCOMPARE(form.txtAvviso->text(), QStringLiteral("0"));
    QCOMPARE(form.txtImporto->text(), QStringLiteral("0,00"));
    for (QLineEdit* edit : {form.txtTipologia, form.txtCausale, form.txtDettagli, form.txtContatto,
                            form.txtTel, form.txtCel, form.txtEmail, form.txtLuogo, form.txtNote})
        QCOMPARE(edit->text(), QString());
    QVERIFY(!form.chkOttemperata->isChecked());
    QCOMPARE(form.lblPosizione->text(), QString());
    QCOMPARE(form.lblOra->text(), QStringLiteral("09:30"));  // clearing leaves the time text alone
    QCOMPARE(form.panInfo->text(), QStringLiteral("stato"));
    QCOMPARE(QApplication::focusWidget(), form.txtData);
    QVERIFY(messages().isEmpty());
    QVERIFY(!QFile::exists(m_platform->archive()));
}

// APRI ARCHIVIO shows a cleared editor in place of the home window; closing
// the editor brings the home window back and hides the editor.
void TestCardEditor::homeAndEditorTakeTurns()
{
    TfrmAvvio home;
    TfrmArchivio_Scadenze window;
    const test::EditorControls form(window);
    home.setEditor(&window);
    window.setHome(&home);
    home.show();
    home.appApriArchivio->click();
    QVERIFY(window.isVisible());
    QVERIFY(!home.isVisible());
    QCOMPARE(window.focusWidget(), form.txtData);

    window.CaricaScheda(fixtureCard(3), 3);
    form.cmdEsci->click();
    QVERIFY(home.isVisible());
    QVERIFY(!window.isVisible());

    home.btnArchivio->click();
    QVERIFY(window.isVisible());
    QCOMPARE(form.txtCausale->text(), QString());
    QCOMPARE(form.lblPosizione->text(), QString());
    QCOMPARE(window.focusWidget(), form.txtData);
    window.close();
    QVERIFY(home.isVisible());
    home.hide();
}

void TestCardEditor::caricaScheda_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<bool>("checkedAfter");
    QTest::newRow("fulfilled ticks") << QString(flagFulfilled) << false << true;
    QTest::newRow("fulfilled with blanks ticks") << QStringLiteral(" S\u00ec ") << false << true;
    QTest::newRow("pending clears") << QString(flagPending) << true << false;
    QTest::newRow("other flag leaves it ticked") << QStringLiteral("Si") << true << true;
    QTest::newRow("other flag leaves it clear") << QStringLiteral("") << false << false;
}

// Every control receives its field trimmed; the time combos keep their
// drop-down selection; the check box follows only "Sì" and "No".
void TestCardEditor::caricaScheda()
{
    QFETCH(QString, flag);
    QFETCH(bool, checkedBefore);
    QFETCH(bool, checkedAfter);
    TfrmArchivio_Scadenze& window = editor();
    const test::EditorControls& form = ui();
    form.chkOttemperata->setChecked(checkedBefore);
    form.txtMinutiApp->setCurrentIndex(15);
    TSchedaScadenza card;
    const QStringList texts = {"10/03/2014", "08", "45", "08:45", "3", "Pagamento", "Rata mutuo", "Quinta rata",
                               "Banca", "0123", "333", "a@b.it", "Roma", "12,50", "Portare ricevuta"};
    for (int i = 0; i < texts.size(); ++i)
        card[Field(i)] = QStringLiteral(" \t") + texts[i] + QStringLiteral("  ");
    card.Assolto = flag;

    window.CaricaScheda(card, 12);
    const QStringList shown = {form.txtData->text(), form.txtOreApp->currentText(),
                               form.txtMinutiApp->currentText(), form.lblOra->text(), form.txtAvviso->text(),
                               form.txtTipologia->text(), form.txtCausale->text(), form.txtDettagli->text(),
                               form.txtContatto->text(), form.txtTel->text(), form.txtCel->text(),
                               form.txtEmail->text(), form.txtLuogo->text(), form.txtImporto->text(),
                               form.txtNote->text()};
    QCOMPARE(shown, texts);
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("12"));
    QCOMPARE(form.chkOttemperata->isChecked(), checkedAfter);
    QCOMPARE(form.txtMinutiApp->currentIndex(), 15);
    QCOMPARE(form.txtOreApp->currentIndex(), -1);
}

void TestCardEditor::shownCardReadsFromItsStart_data()
{
    QTest::addColumn<bool>("navigation");
    QTest::newRow("shown by the navigation") << true;
    QTest::newRow("written by CaricaScheda") << false;
}

// A long reason is shown from its first word, not from its last.
void TestCardEditor::shownCardReadsFromItsStart()
{
    QFETCH(bool, navigation);
    TSchedaScadenza card = fixtureCard(1);
    for (Field field : {Field::Tipologia, Field::Causale, Field::Dettagli, Field::Contatto, Field::Tel, Field::Cel,
                        Field::Email, Field::Luogo, Field::Note})
        card[field] = QStringLiteral("Inizio") + QString(fieldCapacity(field) - 6, u'x');
    card.Causale = QStringLiteral("Inizio") + QString(194, u'x');
    writeArchive(m_platform->archive(), {card});
    for (QLineEdit* edit : editor().findChildren<QLineEdit*>()) {
        edit->setText(QString(250, u'9'));  // wider than the card's texts, read up to its end
        edit->grab();
    }
    ui().txtCausale->setFocus();
    if (navigation)
        ui().cmdPrimo->click();
    else
        m_editor->CaricaScheda(card, 1);
    for (QLineEdit* edit : m_editor->findChildren<QLineEdit*>()) {
        if (edit->parentWidget() != m_editor.get())
            continue;  // the edits of the time combos
        edit->grab();  // lays the text out as painting does
        const QPoint leftEdge(edit->contentsRect().left() + 6, edit->height() / 2);
        QVERIFY2(edit->cursorPositionAt(leftEdge) <= 1, qPrintable(edit->objectName()));
    }
    QCOMPARE(ui().txtCausale->text().size(), 200);
}

// The card number and the status line are read by their texts, whatever
// command set them. (A label read by its text also announces its changes;
// Qt passes such events on only while an assistive tool listens, so no test
// here can see them.)
void TestCardEditor::cardNumberAndStatusAreRead()
{
    writeArchive(m_platform->archive(), fixtureCards(3));
    ui().cmdUltimo->click();
    QCOMPARE(accessibleText(ui().lblPosizione, QAccessible::Name), QStringLiteral("3"));
    QCOMPARE(accessibleText(ui().lblPosizione, QAccessible::Description), QStringLiteral("Numero della scheda"));
    ui().cmdDuplica->click();
    QCOMPARE(accessibleText(ui().lblPosizione, QAccessible::Name), QString());
    fillRequired();
    ui().cmdSalva->click();
    QCOMPARE(accessibleText(ui().lblPosizione, QAccessible::Name), QStringLiteral("4"));

    QCOMPARE(accessibleText(ui().panInfo, QAccessible::Name),
             QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QCOMPARE(accessibleText(ui().panInfo, QAccessible::Description), QStringLiteral("Riga di stato"));
    QTest::mouseMove(ui().cmdSalva, QPoint(5, 5));
    QCOMPARE(accessibleText(ui().panInfo, QAccessible::Name), QStringLiteral("Salva la scheda corrente in archivio."));
    QTest::mouseMove(ui().imgTitolo, QPoint(5, 5));
    QCOMPARE(accessibleText(ui().panInfo, QAccessible::Name), QString());
}

// btnFocus, a button no one sees, is no child of the editor for assistive
// tools, even while it holds the focus after a save.
void TestCardEditor::focusButtonIsLeftOutOfTheTree()
{
    fillRequired();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_editor.get());
    QList<QObject*> children;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QVERIFY(child);
        QCOMPARE(window->indexOfChild(child), i);
        QCOMPARE(child->parent()->object(), m_editor.get());
        children << child->object();
    }
    QVERIFY(!children.contains(ui().btnFocus));
    for (QObject* control : std::initializer_list<QObject*>{ui().txtData, ui().cmdSalva,
                                                            ui().lblPosizione, ui().panInfo})
        QVERIFY(children.contains(control));
    QCOMPARE(window->child(window->childCount()), nullptr);
    QCOMPARE(window->indexOfChild(QAccessible::queryAccessibleInterface(ui().btnFocus)), -1);

    ui().cmdSalva->click();
    QCOMPARE(QApplication::focusWidget(), ui().btnFocus);  // it still does its work
    QCOMPARE(window->focusChild(), nullptr);
    ui().txtNote->setFocus();
    QCOMPARE(window->focusChild()->object(), ui().txtNote);
}

// ---- Navigation

void TestCardEditor::navigation_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("numberAfter");
    QTest::addColumn<QString>("reasonAfter");
    QTest::addColumn<QList<Message>>("shown");
    const QList<Message> none;
    const QList<Message> empty = {{MessageKind::Information, emptyArchiveText}};
    const QList<Message> failure = {{MessageKind::Error, MsgArchivioInaccessibile}};
    const QString kept = beingEdited;
    // N = 0, whatever the card number
    QTest::newRow("Primo, N=0, new card") << "cmdPrimo" << 0 << "" << "" << kept << empty;
    QTest::newRow("Primo, N=0, card 4") << "cmdPrimo" << 0 << "4" << "4" << kept << empty;
    QTest::newRow("Ultimo, N=0, new card") << "cmdUltimo" << 0 << "" << "" << kept << empty;
    QTest::newRow("Avanti, N=0, empties the number") << "cmdAvanti" << 0 << "4" << "" << kept << empty;
    QTest::newRow("Indietro, N=0, card 4") << "cmdIndietro" << 0 << "4" << "4" << kept << empty;
    QTest::newRow("Indietro, N=0, card 1: nothing") << "cmdIndietro" << 0 << "1" << "1" << kept << none;
    // empty number
    QTest::newRow("Primo, new card") << "cmdPrimo" << 9 << "" << "1" << "Scheda 1" << none;
    QTest::newRow("Ultimo, new card") << "cmdUltimo" << 9 << "" << "9" << "Scheda 9" << none;
    QTest::newRow("Avanti, new card") << "cmdAvanti" << 9 << "" << "1" << "Scheda 1" << none;
    QTest::newRow("Indietro, new card") << "cmdIndietro" << 9 << "" << "1" << "Scheda 1" << none;
    // number n
    QTest::newRow("Primo, card 5") << "cmdPrimo" << 9 << "5" << "1" << "Scheda 1" << none;
    QTest::newRow("Ultimo, card 5") << "cmdUltimo" << 9 << "5" << "9" << "Scheda 9" << none;
    QTest::newRow("Avanti, card 5") << "cmdAvanti" << 9 << "5" << "6" << "Scheda 6" << none;
    QTest::newRow("Avanti, card 8") << "cmdAvanti" << 9 << "8" << "9" << "Scheda 9" << none;
    QTest::newRow("Avanti, last card: nothing") << "cmdAvanti" << 9 << "9" << "9" << kept << none;
    QTest::newRow("Avanti, beyond the last: nothing") << "cmdAvanti" << 9 << "12" << "12" << kept << none;
    QTest::newRow("Indietro, card 5") << "cmdIndietro" << 9 << "5" << "4" << "Scheda 4" << none;
    QTest::newRow("Indietro, card 2") << "cmdIndietro" << 9 << "2" << "1" << "Scheda 1" << none;
    QTest::newRow("Indietro, card 1: nothing") << "cmdIndietro" << 9 << "1" << "1" << kept << none;
    QTest::newRow("Avanti, number with blanks") << "cmdAvanti" << 9 << " 5 " << "6" << "Scheda 6" << none;
    // numbers that name no card
    QTest::newRow("Avanti, not a number") << "cmdAvanti" << 9 << "x" << "x" << kept << failure;
    QTest::newRow("Indietro, beyond the end") << "cmdIndietro" << 9 << "15" << "15" << kept << failure;
    QTest::newRow("Indietro, card 0") << "cmdIndietro" << 9 << "0" << "0" << kept << failure;
}

void TestCardEditor::navigation()
{
    QFETCH(QString, command);
    QFETCH(int, cards);
    QFETCH(QString, number);
    QFETCH(QString, numberAfter);
    QFETCH(QString, reasonAfter);
    QFETCH(QList<Message>, shown);
    writeArchive(m_platform->archive(), fixtureCards(cards));
    const QByteArray before = readBytes(m_platform->archive());
    ui().txtCausale->setText(beingEdited);
    ui().lblPosizione->setText(number);

    control<PictureButton>(command)->click();
    QCOMPARE(ui().lblPosizione->text(), numberAfter);
    QCOMPARE(ui().txtCausale->text(), reasonAfter);
    if (reasonAfter != beingEdited)
        QCOMPARE(ui().txtData->text(), fixtureCard(numberAfter.toInt()).Data);
    QCOMPARE(messages(), shown);
    QCOMPARE(readBytes(m_platform->archive()), before);
}

void TestCardEditor::navigationCreatesMissingArchive()
{
    ui().cmdUltimo->click();
    QVERIFY(QFileInfo(m_platform->archive()).isFile());
    QCOMPARE(QFileInfo(m_platform->archive()).size(), 0);
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, emptyArchiveText}}));
}

// ---- Saving

void TestCardEditor::saveAppendsThenOverwrites()
{
    writeArchive(m_platform->archive(), fixtureCards(2));
    const QByteArray before = readBytes(m_platform->archive());
    fillRequired();
    ui().txtOreApp->setCurrentIndex(9);
    ui().txtMinutiApp->setEditText(QStringLiteral("30"));
    ui().txtContatto->setText(QStringLiteral("  Banca  "));
    ui().txtImporto->setText(QStringLiteral("250,00"));

    ui().cmdSalva->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, insertedText}}));
    QCOMPARE(ui().lblOra->text(), QStringLiteral("09:30"));
    QCOMPARE(QApplication::focusWidget(), ui().btnFocus);
    TSchedaScadenza expected = makeCard("12/03/2014", "2");
    expected.Importo = QStringLiteral("250,00");
    QByteArray file = readBytes(m_platform->archive());
    QCOMPARE(file.size(), 3 * recordSize);
    QCOMPARE(file.left(2 * recordSize), before);
    QCOMPARE(recordBytes(file, 3), encodeRecord(expected));

    m_platform->messages.shown.clear();
    ui().txtCausale->setText(QStringLiteral("Rata mutuo, seconda"));
    ui().chkOttemperata->setChecked(true);
    ui().cmdSalva->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, changedText}}));
    expected.Causale = QStringLiteral("Rata mutuo, seconda");
    expected.Assolto = flagFulfilled;
    file = readBytes(m_platform->archive());
    QCOMPARE(file.size(), 3 * recordSize);
    QCOMPARE(file.left(2 * recordSize), before);
    QCOMPARE(recordBytes(file, 3), encodeRecord(expected));
    QCOMPARE(file.mid(2 * recordSize + fieldOffset(Field::Assolto), 3), QByteArray("\x02\x53\xEC"));
}

// Card 2 of 3 shown by the navigation, changed and saved: only bytes 1265 to
// 2529 of the file change.
void TestCardEditor::saveOfCard2ChangesOnlyItsBytes()
{
    writeArchive(m_platform->archive(), fixtureCards(3));
    const QByteArray before = readBytes(m_platform->archive());
    ui().cmdPrimo->click();
    ui().cmdAvanti->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("2"));
    ui().txtNote->setText(QStringLiteral("Pagata in contanti"));
    ui().chkOttemperata->setChecked(true);

    ui().cmdSalva->click();
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, changedText}}));
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("2"));
    TSchedaScadenza expected = fixtureCard(2);
    expected.Note = QStringLiteral("Pagata in contanti");
    expected.Assolto = flagFulfilled;
    const QByteArray after = readBytes(m_platform->archive());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(1265), before.left(1265));
    QCOMPARE(after.mid(2530), before.mid(2530));
    QVERIFY(after.mid(1265, 1265) != before.mid(1265, 1265));
    QCOMPARE(after.mid(1265, 1265), encodeRecord(expected));
}

void TestCardEditor::requiredFields_data()
{
    QTest::addColumn<QStringList>("texts");  // date, notice, type, reason
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("warning");
    const QString date = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare la data della "
                                        "scadenza.");
    const QString notice = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare i giorni di "
                                          "preavviso rispetto alla data della scadenza.");
    const QString type = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare la tipologia "
                                        "di scadenza.");
    const QString reason = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare la causale "
                                          "della scadenza.");
    QTest::newRow("all empty: the date first") << QStringList{"", "", "", ""} << "txtData" << date;
    QTest::newRow("date missing") << QStringList{"", "2", "Pagamento", "Rata"} << "txtData" << date;
    QTest::newRow("notice missing") << QStringList{"12/03/2014", "", "", ""} << "txtAvviso" << notice;
    QTest::newRow("notice blank") << QStringList{"12/03/2014", " ", "Pagamento", "Rata"} << "txtAvviso" << notice;
    QTest::newRow("type missing") << QStringList{"12/03/2014", "2", "", ""} << "txtTipologia" << type;
    QTest::newRow("type only blanks") << QStringList{"12/03/2014", "2", "   ", "Rata"} << "txtTipologia" << type;
    QTest::newRow("reason missing") << QStringList{"12/03/2014", "2", "Pagamento", ""} << "txtCausale" << reason;
    QTest::newRow("reason only a tab") << QStringList{"12/03/2014", "2", "Pagamento", "\t"} << "txtCausale" << reason;
}

// The first missing field is named, gets the focus, and nothing is written.
void TestCardEditor::requiredFields()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, focus);
    QFETCH(QString, warning);
    const test::EditorControls& form = ui();
    const QList<QLineEdit*> required = {form.txtData, form.txtAvviso, form.txtTipologia, form.txtCausale};
    for (int i = 0; i < required.size(); ++i)
        required[i]->setText(texts[i]);
    form.txtNote->setFocus();
    form.cmdSalva->click();
    QCOMPARE(messages(), QList<Message>({{MessageKind::Warning, warning}}));
    QCOMPARE(QApplication::focusWidget(), control(focus));
    QCOMPARE(form.lblPosizione->text(), QString());
    QVERIFY(!QFile::exists(m_platform->archive()));
}

void TestCardEditor::saveStoresWhatTheFieldsShow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QByteArray>("stored");  // the field's bytes in the record
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("active");
    const QString longReason = QString(240, u'a') + QString(60, u'b');
    const QByteArray longReasonStored = QByteArray(240, 'a') + QByteArray(10, 'b');
    QTest::newRow("amount emptied") << "txtImporto" << "" << Field::Importo << storedField("0,00") << "0,00" << true;
    QTest::newRow("amount left by the save") << "txtImporto" << "2,675" << Field::Importo << storedField("2,67")
                                             << "2,67" << true;
    QTest::newRow("amount of fifteen nines") << "txtImporto" << "999999999999999" << Field::Importo
                                             << storedField("999999999999999") << "999999999999999,00" << true;
    QTest::newRow("amount, window in the background") << "txtImporto" << "1,115" << Field::Importo
                                                      << storedField("1,11") << "1,11" << false;
    QTest::newRow("hour, window in the background") << "txtOreApp" << "7" << Field::OreApp << storedField("") << ""
                                                    << false;
    QTest::newRow("hour that is no entry") << "txtOreApp" << " 7" << Field::OreApp << storedField("") << "" << true;
    QTest::newRow("minutes from the list") << "txtMinutiApp" << "45" << Field::MinutiApp << storedField("45") << "45"
                                           << true;
    QTest::newRow("reason too long") << "txtCausale" << longReason << Field::Causale << storedField(longReasonStored)
                                     << longReason << true;
    QTest::newRow("outside the code page") << "txtTipologia" << "Rata \u65e5\u03a9" << Field::Tipologia
                                           << storedField("Rata ??") << "Rata \u65e5\u03a9" << true;
    QTest::newRow("euro sign is in it") << "txtTipologia" << "\u20ac 5" << Field::Tipologia << storedField("\x80 5")
                                        << "\u20ac 5" << true;
    QTest::newRow("blanks around") << "txtNote" << "  Portare ricevuta \t" << Field::Note
                                   << storedField("Portare ricevuta") << "  Portare ricevuta \t" << true;
}

// The field being edited is left before the save reads it; the record holds
// the trimmed texts, cut to capacity, in Windows-1252.
void TestCardEditor::saveStoresWhatTheFieldsShow()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(Field, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(bool, active);
    fillRequired();
    QWidget* widget = control(name);
    setShownText(widget, text);
    widget->setFocus();
    if (!active)  // another window in front: the field keeps its focus but gets no focus events
        QApplication::setActiveWindow(nullptr);

    ui().cmdSalva->click();
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, insertedText}}));
    const QByteArray record = readBytes(m_platform->archive());
    QCOMPARE(record.mid(fieldOffset(field), stored.size()), stored);
    const TSchedaScadenza card = decodeRecord(record.constData());
    QCOMPARE(card.Ora, card.OreApp + u':' + card.MinutiApp);
    QCOMPARE(shownText(widget), shown);
}

void TestCardEditor::textArrivedWithoutKeysIsSavedByTheRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("assistive");  // set through the accessible interface, or by setText
    QTest::addColumn<QString>("text");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("saved");  // stored and shown
    const QString noNotice = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare i giorni "
                                            "di preavviso rispetto alla data della scadenza.");
    QTest::newRow("notice with a word") << "txtAvviso" << false << "5 g" << Field::Avviso << "5";
    QTest::newRow("notice from a tool") << "txtAvviso" << true << "5 g" << Field::Avviso << "5";
    QTest::newRow("notice, digits apart") << "txtAvviso" << true << " 1 2 " << Field::Avviso << "12";
    QTest::newRow("notice without digits") << "txtAvviso" << true << "g" << Field::Avviso << noNotice;
    QTest::newRow("amount from a tool") << "txtImporto" << true << "1,5" << Field::Importo << "1,50";
    QTest::newRow("amount that is no number") << "txtImporto" << false << "12.5" << Field::Importo << "0,00";
    QTest::newRow("hour that is no entry") << "txtOreApp" << false << "7" << Field::OreApp << "";
    QTest::newRow("minutes from a tool") << "txtMinutiApp" << true << "5" << Field::MinutiApp << "";
    QTest::newRow("reason as it came") << "txtCausale" << true << "Rata 5 g" << Field::Causale << "Rata 5 g";
}

// Text that reached a field without keys (an assistive tool, another
// window) is stored as the field's rules would have it, and shown so: a
// notice of "5 g" would make a card that no rule can classify.
void TestCardEditor::textArrivedWithoutKeysIsSavedByTheRules()
{
    QFETCH(QString, name);
    QFETCH(bool, assistive);
    QFETCH(QString, text);
    QFETCH(Field, field);
    QFETCH(QString, saved);
    fillRequired();
    ui().txtNote->setFocus();  // the field is never entered, so no leave rule runs
    QWidget* widget = control(name);
    auto* edit = qobject_cast<QComboBox*>(widget) ? qobject_cast<QComboBox*>(widget)->lineEdit()
                                                   : qobject_cast<QLineEdit*>(widget);
    if (assistive)
        QAccessible::queryAccessibleInterface(edit)->editableTextInterface()->replaceText(0, int(edit->text().size()),
                                                                                          text);
    else
        edit->setText(text);
    QCOMPARE(edit->text(), text);  // what arrives is not rewritten on the way in

    ui().cmdSalva->click();
    if (saved.startsWith(QStringLiteral("Attenzione"))) {
        QCOMPARE(messages(), QList<Message>({{MessageKind::Warning, saved}}));
        QVERIFY(!QFile::exists(m_platform->archive()));
        return;
    }
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, insertedText}}));
    QCOMPARE(decodeRecord(readBytes(m_platform->archive()).constData())[field], saved);
    QCOMPARE(edit->text(), saved);
}

void TestCardEditor::failedSaveChangesNothing_data()
{
    QTest::addColumn<ArchiveFault>("fault");
    QTest::addColumn<QString>("number");
    const ArchiveFault twoCards = [](const test::FakePlatform& platform) {
        writeArchive(platform.archive(), fixtureCards(2));
    };
    QTest::newRow("archive is a directory") << ArchiveFault([](const test::FakePlatform& platform) {
        QVERIFY(QDir(platform.directory()).mkdir(archiveFileName));
    }) << "";
    QTest::newRow("archive on a full device") << ArchiveFault([](const test::FakePlatform& platform) {
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), platform.archive()));
    }) << "";
    QTest::newRow("folder without write permission") << ArchiveFault([](const test::FakePlatform& platform) {
        QFile::setPermissions(platform.directory(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }) << "";
    QTest::newRow("archive file read-only, stored card") << ArchiveFault([](const test::FakePlatform& platform) {
        writeArchive(platform.archive(), fixtureCards(2));
        QFile::setPermissions(platform.archive(), QFileDevice::ReadOwner);
    }) << "1";
    QTest::newRow("card number names no card") << twoCards << "7";
    QTest::newRow("card number is no number") << twoCards << "abc";
}

// Whatever keeps the save from writing, the user reads
// MsgArchivioInaccessibile and the archive, the card number and the other
// controls are as they were.
void TestCardEditor::failedSaveChangesNothing()
{
    QFETCH(ArchiveFault, fault);
    QFETCH(QString, number);
    const test::FilePermissionsBind bind;
    fault(*m_platform);
    const std::optional<QByteArray> before = archiveBytes(m_platform->archive());
    fillRequired();
    ui().lblPosizione->setText(number);
    const QStringList fields = keptFields();

    ui().cmdSalva->click();
    QFile::setPermissions(m_platform->directory(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                       | QFileDevice::ExeOwner);
    QCOMPARE(messages(), QList<Message>({{MessageKind::Error, MsgArchivioInaccessibile}}));
    QCOMPARE(ui().lblPosizione->text(), number);
    QCOMPARE(keptFields(), fields);
    QCOMPARE(archiveBytes(m_platform->archive()), before);
}

void TestCardEditor::readOnlyArchiveIsBrowsedNotChanged_data()
{
    QTest::addColumn<test::Restriction>("restriction");
    QTest::newRow("archive of mode 444") << test::Restriction::ReadOnlyFile;
    QTest::newRow("read-only folder, archive of mode 444") << test::Restriction::ReadOnlyFileAndFolder;
}

// Browsing and duplicating only read, so they work on an archive the user may
// not change; saving, a changed card or a new one, fails with the message and
// changes nothing.
void TestCardEditor::readOnlyArchiveIsBrowsedNotChanged()
{
    QFETCH(test::Restriction, restriction);
    writeArchive(m_platform->archive(), fixtureCards(3));
    const QByteArray before = readBytes(m_platform->archive());
    const test::RestrictedArchive readOnly(m_platform->directory(), restriction);
    ui().cmdUltimo->click();
    ui().cmdIndietro->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(ui().txtCausale->text(), QStringLiteral("Scheda 2"));
    ui().txtNote->setText(QStringLiteral("cambiata"));
    ui().cmdSalva->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("2"));
    ui().cmdDuplica->click();
    QCOMPARE(ui().lblPosizione->text(), QString());
    ui().txtData->setText(QStringLiteral("02/05/2014"));
    ui().cmdSalva->click();
    QCOMPARE(ui().lblPosizione->text(), QString());
    QCOMPARE(messages(), QList<Message>({{MessageKind::Error, MsgArchivioInaccessibile},
                                         {MessageKind::Information, duplicatedText},
                                         {MessageKind::Error, MsgArchivioInaccessibile}}));
    QCOMPARE(readBytes(m_platform->archive()), before);
}

// The disk fills while the new card is being written: part of it reached the
// file, and is taken away again, so the archive holds its two cards only.
void TestCardEditor::fullDiskLeavesNoPartialCard()
{
    writeArchive(m_platform->archive(), fixtureCards(2));
    const QByteArray before = readBytes(m_platform->archive());
    fillRequired();
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = rlim_t(before.size() + 100);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ui().cmdSalva->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(messages(), QList<Message>({{MessageKind::Error, MsgArchivioInaccessibile}}));
    QCOMPARE(ui().lblPosizione->text(), QString());
    QCOMPARE(readBytes(m_platform->archive()), before);
}

// ---- Duplicating

void TestCardEditor::duplicateCard7Of9()
{
    QList<TSchedaScadenza> cards = fixtureCards(9);
    cards[6].Assolto = flagFulfilled;
    cards[6].Email = QStringLiteral("banca@esempio.it");
    cards[6].Ora = QStringLiteral("09:30");
    writeArchive(m_platform->archive(), cards);
    const QByteArray before = readBytes(m_platform->archive());
    ui().cmdUltimo->click();
    ui().cmdIndietro->click();
    ui().cmdIndietro->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("7"));
    ui().txtOreApp->setCurrentIndex(9);
    QVERIFY(ui().chkOttemperata->isChecked());
    QStringList fields = keptFields();
    fields.last() = QStringLiteral("unchecked");  // the copy is still to be met

    ui().cmdDuplica->click();
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, duplicatedText}}));
    QCOMPARE(ui().lblPosizione->text(), QString());
    QCOMPARE(ui().txtData->text(), QString());
    for (QComboBox* combo : {ui().txtOreApp, ui().txtMinutiApp}) {
        QCOMPARE(combo->currentText(), QStringLiteral("00"));
        QCOMPARE(combo->currentIndex(), -1);
    }
    QCOMPARE(keptFields(), fields);
    QCOMPARE(QApplication::focusWidget(), ui().txtData);
    QCOMPARE(readBytes(m_platform->archive()), before);

    pickDate(QDate(2014, 5, 7));
    ui().impData->click();
    ui().cmdSalva->click();
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("10"));
    const QByteArray after = readBytes(m_platform->archive());
    QCOMPARE(after.size(), 10 * recordSize);
    QCOMPARE(after.left(9 * recordSize), before);
    TSchedaScadenza copy = cards[6];
    copy.Data = QStringLiteral("07/05/2014");
    copy.OreApp = copy.MinutiApp = QStringLiteral("00");
    copy.Ora = QStringLiteral("00:00");
    copy.Assolto = flagPending;
    QCOMPARE(recordBytes(after, 10), encodeRecord(copy));
}

void TestCardEditor::duplicateNewCardIsRefused()
{
    fillRequired();
    ui().txtOreApp->setCurrentIndex(9);
    const QStringList fields = keptFields();
    ui().lblPosizione->setText(QStringLiteral("  "));
    ui().cmdDuplica->click();
    QCOMPARE(messages(), QList<Message>({{MessageKind::Warning,
                                          QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00f2 avvenire "
                                                         "soltanto dopo che questa \u00e8 stata inserita in "
                                                         "archivio.")}}));
    QCOMPARE(keptFields(), fields);
    QCOMPARE(ui().txtData->text(), QStringLiteral("12/03/2014"));
    QCOMPARE(ui().txtOreApp->currentIndex(), 9);
    QCOMPARE(ui().lblPosizione->text(), QStringLiteral("  "));
    QVERIFY(!QFile::exists(m_platform->archive()));
}

// ---- The field rules in the window

void TestCardEditor::enterChain_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const QStringList chain = {"txtOreApp", "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale", "txtDettagli",
                               "txtContatto", "txtTel", "txtCel", "txtEmail", "txtLuogo", "txtImporto", "txtNote",
                               "txtData"};
    for (int i = 0; i + 1 < chain.size(); ++i)
        QTest::newRow(qPrintable(chain[i])) << chain[i] << chain[i + 1];
}

void TestCardEditor::enterChain()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    editor();
    QWidget* field = control(from);
    field->setFocus();
    const QString before = field->property("text").toString();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control(to));
    QCOMPARE(field->property("text").toString(), before);
    QVERIFY(m_platform->modal.shownTitles.isEmpty());
}

void TestCardEditor::keyFilters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("text");
    const auto typed = [](const QString& text) {
        QTestEventList keys;
        keys.addKeyClicks(text);
        return keys;
    };
    QTestEventList homeThenDigit = typed("12");
    homeThenDigit.addKeyClick(Qt::Key_Home);
    homeThenDigit.addKeyClick(Qt::Key_End);
    homeThenDigit.addKeyClick(Qt::Key_Home);
    homeThenDigit.addKeyClicks("3");
    QTestEventList leftThenDigit = typed("12");
    leftThenDigit.addKeyClick(Qt::Key_Left);
    leftThenDigit.addKeyClicks("3");
    QTestEventList leftThenDelete = typed("123");
    leftThenDelete.addKeyClick(Qt::Key_Left);
    leftThenDelete.addKeyClick(Qt::Key_Left);
    leftThenDelete.addKeyClick(Qt::Key_Delete);
    leftThenDelete.addKeyClick(Qt::Key_Right);
    leftThenDelete.addKeyClick(Qt::Key_Backspace);
    QTestEventList pasteKey = typed("4");
    pasteKey.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTestEventList arrowsInCombo;
    arrowsInCombo.addKeyClick(Qt::Key_Down);
    arrowsInCombo.addKeyClick(Qt::Key_Up);
    arrowsInCombo.addKeyClicks("7");
    arrowsInCombo.addKeyClick(Qt::Key_Backspace);

    QTest::newRow("notice: letters refused") << "txtAvviso" << typed("1a2b") << "12";
    QTest::newRow("notice: fourth digit refused") << "txtAvviso" << typed("1234") << "123";
    QTest::newRow("notice: comma and blank refused") << "txtAvviso" << typed(" 4,5") << "45";
    QTest::newRow("notice: Home and End refused") << "txtAvviso" << homeThenDigit << "123";
    QTest::newRow("notice: Left acts") << "txtAvviso" << leftThenDigit << "132";
    QTest::newRow("notice: Delete, Right, Backspace act") << "txtAvviso" << leftThenDelete << "1";
    QTest::newRow("notice: Ctrl+V refused") << "txtAvviso" << pasteKey << "4";
    QTest::newRow("amount: digits and comma") << "txtImporto" << typed("12,5x") << "12,5";
    QTest::newRow("amount: point refused") << "txtImporto" << typed("1.5") << "15";
    QTest::newRow("amount: Home refused") << "txtImporto" << homeThenDigit << "123";
    QTest::newRow("amount: Left acts") << "txtImporto" << leftThenDigit << "132";
    QTest::newRow("reason: every key acts") << "txtCausale" << typed("Rata 1, a.b!") << "Rata 1, a.b!";
    QTest::newRow("hour: no typing, no arrows") << "txtOreApp" << arrowsInCombo << "00";
    QTest::newRow("minutes: no typing") << "txtMinutiApp" << typed("45") << "00";
}

void TestCardEditor::keyFilters()
{
    QFETCH(QString, name);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, text);
    editor();
    QWidget* field = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("99"));
    field->setFocus();
    keys.simulate(field);
    QCOMPARE(field->property(qobject_cast<QComboBox*>(field) ? "currentText" : "text").toString(), text);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        QCOMPARE(combo->currentIndex(), -1);
}

// The hour list opens from the keyboard, so a time can be chosen without a mouse.
void TestCardEditor::timeListByKeyboard()
{
    editor();
    ui().txtOreApp->setFocus();
    QTest::keyClick(ui().txtOreApp, Qt::Key_F4);
    QVERIFY(ui().txtOreApp->view()->isVisible());
    QTest::keyClick(ui().txtOreApp->view(), Qt::Key_Down);
    QTest::keyClick(ui().txtOreApp->view(), Qt::Key_Return);
    QVERIFY(!ui().txtOreApp->view()->isVisible());
    QCOMPARE(ui().txtOreApp->currentIndex(), 1);
    QCOMPARE(ui().txtOreApp->currentText(), QStringLiteral("01"));
}

void TestCardEditor::pasting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("at");  // where the paste goes; -1 replaces the whole text
    QTest::addColumn<bool>("byKeys");  // Ctrl+V, or the context menu's paste
    const QString full(45, u'a');
    const QString nines = QStringLiteral("999999999999999,00");
    QTest::newRow("notice: the digits of words") << "txtAvviso" << "5 giorni" << "5" << "" << 0 << false;
    QTest::newRow("notice: digits taken") << "txtAvviso" << "15" << "15" << "" << 0 << false;
    QTest::newRow("notice: cut to capacity") << "txtAvviso" << "1234" << "123" << "" << 0 << false;
    QTest::newRow("notice: cut to the room left") << "txtAvviso" << "1234" << "712" << "7" << 1 << false;
    QTest::newRow("notice: over a selection") << "txtAvviso" << "4 5" << "45" << "123" << -1 << false;
    QTest::newRow("amount: point dropped") << "txtImporto" << "12.50" << "1250" << "" << 0 << false;
    QTest::newRow("amount: currency dropped") << "txtImporto" << "\u20ac 5,20" << "5,20" << "" << 0 << false;
    QTest::newRow("amount: digits and comma taken") << "txtImporto" << "12,50" << "12,50" << "" << 0 << false;
    QTest::newRow("amount: no room beside a long one") << "txtImporto" << "5" << nines << nines << 18 << false;
    QTest::newRow("reason: any text taken") << "txtCausale" << "Rata n. 5 (giugno)" << "Rata n. 5 (giugno)" << ""
                                            << 0 << false;
    QTest::newRow("reason: cut to capacity") << "txtCausale" << QString(251, u'x') << QString(250, u'x') << "" << 0
                                             << false;
    QTest::newRow("reason: cut by Ctrl+V") << "txtCausale" << QString(251, u'x') << QString(250, u'x') << "" << 0
                                           << true;
    QTest::newRow("type: up to capacity taken") << "txtTipologia" << QString(50, u'x') << QString(50, u'x') << ""
                                                << 0 << false;
    QTest::newRow("type: cut where it goes") << "txtTipologia" << "0123456789" << full.left(10) + "01234" + full.mid(10)
                                             << full << 10 << true;
}

// Pasted text is cut to the room the field has left, as a maximum length
// does, and keeps only the characters a key could type there: a notice of
// "5 giorni" would store a card that no rule can classify.
void TestCardEditor::pasting()
{
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(QString, before);
    QFETCH(int, at);
    QFETCH(bool, byKeys);
    editor();
    auto* field = control<QLineEdit>(name);
    field->setText(before);
    field->setFocus();
    if (at < 0)
        field->selectAll();
    else
        field->setCursorPosition(at);
    QApplication::clipboard()->setText(pasted);
    if (byKeys)
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    else
        field->paste();
    QCOMPARE(field->text(), text);
    QCOMPARE(field->cursorPosition(), int(text.size()) - (at < 0 ? 0 : int(before.size()) - at));
}

// An amount left as fifteen nines and ",00" holds more than the field takes:
// its characters can still be deleted, but none added.
void TestCardEditor::editingTextBeyondCapacity()
{
    ui().txtImporto->clear();
    ui().txtImporto->setFocus();
    QTest::keyClicks(ui().txtImporto, QStringLiteral("999999999999999"));
    ui().txtNote->setFocus();
    QCOMPARE(ui().txtImporto->text(), QStringLiteral("999999999999999,00"));
    ui().txtImporto->setFocus();
    QTest::keyClick(ui().txtImporto, Qt::Key_Backspace);
    QCOMPARE(ui().txtImporto->text(), QStringLiteral("999999999999999,0"));
    QTest::keyClicks(ui().txtImporto, QStringLiteral("5"));
    QCOMPARE(ui().txtImporto->text(), QStringLiteral("999999999999999,0"));
}

void TestCardEditor::pictureClickLeavesTheFocus_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"impData", "btnEmail", "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdTrova",
                             "cmdGuida"})
        QTest::newRow(name) << name;
}

// A click on a picture acts and leaves the focus in the field: Tab goes on
// from there, and Enter does not press the picture again.
void TestCardEditor::pictureClickLeavesTheFocus()
{
    QFETCH(QString, name);
    ui().txtCausale->setFocus();
    auto* picture = control<PictureButton>(name);
    QSignalSpy clicks(picture, &QAbstractButton::clicked);
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(QApplication::focusWidget(), ui().txtCausale);
    QTest::keyClick(ui().txtCausale, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui().txtDettagli);

    ui().txtNote->setFocus();  // Tab still reaches the pictures
    QTest::keyClick(ui().txtNote, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui().cmdNuovo);
}

void TestCardEditor::dateFieldKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("picker");
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << "" << false;
    QTest::newRow("Delete empties") << int(Qt::Key_Delete) << "" << false;
    QTest::newRow("digit opens the picker") << int(Qt::Key_5) << "12/03/2014" << true;
    QTest::newRow("letter opens the picker") << int(Qt::Key_A) << "12/03/2014" << true;
    QTest::newRow("Enter opens the picker") << int(Qt::Key_Return) << "12/03/2014" << true;
    QTest::newRow("Space opens the picker") << int(Qt::Key_Space) << "12/03/2014" << true;
    QTest::newRow("Shift alone does nothing") << int(Qt::Key_Shift) << "12/03/2014" << false;
}

void TestCardEditor::dateFieldKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, picker);
    ui().txtData->setText(QStringLiteral("12/03/2014"));
    ui().txtData->setFocus();
    QTest::keyClick(ui().txtData, Qt::Key(key));
    QCoreApplication::processEvents();
    QCOMPARE(ui().txtData->text(), text);
    QCOMPARE(m_platform->modal.shownTitles,
             picker ? QStringList(QStringLiteral(" Importazione data")) : QStringList());
    QCOMPARE(QApplication::focusWidget(), ui().txtData);
}

// A key in the due date opens the picker once the key has been dispatched,
// not from inside its dispatch; keys that come before the picker opens open
// no second one.
void TestCardEditor::pickerOpensAfterTheKey()
{
    ui().txtData->setFocus();
    QTest::keyClick(ui().txtData, Qt::Key_5);
    QTest::keyClick(ui().txtData, Qt::Key_6);
    QCOMPARE(m_platform->modal.shownTitles, QStringList());
    QCoreApplication::processEvents();
    QCOMPARE(m_platform->modal.shownTitles, QStringList{QStringLiteral(" Importazione data")});

    QTest::keyClick(ui().txtData, Qt::Key_7);
    QCoreApplication::processEvents();
    QCOMPARE(m_platform->modal.shownTitles.size(), 2);
    QCOMPARE(QApplication::focusWidget(), ui().txtData);
}

void TestCardEditor::leaveRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::newRow("hour 7 emptied") << "txtOreApp" << "7" << "";
    QTest::newRow("hour with a blank emptied") << "txtOreApp" << " 7" << "";
    QTest::newRow("hour 07 stays") << "txtOreApp" << "07" << "07";
    QTest::newRow("minutes 60 emptied") << "txtMinutiApp" << "60" << "";
    QTest::newRow("minutes 59 stay") << "txtMinutiApp" << "59" << "59";
    QTest::newRow("amount rounded") << "txtImporto" << "2,675" << "2,67";
    QTest::newRow("amount completed") << "txtImporto" << "12," << "12,00";
    QTest::newRow("amount emptied") << "txtImporto" << "" << "0,00";
    QTest::newRow("amount two commas") << "txtImporto" << "1,2,3" << "0,00";
    QTest::newRow("reason untouched") << "txtCausale" << " 7 " << " 7 ";
}

// The rules run when the field loses the focus, on whatever text it holds.
void TestCardEditor::leaveRules()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, left);
    editor();
    QWidget* field = control(name);
    const char* property = qobject_cast<QComboBox*>(field) ? "currentText" : "text";
    field->setFocus();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
    else
        qobject_cast<QLineEdit*>(field)->setText(text);
    QCOMPARE(field->property(property).toString(), text);  // nothing happens while the field has the focus
    ui().txtNote->setFocus();
    QCOMPARE(field->property(property).toString(), left);
}

void TestCardEditor::emailTyping()
{
    editor();
    ui().txtEmail->setFocus();
    QTest::keyClicks(ui().txtEmail, QStringLiteral("mario "));
    QCOMPARE(ui().txtEmail->text(), QStringLiteral("mario"));
    QTest::keyClicks(ui().txtEmail, QStringLiteral("@rossi.it"));
    QCOMPARE(ui().txtEmail->text(), QStringLiteral("mario@rossi.it"));
    ui().txtEmail->setCursorPosition(5);
    QTest::keyClicks(ui().txtEmail, QStringLiteral(" x"));
    QCOMPARE(ui().txtEmail->text(), QStringLiteral("mario x@rossi.it"));
    ui().txtEmail->setCursorPosition(0);
    QTest::keyClicks(ui().txtEmail, QStringLiteral(" "));
    QCOMPARE(ui().txtEmail->text(), QStringLiteral("mario x@rossi.it"));
    QCOMPARE(ui().txtEmail->cursorPosition(), 0);
}

void TestCardEditor::emailButton_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("recipient");
    QTest::newRow("blanks around") << "  mario@rossi.it  " << "mario@rossi.it";
    QTest::newRow("empty: a message without recipient") << "" << "";
    QTest::newRow("shared archive adding a body") << "a@b.it?body=Paga&attach=x" << "a@b.it?body=Paga&attach=x";
}

// The button starts a message to the card's address and nothing more.
void TestCardEditor::emailButton()
{
    QFETCH(QString, address);
    QFETCH(QString, recipient);
    ui().txtEmail->setText(address);  // untrimmed, as a pasted or shown text may be
    ui().btnEmail->click();
    QCOMPARE(m_platform->desktop.opened.size(), 1);
    const QUrl url = m_platform->desktop.opened.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(QUrl::FullyDecoded), recipient);
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
}

// Guida opens a help window of its own, owned by the editor, on the
// editor's topic: ten paragraphs under "Applicazione Archivio Scadenze.".
void TestCardEditor::guideOnTheEditorsTopic()
{
    QString title;
    QStringList paragraphs;
    QWidget* owner = nullptr;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* guide = qobject_cast<TfrmGuida*>(&dialog);
        QVERIFY(guide);
        owner = guide->parentWidget();
        title = guide->lblTitolo->text();
        paragraphs = guide->txtGuida->toPlainText().split(QStringLiteral("\n\n"));
    };
    ui().cmdGuida->click();
    QCOMPARE(owner, m_editor.get());
    QCOMPARE(title, QStringLiteral("Applicazione Archivio Scadenze."));
    QCOMPARE(paragraphs.size(), 10);
    QVERIFY(paragraphs[3].contains(QStringLiteral("Duplica")));
    QVERIFY(paragraphs[3].contains(QStringLiteral("nasce da assolvere")));  // a copy is never born fulfilled
    QCOMPARE(m_editor->findChildren<TfrmGuida*>().size(), 0);
}

// ---- The date picker

// The picker opens on today whatever the card's date, in Italian, and writes
// the chosen day as ten characters.
void TestCardEditor::pickerImportsChosenDate()
{
    ui().txtData->setText(QStringLiteral("15/06/2030"));
    ui().txtCausale->setFocus();
    QDate openedOn;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* picker = qobject_cast<TfrmCalendario*>(&dialog);
        QVERIFY(picker);
        QCOMPARE(picker->parentWidget(), m_editor.get());
        QCOMPARE(picker->windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(picker->size(), QSize(253, 294));
        QCOMPARE(picker->lblCampo001->text(), QStringLiteral("Importare una data:"));
        QCOMPARE(picker->lblMemory->text(), QStringLiteral("data"));
        QVERIFY(!picker->lblMemory->isVisibleTo(picker));
        QCOMPARE(picker->calAppuntamenti->locale().language(), QLocale::Italian);
        QCOMPARE(picker->calAppuntamenti->firstDayOfWeek(), Qt::Monday);
        openedOn = picker->calAppuntamenti->selectedDate();
        picker->calAppuntamenti->setSelectedDate(QDate(2014, 3, 5));
        picker->btnImportaData->click();
    };
    ui().impData->click();
    QCOMPARE(openedOn, QDate(2014, 3, 10));
    QCOMPARE(ui().txtData->text(), QStringLiteral("05/03/2014"));
    QCOMPARE(QApplication::focusWidget(), ui().txtCausale);

    m_platform->modal.inside = [](QDialog& dialog) {
        qobject_cast<TfrmCalendario*>(&dialog)->btnImportaData->click();
    };
    ui().impData->click();
    QCOMPARE(ui().txtData->text(), QStringLiteral("10/03/2014"));
    QCOMPARE(m_editor->findChildren<TfrmCalendario*>().size(), 0);  // each picker is gone when it closes
}

void TestCardEditor::pickerCancelKeepsDate()
{
    ui().txtData->setText(QStringLiteral("15/06/2030"));
    bool closed = false;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* picker = qobject_cast<TfrmCalendario*>(&dialog);
        picker->calAppuntamenti->setSelectedDate(QDate(2014, 3, 5));
        picker->btnAnnulla->click();
        closed = !picker->isVisible();
    };
    ui().txtData->setFocus();
    QTest::keyClick(ui().txtData, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(closed);
    QCOMPARE(ui().txtData->text(), QStringLiteral("15/06/2030"));
}

void TestCardEditor::pickerImportsOnEnterAndDoubleClick_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("keypad Enter") << "keypad Enter";
    QTest::newRow("double-click on the day") << "double-click";
    QTest::newRow("a digit typed, then Enter") << "digit";
}

// The calendar keeps Enter from the default button Importa, so it imports
// the date itself, as a double-click on a day does; typing does not change it.
void TestCardEditor::pickerImportsOnEnterAndDoubleClick()
{
    QFETCH(QString, gesture);
    ui().txtData->setText(QStringLiteral("15/06/2030"));
    bool closed = false;
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* picker = qobject_cast<TfrmCalendario*>(&dialog);
        picker->calAppuntamenti->setSelectedDate(QDate(2014, 3, 5));
        auto* days = picker->calAppuntamenti->findChild<QTableView*>();
        QVERIFY(days);
        days->setFocus();
        if (gesture == "double-click") {
            const QPoint day = days->visualRect(days->currentIndex()).center();
            QTest::mouseClick(days->viewport(), Qt::LeftButton, Qt::NoModifier, day);
            QTest::mouseDClick(days->viewport(), Qt::LeftButton, Qt::NoModifier, day);
        } else if (gesture == "digit") {
            // A typed digit opens no date editor over the calendar: its date stays the selected one.
            QTest::keyClick(days, Qt::Key_7);
            QTest::keyClick(days, Qt::Key_Return);
        } else {
            QTest::keyClick(days, gesture == "Enter" ? Qt::Key_Return : Qt::Key_Enter,
                            gesture == "Enter" ? Qt::NoModifier : Qt::KeypadModifier);
        }
        closed = !picker->isVisible();
    };
    ui().impData->click();
    QVERIFY(closed);
    QCOMPARE(ui().txtData->text(), QStringLiteral("05/03/2014"));
}

// A picker opened for anything but the due date leaves the card alone; the
// tag "data" alone lets Importa write it.
void TestCardEditor::pickerActsOnlyForTheDueDate()
{
    test::FakeCurrentCard card;
    TfrmCalendario picker(nullptr, &card);
    picker.show();
    picker.btnImportaData->click();
    QVERIFY(picker.isVisible());
    picker.lblMemory->setText(QStringLiteral("Data"));
    picker.btnImportaData->click();
    QVERIFY(picker.isVisible());
    QTest::keyClick(picker.calAppuntamenti->findChild<QTableView*>(), Qt::Key_Return);
    QVERIFY(picker.isVisible());
    QCOMPARE(card.dueDates, QStringList());
    picker.lblMemory->setText(dateTarget);
    picker.btnImportaData->click();
    QVERIFY(!picker.isVisible());
    QCOMPARE(card.dueDates, QStringList{QStringLiteral("10/03/2014")});
}

// ---- The whole road

// From the home window into the editor, a card filled with the keyboard alone
// and saved, and back: the home window lists the card, now imminent.
void TestCardEditor::cardFromKeyboardReachesHomeList()
{
    writeArchive(m_platform->archive(), {makeCard("20/03/2014", "2")});
    Program program;
    TfrmAvvio& home = program.home();
    home.show();
    QCOMPARE(home.lstRecords->model()->rowCount(), 0);
    home.btnArchivio->click();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shownEditor = std::find_if(windows.begin(), windows.end(), [](QWidget* w) {
        return qobject_cast<TfrmArchivio_Scadenze*>(w) && w->isVisible();
    });
    QVERIFY(shownEditor != windows.end());
    auto* editor = static_cast<TfrmArchivio_Scadenze*>(*shownEditor);
    const test::EditorControls form(*editor);
    QApplication::setActiveWindow(editor);

    const auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    pickDate(QDate(2014, 3, 12));
    press(Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(form.txtData->text(), QStringLiteral("12/03/2014"));
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    type(QStringLiteral("2"));
    press(Qt::Key_Return);
    type(QStringLiteral("Pagamento"));
    press(Qt::Key_Return);
    type(QStringLiteral("Bollo auto"));
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), form.txtImporto);
    type(QStringLiteral("120,5"));
    press(Qt::Key_Tab);
    QCOMPARE(form.txtImporto->text(), QStringLiteral("120,50"));
    QCOMPARE(QApplication::focusWidget(), form.chkOttemperata);
    form.cmdSalva->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(messages(), QList<Message>({{MessageKind::Information, insertedText}}));

    form.cmdEsci->setFocus();
    press(Qt::Key_Space);
    QVERIFY(home.isVisible());
    QVERIFY(!editor->isVisible());
    QCOMPARE(home.lstRecords->model()->rowCount(), 1);
    QVERIFY(home.lstRecords->model()->index(0, 0).data().toString().contains(QStringLiteral("Bollo auto")));
    home.hide();
}

#include "card_editor_test.moc"

QObject* makeCardEditorTest() { return new TestCardEditor; }
