// The advanced search window, headless.
#include "archive/archive_file.h"
#include "rules/summary_line.h"
#include "summaries/find_in_list.h"
#include "summaries/search_window.h"
#include "summaries/summary_panel.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"
#include "file_permissions.h"
#include "model_tester.h"
#include "window_helpers.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace memora;
using memora::test::makeCard;

namespace {

TSchedaScadenza searchCard(const QString& date, const QString& type, const QString& reason)
{
    TSchedaScadenza card = makeCard(date);
    card.Tipologia = type;
    card.Causale = reason;
    return card;
}

const QList<TSchedaScadenza> archiveCards = {
    searchCard("15/03/2014", "Pagamento", "Rata mutuo"),
    searchCard("02/01/2015", "Tassa", "Bollo auto"),
    searchCard("20/11/2015", "Visita medica", "Controllo"),
};

QLineEdit* fieldNamed(TfrmTrovaScadenze& window, const QString& name)
{
    return window.findChild<QLineEdit*>(name);
}

// Presses Cerca with the mouse, as the user does.
void pressCerca(TfrmTrovaScadenze& window)
{
    QTest::mousePress(window.btnCerca, Qt::LeftButton);
    QTest::mouseRelease(window.btnCerca, Qt::LeftButton);
}

}  // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void criteriaShowTheirHighlight_data();
    void criteriaShowTheirHighlight();
    void enterWalksTheFieldsAndNeverSearches();
    void search_data();
    void search();
    void waitLabelFromMouseDownToClosing();
    void unreadableArchive();
    void readOnlyArchiveSearchedInFull_data();
    void readOnlyArchiveSearchedInFull();
    void doubleClickLoadsOnlyForTheEditor_data();
    void doubleClickLoadsOnlyForTheEditor();
    void doubleClickBelowResultsLoadsTheSelectedOne();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestSearchWindow::init()
{
    m_platform = std::make_unique<test::FakePlatform>();
    test::writeArchive(m_platform->archive(), archiveCards);
}

void TestSearchWindow::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

void TestSearchWindow::criteriaShowTheirHighlight_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("highlight");
    QTest::newRow("Data")      << "txtData"      << "lblCampo01" << "Data scadenza (gg/mm/aaaa):" << "effCampo01";
    QTest::newRow("Ora")       << "txtOra"       << "lblCampo02" << "Ora (hh:mm):"     << "effCampo02";
    QTest::newRow("Tipologia") << "txtTipologia" << "lblCampo09" << "Tipologia:"       << "effCampo09";
    QTest::newRow("Causale")   << "txtCausale"   << "lblCampo10" << "Causale:"         << "effCampo10";
    QTest::newRow("Dettagli")  << "txtDettagli"  << "lblCampo05" << "Dettagli:"        << "effCampo05";
    QTest::newRow("Contatto")  << "txtContatto"  << "lblCampo06" << "Persona / Ditta:" << "effCampo06";
    QTest::newRow("Tel")       << "txtTel"       << "lblCampo07" << "Telefono:"        << "effCampo07";
    QTest::newRow("Cel")       << "txtCel"       << "lblCampo08" << "Cellulare:"       << "effCampo08";
    QTest::newRow("Luogo")     << "txtLuogo"     << "lblCampo03" << "Luogo:"           << "effCampo03";
    QTest::newRow("Note")      << "txtNote"      << "lblCampo04" << "Note:"            << "effCampo04";
}

// Each field has its label as buddy, and only the field with the focus shows
// its highlight.
void TestSearchWindow::criteriaShowTheirHighlight()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, highlight);
    TfrmTrovaScadenze search;
    const std::map<QString, QLabel*> labels = {
        {"lblCampo01", search.lblCampo01}, {"lblCampo02", search.lblCampo02}, {"lblCampo03", search.lblCampo03},
        {"lblCampo04", search.lblCampo04}, {"lblCampo05", search.lblCampo05}, {"lblCampo06", search.lblCampo06},
        {"lblCampo07", search.lblCampo07}, {"lblCampo08", search.lblCampo08}, {"lblCampo09", search.lblCampo09},
        {"lblCampo10", search.lblCampo10}};
    const std::map<QString, Picture*> highlights = {
        {"effCampo01", search.effCampo01}, {"effCampo02", search.effCampo02}, {"effCampo03", search.effCampo03},
        {"effCampo04", search.effCampo04}, {"effCampo05", search.effCampo05}, {"effCampo06", search.effCampo06},
        {"effCampo07", search.effCampo07}, {"effCampo08", search.effCampo08}, {"effCampo09", search.effCampo09},
        {"effCampo10", search.effCampo10}};
    QLineEdit* edit = fieldNamed(search, field);
    QVERIFY(edit);
    QCOMPARE(labels.at(label)->buddy(), edit);
    QTEST(labels.at(label)->text(), "caption");
    test::runModal(*m_platform, search, [&] {
        QVERIFY(search.effCampo01->isVisible());  // the focus starts in txtData
        edit->setFocus(Qt::TabFocusReason);
        for (const auto& [name, picture] : highlights)
            QCOMPARE(picture->isVisible(), name == highlight);
    });
}

