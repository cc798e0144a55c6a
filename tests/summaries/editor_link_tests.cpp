// The whole road with the real card editor, from it into the summaries and
// the search and back: a chosen line's card in the editor, fulfilled and
// saved, leaves the home list. The windows themselves are tested against a
// fake of the current card.
#include "app/home_window.h"
#include "editor/card_editor.h"
#include "editor_controls.h"
#include "summaries/search_window.h"
#include "summaries/summary_panel.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"
#include "window_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace memora;
using memora::test::makeCard;
using memora::test::writeArchive;

namespace {

TSchedaScadenza reasonCard(const QString& date, const QString& reason)
{
    return makeCard(date, QStringLiteral("0"), flagPending, reason);
}

// Two cards that render to the same line: their reasons differ only after
// the 54th character.
const QString sharedReason = QString(54, u'r');

PictureButton* editorButton(TfrmArchivio_Scadenze& editor, const QString& name)
{
    return editor.findChild<PictureButton*>(name, Qt::FindDirectChildrenOnly);
}

}  // namespace

class TestEditorLink : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void equalLinesLoadTheirOwnCards_data();
    void equalLinesLoadTheirOwnCards();
    void fulfilledCardLeavesTheHomeList_data();
    void fulfilledCardLeavesTheHomeList();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestEditorLink::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestEditorLink::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

void TestEditorLink::equalLinesLoadTheirOwnCards_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("number");
    QTest::newRow("the first card of the line")  << 0 << sharedReason + "AAA" << "1";
    QTest::newRow("the second card of the line") << 1 << sharedReason + "BBB" << "2";
}

void TestEditorLink::equalLinesLoadTheirOwnCards()
{
    QFETCH(int, row);
    writeArchive(m_platform->archive(), {reasonCard("01/01/2014", sharedReason + "AAA"),
                                         reasonCard("01/01/2014", sharedReason + "BBB")});
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    editor.show();
    m_platform->modal.inside = [row](QDialog& window) {
        SummaryList& list = *static_cast<SummaryWindow&>(window).panContainer->lstRecords;
        list.selectRow(row);
        test::doubleClickLine(list, row);
    };
    form.cmdDaAssolvere->click();
    QTEST(form.txtCausale->text(), "reason");
    QTEST(form.lblPosizione->text(), "number");
    editor.hide();
}

void TestEditorLink::fulfilledCardLeavesTheHomeList_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("from the summary") << "cmdDaAssolvere";
    QTest::newRow("from the search")  << "cmdTrova";
}

// Open a list from the editor, double-click a line, tick Impegno assolto,
// save, close the editor: the home list no longer holds the card.
void TestEditorLink::fulfilledCardLeavesTheHomeList()
{
    QFETCH(QString, button);
    writeArchive(m_platform->archive(), {reasonCard("01/03/2014", "Rata mutuo"), reasonCard("05/03/2014", "Bollo auto")});
    TfrmAvvio home;
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    home.setEditor(&editor);
    editor.setHome(&home);
    home.show();
    QCOMPARE(home.lstRecords->model()->rowCount(), 2);
    home.appApriArchivio->click();
    QVERIFY(editor.isVisible());

    m_platform->modal.inside = [](QDialog& window) {
        SummaryPanel& panel = *static_cast<SummaryWindow&>(window).panContainer;
        if (auto* search = qobject_cast<TfrmTrovaScadenze*>(&window)) {
            search->txtCausale->setText(QStringLiteral("bollo"));
            search->btnCerca->click();
        }
        QTest::keyClicks(panel.txtTrova, QStringLiteral("BOLLO"));
        panel.btnTrova->click();
        test::doubleClickLine(*panel.lstRecords, panel.lstRecords->selectedRow());
    };
    editorButton(editor, button)->click();
    m_platform->modal.inside = nullptr;
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(form.txtCausale->text(), QStringLiteral("Bollo auto"));

    form.chkOttemperata->setChecked(true);
    form.cmdSalva->click();
    QCOMPARE(m_platform->messages.shown.last().text,
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    form.cmdEsci->click();
    QVERIFY(home.isVisible());
    QCOMPARE(home.lstRecords->model()->rowCount(), 1);
    QVERIFY(home.lstRecords->lines().entries()[0].line.contains(QStringLiteral("Rata mutuo")));
    home.hide();
}

QObject* makeEditorLinkTest() { return new TestEditorLink; }

#include "editor_link_tests.moc"
