// The home window, headless: the imminent list, the status pictures and the alert.
#include "app/home_window.h"
#include "archive/archive_file.h"
#include "fake_platform.h"
#include "file_permissions.h"
#include "list_limit.h"
#include "model_tester.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"

#include <QCalendarWidget>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace memora;
using memora::test::makeCard;
using memora::test::Restriction;
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
    void readOnlyArchiveIsListed_data();
    void readOnlyArchiveIsListed();
    void missingArchiveInReadOnlyFolder();
    void unreadableArchiveIsReported_data();
    void unreadableArchiveIsReported();
    void listCutShortKeepsTheAlert();
    void sparseArchiveFarLargerThanMemory_data();
    void sparseArchiveFarLargerThanMemory();
    void exitStopsTheSound();
    void typingInTheCalendarKeepsItsDay();

private:
    QStringList listedDates(TfrmAvvio& home) const;
    bool presentState(TfrmAvvio& home) const;
    // "present", "none", "neither" or "mixed": which pair of status pictures shows.
    QString statusShown(TfrmAvvio& home) const;
    // The messages shown so far, once the window has handled what it posted.
    QStringList shownMessages() const;
    void installSound() const;

    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestHomeWindow::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestHomeWindow::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
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

QString TestHomeWindow::statusShown(TfrmAvvio& home) const
{
    const bool presentPair = home.imgPresenti->isVisibleTo(&home) && home.imgScadenzeSI->isVisibleTo(&home);
    const bool nonePair = home.imgAssenti->isVisibleTo(&home) && home.imgScadenzeNO->isVisibleTo(&home);
    const int shown = int(home.imgPresenti->isVisibleTo(&home)) + int(home.imgScadenzeSI->isVisibleTo(&home))
                      + int(home.imgAssenti->isVisibleTo(&home)) + int(home.imgScadenzeNO->isVisibleTo(&home));
    if (shown == 0)
        return QStringLiteral("neither");
    if (shown == 2 && presentPair)
        return QStringLiteral("present");
    if (shown == 2 && nonePair)
        return QStringLiteral("none");
    return QStringLiteral("mixed");
}

QStringList TestHomeWindow::shownMessages() const
{
    QCoreApplication::processEvents();
    QStringList texts;
    for (const test::ShownMessage& message : m_platform->messages.shown)
        texts << (message.kind == MessageKind::Plain ? QStringLiteral("plain: ") : QStringLiteral("other: ")) + message.text;
    return texts;
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
    const test::ModelTester tester(home.lstRecords->model());
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
    const test::ModelTester tester(home.lstRecords->model());
    home.show();
    QVERIFY(presentState(home));
    home.hide();
    writeArchive(m_platform->archive(), {makeCard("09/03/2014", "0", flagFulfilled)});
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QVERIFY(!presentState(home));
    QCOMPARE(m_platform->sound.plays, 1);
}

void TestHomeWindow::readOnlyArchiveIsListed_data()
{
    QTest::addColumn<Restriction>("restriction");
    QTest::newRow("archive of mode 444") << Restriction::ReadOnlyFile;
    QTest::newRow("read-only folder, archive of mode 444") << Restriction::ReadOnlyFileAndFolder;
}

// The user may read the archive but not change it: the home window needs no
// more, and warns as it would anywhere else.
void TestHomeWindow::readOnlyArchiveIsListed()
{
    QFETCH(Restriction, restriction);
    installSound();
    writeArchive(m_platform->archive(), {makeCard("20/03/2014"), makeCard("09/03/2014")});
    const test::RestrictedArchive readOnly(m_platform->directory(), restriction);
    TfrmAvvio home;
    home.show();
    QCOMPARE(listedDates(home), QStringList("09/03/2014"));
    QCOMPARE(statusShown(home), QStringLiteral("present"));
    QCOMPARE(m_platform->sound.plays, 1);
    QCOMPARE(shownMessages(), QStringList());
}

// No archive, and none can be made: there is nothing due, and that is what
// the window says, without a message.
void TestHomeWindow::missingArchiveInReadOnlyFolder()
{
    installSound();
    const test::RestrictedArchive readOnly(m_platform->directory(), Restriction::ReadOnlyFolder);
    TfrmAvvio home;
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QCOMPARE(statusShown(home), QStringLiteral("none"));
    QCOMPARE(m_platform->sound.plays, 0);
    QCOMPARE(shownMessages(), QStringList());
    QVERIFY(!QFile::exists(m_platform->archive()));
}