void TestSearchWindow::enterWalksTheFieldsAndNeverSearches()
{
    TfrmTrovaScadenze search;
    search.txtCausale->setText(QStringLiteral("Rata"));
    test::runModal(*m_platform, search, [&] {
        QStringList visited;
        for (int press = 0; press < 10; ++press) {
            QWidget* from = search.focusWidget();
            QVERIFY(from && search.isVisible());
            QTest::keyClick(from, Qt::Key_Return);
            visited << search.focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"txtOra", "txtTipologia", "txtCausale", "txtDettagli", "txtContatto", "txtTel",
                                       "txtCel", "txtLuogo", "txtNote", "txtData"}));
        QVERIFY(search.panAvvio->isVisible());
        QCOMPARE(search.lblConta->text(), QStringLiteral("0"));
    });
}

void TestSearchWindow::search_data()
{
    QTest::addColumn<QString>("tipologia");
    QTest::addColumn<QString>("causale");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QList<int>>("cards");  // top to bottom
    QTest::newRow("no criteria lists every card") << "" << "" << "" << "0" << QList<int>{2, 1, 3};
    QTest::newRow("AND of two")                   << "" << "O" << "2015" << "2" << QList<int>{2, 3};
    QTest::newRow("capitals")                     << "" << "RATA MUTUO" << "" << "1" << QList<int>{1};
    QTest::newRow("blank-only criterion ignored") << " " << "assente" << "" << "1" << QList<int>{};
}

void TestSearchWindow::search()
{
    QFETCH(QString, tipologia);
    QFETCH(QString, causale);
    QFETCH(QString, data);
    QFETCH(QList<int>, cards);
    TfrmTrovaScadenze search;
    const test::ModelTester tester(search.panContainer->lstRecords->model());
    test::runModal(*m_platform, search, [&] {
        search.txtTipologia->setText(tipologia);
        search.txtCausale->setText(causale);
        search.txtData->setText(data);
        pressCerca(search);
        QTEST(search.lblConta->text(), "given");
        QCOMPARE(test::listedCards(*search.panContainer), cards);
        QCOMPARE(search.lblTrovate->text(),
                 QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(cards.size()));
        QVERIFY(search.panContainer->isVisible());
        QVERIFY(!search.panAvvio->isVisible());
        QCOMPARE(search.focusWidget(), search.panContainer->txtTrova);
        search.panContainer->btnTrova->click();
        search.panContainer->btnStampa->click();
    });
    QCOMPARE(test::printedBox(*m_platform, QStringLiteral("txtTitolo")),
             QStringList(QStringLiteral("Riepilogo scadenze in archivio")));
    QStringList lines;
    for (int card : cards)
        lines << RigaRiepilogo(archiveCards[card - 1]);
    QCOMPARE(test::printedBox(*m_platform, QStringLiteral("txtRiepilogo")), lines);
    // Trova on an empty result list says so; on a filled one it says nothing.
    QCOMPARE(m_platform->messages.shown.size(), cards.isEmpty() ? 1 : 0);
    if (cards.isEmpty())
        QCOMPARE(m_platform->messages.shown[0].text, MsgListaVuota);
}

void TestSearchWindow::waitLabelFromMouseDownToClosing()
{
    TfrmTrovaScadenze search;
    test::runModal(*m_platform, search, [&] {
        QVERIFY(!search.lblAttendere->isVisible());
        QTest::mousePress(search.btnCerca, Qt::LeftButton);
        QVERIFY(search.lblAttendere->isVisible());
        QVERIFY(search.panAvvio->isVisible());  // the search waits for the click
        QTest::mouseRelease(search.btnCerca, Qt::LeftButton);
        QVERIFY(search.panContainer->isVisible());
        search.panContainer->btnChiudi->click();
        QVERIFY(!search.isVisible());
    });
    QVERIFY(!search.lblAttendere->isVisibleTo(search.panAvvio));
    QCOMPARE(search.panContainer->lstRecords->model()->rowCount(), 0);
}

