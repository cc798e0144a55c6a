// The print and preview windows of the card: how they look, what confirming
// hands on, and that cancelling prints nothing. The card they print is a
// fake of the current card.
#include "fake_current_card.h"
#include "fake_platform.h"
#include "print/card_print_windows.h"
#include "print/report_layout.h"
#include "print_tests.h"
#include "report_probe.h"

#include <QPushButton>
#include <QTest>

using namespace memora;
using namespace memora::test;

namespace {

std::unique_ptr<CardPrintWindow> openWindow(bool preview, QWidget* owner, const CurrentCard* card)
{
    if (preview)
        return std::make_unique<TfrmStartup>(owner, card);
    return std::make_unique<TfrmStampaScadenza>(owner, card);
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
    const auto window = openWindow(preview, &editor, nullptr);
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
    FakeCurrentCard card;
    card.controls.txtCausale = QStringLiteral("Bollo auto");
    const auto window = openWindow(preview, nullptr, &card);
    m_platform->modal.inside = [&](QDialog&) {
        card.controls.txtCausale = QStringLiteral("Bollo moto");  // changed while the window is open
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
    const FakeCurrentCard card;
    const auto window = openWindow(preview, nullptr, &card);
    m_platform->modal.inside = [&](QDialog&) { (inDialog ? window->btnStampa : window->btnAnnulla)->click(); };
    m_platform->modal.run(*window);

    QCOMPARE(m_platform->printing.dialogs, inDialog ? 1 : 0);
    QVERIFY(m_platform->printing.printed.empty());
    QVERIFY(m_platform->printing.previewed.empty());
    QVERIFY(!window->isVisible());  // the window closes either way
}

QObject* makeCardPrintWindowTest() { return new TestCardPrintWindows; }

#include "tst_card_print_windows.moc"
