// The card editor as the current card of the windows it opens: it opens
// them itself, owned by it, and hands itself to them; what they read of it
// is what its controls show.
#include "archive/card_record.h"
#include "editor/card_editor.h"
#include "editor_controls.h"
#include "fake_platform.h"
#include "print/card_print_windows.h"
#include "print/report_layout.h"
#include "summaries/search_window.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace memora;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::writeArchive;

namespace {

// The text of the named box on a laid-out page.
QString placedText(const ReportPage& page, const QString& box)
{
    for (const PlacedText& text : page.texts)
        if (text.box == box)
            return text.text;
    return QStringLiteral("no box %1").arg(box);
}

}  // namespace

class TestCurrentCard : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<test::FakePlatform>(); }
    void cleanup();
    void cardControlsAreWhatTheControlsShow();
    void dueDateReplacesTheDate();
    void buttonsOpenTheirWindows_data();
    void buttonsOpenTheirWindows();
    void editorPrintsItsUnsavedCard_data();
    void editorPrintsItsUnsavedCard();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestCurrentCard::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

// Every text as the control holds it, blanks and all, saved or not.
void TestCurrentCard::cardControlsAreWhatTheControlsShow()
{
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    const QList<QLineEdit*> edits = {form.txtData,     form.txtTipologia, form.txtCausale, form.txtDettagli,
                                     form.txtContatto, form.txtTel,       form.txtCel,     form.txtEmail,
                                     form.txtLuogo,    form.txtImporto,   form.txtNote};
    for (QLineEdit* edit : edits)
        edit->setText(QLatin1Char(' ') + edit->objectName());
    form.txtOreApp->setEditText(QStringLiteral("07 "));
    form.txtMinutiApp->setEditText(QStringLiteral("05"));
    form.chkOttemperata->setChecked(true);

    CardControls card = editor.cardControls();
    const QStringList texts = {card.txtData,     card.txtTipologia, card.txtCausale, card.txtDettagli,
                               card.txtContatto, card.txtTel,       card.txtCel,     card.txtEmail,
                               card.txtLuogo,    card.txtImporto,   card.txtNote};
    QCOMPARE(texts, QStringList({" txtData", " txtTipologia", " txtCausale", " txtDettagli", " txtContatto",
                                 " txtTel", " txtCel", " txtEmail", " txtLuogo", " txtImporto", " txtNote"}));
    QCOMPARE(card.txtOreApp, QStringLiteral("07 "));
    QCOMPARE(card.txtMinutiApp, QStringLiteral("05"));
    QVERIFY(card.chkOttemperata);
    form.chkOttemperata->setChecked(false);
    QVERIFY(!editor.cardControls().chkOttemperata);
}

// What the date picker's Importa does: the due date and nothing else.
void TestCurrentCard::dueDateReplacesTheDate()
{
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    editor.CaricaScheda(makeCard(QStringLiteral("15/06/2030")), 4);
    editor.setDueDate(QStringLiteral("05/03/2014"));
    QCOMPARE(form.txtData->text(), QStringLiteral("05/03/2014"));
    QCOMPARE(form.txtCausale->text(), QStringLiteral("Rata mutuo"));
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("4"));
}

void TestCurrentCard::buttonsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Da assolvere") << "cmdDaAssolvere" << " Riepilogo impegni da assolvere";
    QTest::newRow("Scaduti")      << "cmdScaduti"     << " Riepilogo impegni scaduti e non assolti";
    QTest::newRow("Assolti")      << "cmdAssolti"     << " Riepilogo impegni assolti";
    QTest::newRow("Trova")        << "cmdTrova"       << " Trova scadenze in archivio";
}

// Each button opens a new window owned by the editor; the search knows its opener.
void TestCurrentCard::buttonsOpenTheirWindows()
{
    QFETCH(QString, button);
    TfrmArchivio_Scadenze editor;
    editor.show();
    QWidget* owner = nullptr;
    QString tag;
    m_platform->modal.inside = [&](QDialog& window) {
        owner = window.parentWidget();
        if (auto* search = qobject_cast<TfrmTrovaScadenze*>(&window))
            tag = search->lblMemory->text();
    };
    editor.findChild<PictureButton*>(button)->click();
    QTEST(m_platform->modal.shownTitles.value(0), "caption");
    QCOMPARE(m_platform->modal.shownTitles.size(), 1);
    QCOMPARE(owner, &editor);
    QCOMPARE(tag, button == QLatin1String("cmdTrova") ? QStringLiteral("scadenze") : QString());
    QVERIFY(editor.findChildren<QDialog*>().isEmpty());  // destroyed once closed
    editor.hide();
}

void TestCurrentCard::editorPrintsItsUnsavedCard_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cmdStampa") << false << " Stampa scheda";
    QTest::newRow("cmdAnteprima") << true << " Anteprima di stampa";
}

void TestCurrentCard::editorPrintsItsUnsavedCard()
{
    QFETCH(bool, preview);
    QFETCH(QString, caption);
    TSchedaScadenza stored = makeCard(QStringLiteral("12/03/2014"));
    writeArchive(m_platform->archive(), {stored});
    const QByteArray archive = readBytes(m_platform->archive());
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    editor.CaricaScheda(stored, 1);
    form.txtOreApp->setEditText(QStringLiteral("07"));
    form.txtMinutiApp->setEditText(QStringLiteral("05"));
    form.txtCausale->setText(QStringLiteral(" Bollo [auto] "));
    form.txtNote->setText(QStringLiteral("Non salvata"));
    form.chkOttemperata->setChecked(true);
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* window = qobject_cast<CardPrintWindow*>(&dialog);
        QVERIFY(window && window->parentWidget() == &editor);
        window->btnStampa->click();
    };
    (preview ? form.cmdAnteprima : form.cmdStampa)->click();

    QCOMPARE(m_platform->modal.shownTitles, QStringList{caption});
    const auto& delivered = preview ? m_platform->printing.previewed : m_platform->printing.printed;
    QCOMPARE(delivered.size(), 1u);
    const ReportPage& page = delivered.front().pages.at(0);
    QCOMPARE(placedText(page, QStringLiteral("txtData")), QStringLiteral("12/03/2014"));
    QCOMPARE(placedText(page, QStringLiteral("txtOra")), QStringLiteral("07:05"));
    QCOMPARE(placedText(page, QStringLiteral("txtCausale")), QStringLiteral("Bollo [auto]"));
    QCOMPARE(placedText(page, QStringLiteral("txtContatto")), stored.Contatto);
    QCOMPARE(placedText(page, QStringLiteral("txtNote")), QStringLiteral("Non salvata"));
    QCOMPARE(placedText(page, QStringLiteral("txtOttemperata")), QStringLiteral("S\u00ec"));
    QCOMPARE(readBytes(m_platform->archive()), archive);  // printing saves nothing
}

#include "current_card_test.moc"

QObject* makeCurrentCardTest() { return new TestCurrentCard; }