void TestSearchWindow::unreadableArchive()
{
    QFile::remove(m_platform->archive());
    test::blockArchive(*m_platform);
    TfrmTrovaScadenze search;
    test::runModal(*m_platform, search, [&] {
        search.txtCausale->setText(QStringLiteral("Rata"));
        pressCerca(search);
        QCoreApplication::processEvents();
        QVERIFY(search.panAvvio->isVisible());
        QVERIFY(!search.panContainer->isVisible());
        QVERIFY(search.lblAttendere->isVisible());
        QCOMPARE(search.txtCausale->text(), QStringLiteral("Rata"));
    });
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, MsgArchivioInaccessibile);
}

void TestSearchWindow::readOnlyArchiveSearchedInFull_data()
{
    QTest::addColumn<test::Restriction>("restriction");
    QTest::newRow("archive of mode 444") << test::Restriction::ReadOnlyFile;
    QTest::newRow("read-only folder, archive of mode 444") << test::Restriction::ReadOnlyFileAndFolder;
}

// Searching only reads: a read-only archive is searched to its end, and a
// chosen line still brings its card into the editor.
void TestSearchWindow::readOnlyArchiveSearchedInFull()
{
    QFETCH(test::Restriction, restriction);
    const test::RestrictedArchive readOnly(m_platform->directory(), restriction);
    test::FakeCurrentCard currentCard;
    TfrmTrovaScadenze search(nullptr, &currentCard);
    search.lblMemory->setText(QStringLiteral("scadenze"));
    test::runModal(*m_platform, search, [&] {
        search.txtTipologia->setText(QStringLiteral("a"));
        pressCerca(search);
        QCoreApplication::processEvents();
        QCOMPARE(test::listedCards(*search.panContainer), QList<int>({2, 1, 3}));
        search.panContainer->lstRecords->selectRow(1);
        test::doubleClickLine(*search.panContainer->lstRecords, 1);
    });
    QVERIFY(m_platform->messages.shown.isEmpty());
    QCOMPARE(currentCard.numbers, QList<int>{1});
}

void TestSearchWindow::doubleClickLoadsOnlyForTheEditor_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("loads");
    QTest::newRow("opened by the editor")  << "scadenze"   << true;
    QTest::newRow("tag with blanks")       << " scadenze " << true;
    QTest::newRow("start-up instance")     << "lblMemory"  << false;
    QTest::newRow("tag in other capitals") << "Scadenze"   << false;
}

void TestSearchWindow::doubleClickLoadsOnlyForTheEditor()
{
    QFETCH(QString, tag);
    QFETCH(bool, loads);
    test::FakeCurrentCard currentCard;
    TfrmTrovaScadenze search(nullptr, &currentCard);
    search.lblMemory->setText(tag);
    test::runModal(*m_platform, search, [&] {
        search.txtCausale->setText(QStringLiteral("bollo"));
        pressCerca(search);
        search.panContainer->lstRecords->selectRow(0);
        test::doubleClickLine(*search.panContainer->lstRecords, 0);
        QVERIFY(!search.isVisible());
    });
    QCOMPARE(currentCard.numbers, loads ? QList<int>{2} : QList<int>{});
    if (loads)
        QCOMPARE(currentCard.cards[0], archiveCards[1]);
}

// The results are the summaries' list: a double-click on their empty area
// loads the selected result.
void TestSearchWindow::doubleClickBelowResultsLoadsTheSelectedOne()
{
    test::FakeCurrentCard currentCard;
    TfrmTrovaScadenze search(nullptr, &currentCard);
    search.lblMemory->setText(QStringLiteral("scadenze"));
    QList<int> selected;
    test::runModal(*m_platform, search, [&] {
        search.txtTipologia->setText(QStringLiteral("a"));
        pressCerca(search);
        QCOMPARE(test::listedCards(*search.panContainer).size(), 3);
        selected << test::listedCards(*search.panContainer)[1];
        search.panContainer->lstRecords->selectRow(1);
        test::doubleClickLine(*search.panContainer->lstRecords, -1);
        QVERIFY(!search.isVisible());
    });
    QCOMPARE(currentCard.numbers, selected);
}

QObject* makeSearchWindowTest() { return new TestSearchWindow; }

#include "search_window_tests.moc"
