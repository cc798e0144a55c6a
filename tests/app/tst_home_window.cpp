// The home window, headless: the imminent list, the status pictures and the alert.
#include "app/home_window.h"
#include "archive/archive_file.h"
#include "fake_platform.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"

#include <QCalendarWidget>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QTest>

using namespace memora;
using memora::test::makeCard;
using memora::test::writeArchive;

class TestHomeWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowAtCreation();
    void firstStartCreatesEmptyArchive();
    void noImminentCards();
    void imminentCardsInArchiveOrder();
    void damagedCardHidesNothing();
    void missingSoundOnlyMeansSilence();
    void showingAgainRebuilds();
    void emptyingTheListOnNewShowing();
    void unreadableArchiveKeepsWhatWasShown();
    void exitStopsTheSound();

private:
    QStringList listedDates(TfrmAvvio& home) const;
    bool presentState(TfrmAvvio& home) const;
    void installSound() const;

    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestHomeWindow::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestHomeWindow::cleanup()
{
    m_platform.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || std::none_of(QApplication::topLevelWidgets().begin(),
                QApplication::topLevelWidgets().end(), [](QWidget* w) { return w->isVisible(); }));
}

QStringList TestHomeWindow::listedDates(TfrmAvvio& home) const
{
    QStringList dates;
    for (const SummaryEntry& entry : home.lstRecords->lines().entries())
        dates << entry.line.mid(6, 10).toString();
    return dates;
}

bool TestHomeWindow::presentState(TfrmAvvio& home) const
{
    const bool present = home.imgPresenti->isVisibleTo(&home);
    // The two pictures of a state always go together, the other pair hidden.
    if (home.imgScadenzeSI->isVisibleTo(&home) != present || home.imgAssenti->isVisibleTo(&home) == present
        || home.imgScadenzeNO->isVisibleTo(&home) == present)
        qFatal("the status pictures disagree");
    return present;
}

void TestHomeWindow::installSound() const
{
    QVERIFY(QFile::copy(QStringLiteral(ALERT_SOUND), m_platform->directory() + QStringLiteral("/Avviso.mp3")));
}

void TestHomeWindow::windowAtCreation()
{
    TfrmAvvio home;
    QCOMPARE(home.windowTitle(), QStringLiteral(" Memora"));
    QCOMPARE(home.size(), QSize(988, 660));
    QCOMPARE(home.calAppuntamenti->selectedDate(), QDate(2014, 3, 10));
    QVERIFY(!presentState(home));
    QCOMPARE(home.imgPresenti->accessibleName(), QStringLiteral("Ci sono scadenze!"));
    QCOMPARE(home.imgAssenti->accessibleName(), QStringLiteral("Non ci sono scadenze!"));
    QCOMPARE(home.btnArchivio->accessibleName(), QStringLiteral("APRI ARCHIVIO"));
    QCOMPARE(home.btnExcel->accessibleName(), QStringLiteral("Esporta in Excel"));
    QVERIFY(!home.btnCaricaLista->isVisibleTo(&home));
    QVERIFY(!QFile::exists(m_platform->archive()));  // nothing is read before the window is shown
}

void TestHomeWindow::firstStartCreatesEmptyArchive()
{
    installSound();
    TfrmAvvio home;
    home.show();
    QVERIFY(QFile::exists(m_platform->archive()));
    QCOMPARE(QFileInfo(m_platform->archive()).size(), 0);
    QCOMPARE(home.lstRecords->model()->rowCount(), 0);
    QVERIFY(!presentState(home));
    QCOMPARE(m_platform->sound.plays, 0);
}

void TestHomeWindow::noImminentCards()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("20/03/2014", "2"), makeCard("01/03/2014", "0", flagFulfilled)});
    TfrmAvvio home;
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QVERIFY(!presentState(home));
    QCOMPARE(m_platform->sound.plays, 0);
}

void TestHomeWindow::imminentCardsInArchiveOrder()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("20/03/2014", "10"), makeCard("01/05/2014", "3"),
                                         makeCard("05/03/2014"), makeCard("12/03/2014", "2")});
    TfrmAvvio home;
    home.show();
    QCOMPARE(listedDates(home), QStringList({"20/03/2014", "05/03/2014", "12/03/2014"}));
    QVERIFY(presentState(home));
    QCOMPARE(m_platform->sound.loaded, QStringList(m_platform->directory() + QStringLiteral("/Avviso.mp3")));
    QCOMPARE(m_platform->sound.plays, 1);
    const QModelIndex first = home.lstRecords->model()->index(0, 0);
    QCOMPARE(first.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
    QCOMPARE(first.data(Qt::FontRole).value<QFont>().pointSize(), 14);
    QCOMPARE(first.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QCOMPARE(first.data(Qt::SizeHintRole).toSize().width(), 1600);
    QCOMPARE(home.lstRecords->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestHomeWindow::damagedCardHidesNothing()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("20/03/2014", "10"), makeCard("01/03/2014", "0", flagFulfilled),
                                         makeCard("01/03/2014", ""), makeCard("12/03/2014", "2")});
    TfrmAvvio home;
    home.show();
    QCOMPARE(listedDates(home), QStringList({"20/03/2014", "12/03/2014"}));
    QVERIFY(presentState(home));
    QCOMPARE(m_platform->sound.plays, 1);
}

void TestHomeWindow::missingSoundOnlyMeansSilence()
{
    writeArchive(m_platform->archive(), {makeCard("05/03/2014")});
    TfrmAvvio home;
    home.show();
    QCOMPARE(listedDates(home), QStringList("05/03/2014"));
    QVERIFY(presentState(home));
    QCOMPARE(m_platform->sound.loaded.size(), 1);
    QCOMPARE(m_platform->sound.plays, 0);
}

// Coming back from the editor shows the window again: the list, the pictures
// and the alert follow the archive as it is now.
void TestHomeWindow::showingAgainRebuilds()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("05/03/2014")});
    TfrmAvvio home;
    home.show();
    QCOMPARE(m_platform->sound.plays, 1);
    home.hide();
    writeArchive(m_platform->archive(), {makeCard("05/03/2014"), makeCard("06/03/2014")});
    home.show();
    QCOMPARE(listedDates(home), QStringList({"05/03/2014", "06/03/2014"}));
    QCOMPARE(m_platform->sound.plays, 2);
}

void TestHomeWindow::emptyingTheListOnNewShowing()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("09/03/2014")});
    TfrmAvvio home;
    home.show();
    QVERIFY(presentState(home));
    home.hide();
    writeArchive(m_platform->archive(), {makeCard("09/03/2014", "0", flagFulfilled)});
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QVERIFY(!presentState(home));
    QCOMPARE(m_platform->sound.plays, 1);
}

// The archive's name taken by a directory: nothing can be read, nothing is
// shown, the pictures stay as they were and no sound plays.
void TestHomeWindow::unreadableArchiveKeepsWhatWasShown()
{
    installSound();
    QVERIFY(QDir(m_platform->directory()).mkdir(archiveFileName));
    TfrmAvvio home;
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QVERIFY(!presentState(home));
    QCOMPARE(m_platform->sound.plays, 0);
}

void TestHomeWindow::exitStopsTheSound()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("05/03/2014")});
    TfrmAvvio home;
    home.show();
    home.imgEsci->click();
    QVERIFY(!home.isVisible());
    QCOMPARE(m_platform->sound.stops, 1);
}

QTEST_MAIN(TestHomeWindow)
#include "tst_home_window.moc"
