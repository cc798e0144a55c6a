// The print and preview windows of the card: how they look, what confirming
// hands on, and that cancelling prints nothing.
#include "editor/card_editor.h"
#include "fake_platform.h"
#include "print/card_print_windows.h"
#include "print/report_layout.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {

std::unique_ptr<CardPrintWindow> openWindow(bool preview, QWidget* owner, CardSource card)
{
    if (preview)
        return std::make_unique<TfrmStartup>(owner, std::move(card));
    return std::make_unique<TfrmStampaScadenza>(owner, std::move(card));
}

QStringList pictureTexts(const QWidget& window)
{
    QStringList texts;
    for (const Picture* picture : window.findChildren<Picture*>())
        texts << picture->accessibleName();
    return texts;
}

}  // namespace

class TestCardPrintWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }
    void windowAsOpened_data();
    void windowAsOpened();
    void confirmingHandsOnTheCardAsItStands_data();
    void confirmingHandsOnTheCardAsItStands();
    void cancellingPrintsNothing_data();
    void cancellingPrintsNothing();
    void editorPrintsItsUnsavedCard_data();
    void editorPrintsItsUnsavedCard();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestCardPrintWindows::windowAsOpened_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("TfrmStampaScadenza")
        << false << " Stampa scheda" << "Stampa"
        << "Stampa scheda\nQuesta operazione provveder\u00e0 a stampare la scheda corrente su carta con i dati "
           "immessi dall'utente."
        << "Premere il pulsante Stampa per dare avvio alla stampa oppure premere Annulla per annullare l'operazione.";
    QTest::newRow("TfrmStartup")
        << true << " Anteprima di stampa" << "Mostra anteprima"
        << "Anteprima di stampa\nQuesta operazione consente di visualizzare in anteprima i dati che appariranno in "
           "stampa."
        << "Fare clic su Mostra anteprima per visualizzare il documento sullo schermo prima di eseguire la stampa su "
           "carta.";
}

void TestCardPrintWindows::windowAsOpened()
{
    QFETCH(bool, preview);
    QFETCH(QString, caption);
    QFETCH(QString, confirm);
    QFETCH(QString, heading);
    QFETCH(QString, instruction);
    QWidget editor;
    const auto window = openWindow(preview, &editor, {});
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(364, 287));
    QCOMPARE(window->parentWidget(), &editor);
    QVERIFY(!(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    QCOMPARE(window->btnAnnulla->text(), QStringLiteral("Annulla"));
    QCOMPARE(window->btnStampa->text(), confirm);
    QVERIFY(window->btnAnnulla->x() < window->btnStampa->x());
    const QStringList texts = pictureTexts(*window);
    QVERIFY2(texts.contains(heading) && texts.contains(instruction), qPrintable(texts.join(QLatin1Char('|'))));
}

void TestCardPrintWindows::confirmingHandsOnTheCardAsItStands_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("print") << false;
    QTest::newRow("preview") << true;
}

void TestCardPrintWindows::confirmingHandsOnTheCardAsItStands()
{
    QFETCH(bool, preview);
    m_platform->clock.time = QTime(23, 59, 59);
    CardControls card;
    card.txtCausale = QStringLiteral("Bollo auto");
    const auto window = openWindow(preview, nullptr, [&card] { return card; });
    m_platform->modal.inside = [&](QDialog&) {
        card.txtCausale = QStringLiteral("Bollo moto");  // changed while the window is open
        window->btnStampa->click();
    };
    m_platform->modal.run(*window);

    FakePrinting& printing = m_platform->printing;
    QCOMPARE(printing.dialogs, preview ? 0 : 1);
    QCOMPARE(printing.previewed.size(), preview ? 1u : 0u);
    const ReportDocument& page = preview ? printing.previewed.at(0) : printing.printed.at(0);
    QCOMPARE(page.name, QStringLiteral("Scheda Scadenza"));
    QCOMPARE(page.orientation, QPageLayout::Portrait);
    QCOMPARE(placedLine(page.pages.at(0), QStringLiteral("txtCausale")).text, QStringLiteral("Bollo moto"));
    QCOMPARE(placedLine(page.pages.at(0), QStringLiteral("txtCalce")).text,
             QStringLiteral("Stampa eseguita in data 10/03/2014 alle ore 23:59:59"));
    QCOMPARE(window->result(), int(QDialog::Accepted));
    QVERIFY(!window->isVisible());
}