void TestHomeWindow::unreadableArchiveIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("a directory in the archive's place") << "directory";
    QTest::newRow("archive of mode 000") << "mode 000";
}

// An archive that exists but cannot be read says nothing about what is due:
// the user is told, and no picture says there is nothing.
void TestHomeWindow::unreadableArchiveIsReported()
{
    QFETCH(QString, fault);
    installSound();
    std::optional<test::RestrictedArchive> unreadable;
    if (fault == u"directory") {
        QVERIFY(QDir(m_platform->directory()).mkdir(archiveFileName));
    } else {
        writeArchive(m_platform->archive(), {makeCard("09/03/2014")});
        unreadable.emplace(m_platform->directory(), Restriction::UnreadableFile);
    }
    TfrmAvvio home;
    home.show();
    QVERIFY(listedDates(home).isEmpty());
    QCOMPARE(statusShown(home), QStringLiteral("neither"));
    QCOMPARE(m_platform->sound.plays, 0);
    QCOMPARE(shownMessages(), QStringList(QStringLiteral("plain: ") + MsgArchivioInaccessibile));
}

// The list could hold only the first imminent card: that card is listed and
// sounds the alert, and the user is told that the list is not all.
void TestHomeWindow::listCutShortKeepsTheAlert()
{
    installSound();
    writeArchive(m_platform->archive(), {makeCard("20/03/2014"), makeCard("09/03/2014"), makeCard("08/03/2014")});
    const test::ListMemoryLimit oneLine(1);
    TfrmAvvio home;
    home.show();
    QCOMPARE(listedDates(home), QStringList("09/03/2014"));
    QCOMPARE(statusShown(home), QStringLiteral("present"));
    QCOMPARE(m_platform->sound.plays, 1);
    QCOMPARE(shownMessages(), QStringList(QStringLiteral("plain: ") + MsgArchivioInaccessibile));
}

void TestHomeWindow::sparseArchiveFarLargerThanMemory_data()
{
    constexpr qint64 terabyte = qint64(1) << 40;
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("cards");  // 0-based record indexes of the cards due yesterday
    QTest::addColumn<QList<int>>("listed");     // their card numbers
    QTest::addColumn<QString>("status");
    QTest::newRow("15 TB of holes") << 15 * terabyte << QList<qint64>{} << QList<int>{} << "none";
    QTest::newRow("a card, 2 TB of holes, a card")
        << 2 * terabyte << QList<qint64>{0, 2 * terabyte / recordSize - 1} << QList<int>{1, int(2 * terabyte / recordSize)}
        << "present";
}

// A sparse file of terabytes (a damaged disk, a mistaken copy) in the
// archive's place: the window starts at once, lists its cards, if any, with
// their numbers and says what they mean.
void TestHomeWindow::sparseArchiveFarLargerThanMemory()
{
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, cards);
    installSound();
    writeArchive(m_platform->archive(), {});
    if (!QFile::resize(m_platform->archive(), size))
        QSKIP("the file system of the temporary directory holds no sparse file of this size");
    {
        QFile file(m_platform->archive());
        QVERIFY(file.open(QIODevice::ReadWrite));
        for (const qint64 index : cards) {
            QVERIFY(file.seek(index * recordSize));
            file.write(encodeRecord(makeCard("09/03/2014")));
        }
    }
    TfrmAvvio home;
    home.show();
    QList<int> listed;
    for (const SummaryEntry& entry : home.lstRecords->lines().entries())
        listed << entry.cardNumber;
    QTEST(listed, "listed");
    QTEST(statusShown(home), "status");
    QCOMPARE(m_platform->sound.plays, cards.size() > 0 ? 1 : 0);
    QCOMPARE(shownMessages(), QStringList());
    QFile::remove(m_platform->archive());
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

// The day and month views read the calendar's day: a digit typed there
// opens no date editor of the calendar's own that would change it.
void TestHomeWindow::typingInTheCalendarKeepsItsDay()
{
    TfrmAvvio home;
    home.show();
    auto* days = home.calAppuntamenti->findChild<QTableView*>();
    QVERIFY(days);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_7);
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(home.calAppuntamenti->selectedDate(), QDate(2014, 3, 10));
    home.close();
}

QObject* makeHomeWindowTest() { return new TestHomeWindow; }

#include "tst_home_window.moc"