void TestCardPrintWindows::cancellingPrintsNothing_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("inDialog");  // cancelled in the print dialog rather than with Annulla
    QTest::newRow("Annulla in TfrmStampaScadenza") << false << false;
    QTest::newRow("Annulla in TfrmStartup") << true << false;
    QTest::newRow("print dialog cancelled") << false << true;
}

void TestCardPrintWindows::cancellingPrintsNothing()
{
    QFETCH(bool, preview);
    QFETCH(bool, inDialog);
    m_platform->printing.confirm = false;
    const auto window = openWindow(preview, nullptr, [] { return CardControls(); });
    m_platform->modal.inside = [&](QDialog&) { (inDialog ? window->btnStampa : window->btnAnnulla)->click(); };
    m_platform->modal.run(*window);

    QCOMPARE(m_platform->printing.dialogs, inDialog ? 1 : 0);
    QVERIFY(m_platform->printing.printed.empty());
    QVERIFY(m_platform->printing.previewed.empty());
    QVERIFY(!window->isVisible());  // the window closes either way
}

void TestCardPrintWindows::editorPrintsItsUnsavedCard_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cmdStampa") << false << " Stampa scheda";
    QTest::newRow("cmdAnteprima") << true << " Anteprima di stampa";
}

void TestCardPrintWindows::editorPrintsItsUnsavedCard()
{
    QFETCH(bool, preview);
    QFETCH(QString, caption);
    TSchedaScadenza stored = makeCard(QStringLiteral("12/03/2014"));
    writeArchive(m_platform->archive(), {stored});
    const QByteArray archive = readBytes(m_platform->archive());
    TfrmArchivio_Scadenze editor;
    editor.CaricaScheda(stored, 1);
    editor.txtOreApp->setEditText(QStringLiteral("07"));
    editor.txtMinutiApp->setEditText(QStringLiteral("05"));
    editor.txtCausale->setText(QStringLiteral(" Bollo [auto] "));
    editor.txtNote->setText(QStringLiteral("Non salvata"));
    editor.chkOttemperata->setChecked(true);
    m_platform->modal.inside = [&](QDialog& dialog) {
        auto* window = qobject_cast<CardPrintWindow*>(&dialog);
        QVERIFY(window && window->parentWidget() == &editor);
        window->btnStampa->click();
    };
    (preview ? editor.cmdAnteprima : editor.cmdStampa)->click();

    QCOMPARE(m_platform->modal.shownTitles, QStringList{caption});
    const auto& delivered = preview ? m_platform->printing.previewed : m_platform->printing.printed;
    QCOMPARE(delivered.size(), 1u);
    const ReportPage& page = delivered.front().pages.at(0);
    QCOMPARE(placedLine(page, QStringLiteral("txtData")).text, QStringLiteral("12/03/2014"));
    QCOMPARE(placedLine(page, QStringLiteral("txtOra")).text, QStringLiteral("07:05"));
    QCOMPARE(placedLine(page, QStringLiteral("txtCausale")).text, QStringLiteral("Bollo [auto]"));
    QCOMPARE(placedLine(page, QStringLiteral("txtContatto")).text, stored.Contatto);
    QCOMPARE(placedLine(page, QStringLiteral("txtNote")).text, QStringLiteral("Non salvata"));
    QCOMPARE(placedLine(page, QStringLiteral("txtOttemperata")).text, QStringLiteral("S\u00ec"));
    QCOMPARE(readBytes(m_platform->archive()), archive);  // printing saves nothing
}

QObject* makeCardPrintWindowTest() { return new TestCardPrintWindows; }

#include "tst_card_print_windows.moc"
