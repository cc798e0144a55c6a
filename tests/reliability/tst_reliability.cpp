// Faults from outside the program, and copies of it sharing one archive:
// damaged records through every list, a program folder where nothing can be
// created, a sparse archive of terabytes, an alert sound that is no sound, an
// export that fails part way, and several processes appending, overwriting
// and scanning at once. Each
// ends in the message the user is due or in silence, with no crash, no
// partial record and no card lost.
#include "app/home_window.h"
#include "archive/archive_file.h"
#include "editor/card_editor.h"
#include "editor_controls.h"
#include "export/export_grid.h"
#include "export/export_view.h"
#include "export/grid_export.h"
#include "fake_current_card.h"
#include "fake_platform.h"
#include "file_size_limit.h"
#include "list_limit.h"
#include "stress_card.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"
#include "summaries/summary_panel.h"
#include "test_runner.h"
#include "widgets/picture.h"
#include "widgets/summary_list.h"
#include "window_helpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <functional>

using namespace memora;
using memora::test::FileSizeLimit;
using memora::test::filesIn;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::writeArchive;
using memora::test::writeBytes;

namespace {

using ShownMessages = QList<QPair<MessageKind, QString>>;

// Three good cards among records that were never written whole: four of
// zeros (as a crash or a lost write can leave them), one of 0xFF bytes whose
// every length byte is over its field's capacity, and the first 700 bytes of
// a record at the end. Today is 10/03/2014.
//   card 1  due 05/03/2014, notice 0, "No"   imminent, to fulfil, expired
//   card 4  due 01/03/2014, "Sì"             fulfilled
//   card 6  due 15/03/2014, notice 10, "No"  imminent, to fulfil
QByteArray damagedArchive()
{
    const QByteArray zeros(recordSize, '\0');
    QByteArray bytes;
    bytes += encodeRecord(makeCard("05/03/2014", "0", flagPending, "Rata mutuo"));
    bytes += zeros + zeros;
    bytes += encodeRecord(makeCard("01/03/2014", "0", flagFulfilled, "Bollo auto"));
    bytes += zeros;
    bytes += encodeRecord(makeCard("15/03/2014", "10", flagPending, "Assicurazione"));
    bytes += zeros;
    bytes += QByteArray(recordSize, char(0xFF));
    bytes += encodeRecord(makeCard("20/03/2014")).left(700);
    return bytes;
}

const QString ffReason = QString(250, QChar(0xFF));

// The program folder at a place where nothing can be made: its parent is a
// regular file.
class UnusableDirectory : public ProgramDirectory {
public:
    explicit UnusableDirectory(QString path) : m_path(std::move(path)) {}
    QString path() const override { return m_path; }

private:
    QString m_path;
};

QStringList gridReasons(ExportView& view)
{
    QStringList reasons;
    for (int row = 0; row < view.grid().rowCount(); ++row)
        reasons << view.grid().text(row, colCausale);
    return reasons;
}

std::unique_ptr<ExportView> makeView(const QString& name)
{
    const QDate day(2014, 3, 5);
    if (name == u"TfrmExpScadenzario")
        return std::make_unique<TfrmExpScadenzario>();
    if (name == u"TfrmExpImminenti")
        return std::make_unique<TfrmExpImminenti>();
    if (name == u"TfrmExpGiornaliere")
        return std::make_unique<TfrmExpGiornaliere>(nullptr, day);
    return std::make_unique<TfrmExpMensili>(nullptr, day);
}

// What a user does in one window: makes it, acts in it and checks what it
// shows.
using FolderAction = std::function<void()>;

// A new card typed into the editor, then command on it: the card stays in the
// fields, with no card number.
FolderAction onNewCard(const std::function<void(const test::EditorControls&)>& command)
{
    return [command] {
        TfrmArchivio_Scadenze editor;
        const test::EditorControls form(editor);
        editor.show();
        form.txtData->setText(QStringLiteral("12/03/2014"));
        form.txtTipologia->setText(QStringLiteral("Pagamento"));
        form.txtCausale->setText(QStringLiteral("Rata"));
        command(form);
        QCOMPARE(form.lblPosizione->text(), QString());
        QCOMPARE(form.txtCausale->text(), QStringLiteral("Rata"));
        editor.hide();
    };
}

std::unique_ptr<SummaryWindow> makeSummary(const QString& name, CurrentCard* card = nullptr)
{
    if (name == u"TfrmConfermati")
        return std::make_unique<TfrmConfermati>(nullptr, card);
    if (name == u"TfrmScaduti")
        return std::make_unique<TfrmScaduti>(nullptr, card);
    if (name == u"TfrmAssolti")
        return std::make_unique<TfrmAssolti>(nullptr, card);
    return std::make_unique<TfrmTrovaScadenze>(nullptr, card);
}

// Something done to the archive at path behind the program's back.
using ArchiveChange = std::function<void(const QString& path)>;

}  // namespace

Q_DECLARE_METATYPE(FolderAction)
Q_DECLARE_METATYPE(ArchiveChange)

class TestReliability : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void damagedRecordsHideNoCard_data();
    void damagedRecordsHideNoCard();
    void damagedRecordsInTheEditor();
    void programFolderCannotHoldFiles_data();
    void programFolderCannotHoldFiles();
    void chosenCardThatCannotBeReadIsReported_data();
    void chosenCardThatCannotBeReadIsReported();
    void hugeSparseArchive_data();
    void hugeSparseArchive();
    void alertSoundThatIsNoSound_data();
    void alertSoundThatIsNoSound();
    void exportFailingPartWay();
    void sharedFolderStress();

private:
    // The texts of Causale of what a window lists, top to bottom.
    QStringList listedReasons(const QString& window, const QString& criterion);
    ShownMessages messages() const;

    std::unique_ptr<test::FakePlatform> m_platform;
};

void TestReliability::init() { m_platform = std::make_unique<test::FakePlatform>(); }

void TestReliability::cleanup()
{
    m_platform.reset();
    QVERIFY(!test::anyWindowShown());
}

ShownMessages TestReliability::messages() const
{
    ShownMessages shown;
    for (const test::ShownMessage& message : m_platform->messages.shown)
        shown.append({message.kind, message.text});
    return shown;
}

QStringList TestReliability::listedReasons(const QString& window, const QString& criterion)
{
    if (window == u"TfrmAvvio") {
        TfrmAvvio home;
        home.show();
        QCoreApplication::processEvents();
        QStringList reasons;
        for (const SummaryEntry& entry : home.lstRecords->lines().entries())
            reasons << entry.line.mid(39, 54).trimmed().toString();
        home.close();
        return reasons;
    }
    if (window.startsWith(u"TfrmExp")) {
        const std::unique_ptr<ExportView> view = makeView(window);
        view->show();
        QCoreApplication::processEvents();
        const QStringList reasons = gridReasons(*view);
        view->close();
        return reasons;
    }
    const std::unique_ptr<SummaryWindow> summary = makeSummary(window);
    QStringList reasons;
    test::runModal(*m_platform, *summary, [&] {
        if (auto* search = qobject_cast<TfrmTrovaScadenze*>(summary.get())) {
            search->txtCausale->setText(criterion);
            search->btnCercaClick();
        }
        QCoreApplication::processEvents();
        for (const SummaryEntry& entry : summary->panContainer->lstRecords->lines().entries())
            reasons << entry.line.mid(39, 54).trimmed().toString();
    });
    return reasons;
}

void TestReliability::damagedRecordsHideNoCard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("criterion");  // of the search, in Causale
    QTest::addColumn<QStringList>("reasons");
    const QString a = QStringLiteral("Rata mutuo");
    const QString b = QStringLiteral("Bollo auto");
    const QString c = QStringLiteral("Assicurazione");
    const QString blank;
    const QString ff = ffReason.left(54);
    QTest::newRow("home, imminent in file order") << "TfrmAvvio" << "" << QStringList{a, c};
    QTest::newRow("to fulfil") << "TfrmConfermati" << "" << QStringList{a, c};
    QTest::newRow("expired") << "TfrmScaduti" << "" << QStringList{a};
    QTest::newRow("fulfilled") << "TfrmAssolti" << "" << QStringList{b};
    QTest::newRow("search without criteria: every record")
        << "TfrmTrovaScadenze" << "" << QStringList{blank, blank, blank, blank, b, a, c, ff};
    QTest::newRow("search by reason") << "TfrmTrovaScadenze" << "A" << QStringList{b, a, c};
    QTest::newRow("export, whole archive: every record in order")
        << "TfrmExpScadenzario" << "" << QStringList{a, blank, blank, b, blank, c, blank, ffReason};
    QTest::newRow("export, imminent") << "TfrmExpImminenti" << "" << QStringList{a, c};
    QTest::newRow("export, day 05/03/2014") << "TfrmExpGiornaliere" << "" << QStringList{a};
    QTest::newRow("export, month 03/2014") << "TfrmExpMensili" << "" << QStringList{b, a, c};
}

// Records of zeros, of 0xFF bytes and a cut-off tail neither stop a list nor
// hide the good cards after them; nothing is reported and nothing written.
void TestReliability::damagedRecordsHideNoCard()
{
    QFETCH(QString, window);
    QFETCH(QString, criterion);
    const QByteArray archive = damagedArchive();
    writeBytes(m_platform->archive(), archive);

    QTEST(listedReasons(window, criterion), "reasons");
    QVERIFY(m_platform->messages.shown.isEmpty());
    QCOMPARE(readBytes(m_platform->archive()), archive);
}

// The editor walks over the damaged records as over empty cards, and a new
// card goes after the last whole record, in place of the cut-off tail.
void TestReliability::damagedRecordsInTheEditor()
{
    const QByteArray archive = damagedArchive();
    writeBytes(m_platform->archive(), archive);
    TfrmArchivio_Scadenze editor;
    const test::EditorControls form(editor);
    editor.show();

    form.cmdPrimo->click();
    form.cmdAvanti->click();
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(form.txtCausale->text(), QString());
    form.cmdUltimo->click();
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("8"));
    QCOMPARE(form.txtCausale->text(), ffReason.left(form.txtCausale->maxLength()));
    QVERIFY(messages().isEmpty());

    form.cmdNuovo->click();
    form.txtData->setText(QStringLiteral("12/03/2014"));
    form.txtTipologia->setText(QStringLiteral("Pagamento"));
    form.txtCausale->setText(QStringLiteral("Nuova"));
    form.cmdSalva->click();
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages().front().first, MessageKind::Information);
    QCOMPARE(form.lblPosizione->text(), QStringLiteral("9"));
    const QByteArray after = readBytes(m_platform->archive());
    QCOMPARE(after.size(), 9 * recordSize);
    QCOMPARE(after.left(8 * recordSize), archive.left(8 * recordSize));
    QCOMPARE(decodeRecord(after.constData() + 8 * recordSize).Causale, QStringLiteral("Nuova"));
    editor.hide();
}

void TestReliability::programFolderCannotHoldFiles_data()
{
    QTest::addColumn<FolderAction>("action");
    QTest::addColumn<ShownMessages>("expected");
    const ShownMessages none;
    const ShownMessages editorFailure = {{MessageKind::Error, MsgArchivioInaccessibile}};
    const ShownMessages emptyArchive = {
        {MessageKind::Information, QStringLiteral("L'archivio non contiene nessuna scheda.")}};
    const FolderAction home = [this] {
        TfrmAvvio window;
        window.show();
        QCOMPARE(window.lstRecords->lines().rowCount(), 0);
        QCOMPARE(m_platform->sound.plays, 0);
        window.close();
    };
    const auto listed = [this](const char* window) -> FolderAction {
        return [this, window] { QCOMPARE(listedReasons(window, {}), QStringList()); };
    };
    const auto inEmptyView = [this](const std::function<void(ExportView&)>& act) -> FolderAction {
        return [this, act] {
            TfrmExpScadenzario view;
            view.show();
            QCOMPARE(view.grid().rowCount(), 0);
            act(view);
            QVERIFY(m_platform->desktop.opened.isEmpty());
            view.close();
        };
    };
    QTest::newRow("home window: empty list, silence") << home << none;
    QTest::newRow("editor: saving a new card")
        << onNewCard([](const test::EditorControls& form) { form.cmdSalva->click(); }) << editorFailure;
    QTest::newRow("editor: first card of an empty archive")
        << onNewCard([](const test::EditorControls& form) { form.cmdPrimo->click(); }) << emptyArchive;
    QTest::newRow("summary: empty list, silence") << listed("TfrmConfermati") << none;
    QTest::newRow("search: empty list, silence") << listed("TfrmTrovaScadenze") << none;
    QTest::newRow("export view: empty grid, silence") << inEmptyView([](ExportView&) {}) << none;
    QTest::newRow("export") << inEmptyView([](ExportView& view) { view.cmdEsporta->click(); })
                            << ShownMessages{{MessageKind::Plain, MsgEsportazioneImpossibile}};
}

// The program runs from a folder that cannot exist (its parent is a file):
// no archive can be there, so every list is empty, as the archive is; saving
// ends in its message, and nothing is made.
void TestReliability::programFolderCannotHoldFiles()
{
    QFETCH(FolderAction, action);
    const QString blocker = QDir(m_platform->directory()).filePath(QStringLiteral("un_file"));
    writeBytes(blocker, "resta");
    memora::platform().directory = std::make_unique<UnusableDirectory>(blocker + QStringLiteral("/memora"));

    action();
    if (QTest::currentTestFailed())
        return;
    QTEST(messages(), "expected");
    QVERIFY(QFileInfo(blocker).isFile());
    QCOMPARE(readBytes(blocker), QByteArray("resta"));
}

void TestReliability::chosenCardThatCannotBeReadIsReported_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<ArchiveChange>("change");
    const ArchiveChange emptied = [](const QString& path) { QVERIFY(QFile::resize(path, 0)); };
    const ArchiveChange replacedByFolder = [](const QString& path) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    };
    for (const char* window : {"TfrmConfermati", "TfrmScaduti", "TfrmAssolti", "TfrmTrovaScadenze"}) {
        QTest::addRow("%s, the archive emptied", window) << window << emptied;
        QTest::addRow("%s, a directory in the archive's place", window) << window << replacedByFolder;
    }
}

// The listed card can no longer be read when its line is chosen (another
// copy of the program, or the user, changed the file meanwhile): the user is
// told, nothing reaches the editor, and the window closes as always.
void TestReliability::chosenCardThatCannotBeReadIsReported()
{
    QFETCH(QString, window);
    QFETCH(ArchiveChange, change);
    writeArchive(m_platform->archive(), {makeCard("05/03/2014", "0", flagPending, "Rata mutuo"),
                                         makeCard("01/03/2014", "0", flagFulfilled, "Bollo auto")});
    test::FakeCurrentCard editor;
    const std::unique_ptr<SummaryWindow> summary = makeSummary(window, &editor);
    test::runModal(*m_platform, *summary, [&] {
        if (auto* search = qobject_cast<TfrmTrovaScadenze*>(summary.get())) {
            search->lblMemory->setText(QStringLiteral("scadenze"));
            search->btnCercaClick();
        }
        QCoreApplication::processEvents();
        QVERIFY(summary->panContainer->lstRecords->model()->rowCount() > 0);
        change(m_platform->archive());
        summary->panContainer->lstRecords->selectRow(0);
        test::doubleClickLine(*summary->panContainer->lstRecords, 0);
        QVERIFY(!summary->isVisible());
    });
    QCOMPARE(messages(), ShownMessages({{MessageKind::Plain, MsgArchivioInaccessibile}}));
    QVERIFY(editor.numbers.isEmpty());
}

void TestReliability::hugeSparseArchive_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("criterion");  // of the search, in Causale
    QTest::addColumn<QStringList>("reasons");  // for the lists the archive fits in
    QTest::addColumn<bool>("cutShort");        // the list holds what fits and says so
    const QStringList one{QStringLiteral("Rata mutuo")};
    QTest::newRow("to fulfil") << "TfrmConfermati" << "" << one << false;
    QTest::newRow("expired") << "TfrmScaduti" << "" << one << false;
    QTest::newRow("fulfilled") << "TfrmAssolti" << "" << QStringList() << false;
    QTest::newRow("search by reason") << "TfrmTrovaScadenze" << "Rata" << one << false;
    QTest::newRow("search of every record") << "TfrmTrovaScadenze" << "" << QStringList() << true;
    QTest::newRow("export, imminent") << "TfrmExpImminenti" << "" << one << false;
    QTest::newRow("export, day 05/03/2014") << "TfrmExpGiornaliere" << "" << one << false;
    QTest::newRow("export, month 03/2014") << "TfrmExpMensili" << "" << one << false;
    QTest::newRow("export, whole archive") << "TfrmExpScadenzario" << "" << QStringList() << true;
}

// One card, then 15 TB of holes (a sparse file, as a damaged disk or a
// mistaken copy can leave): every list that keeps no empty record finds the
// card at once; the lists of every record hold what their memory allows
// (here 16 MiB), keep it, and say that the list is not the whole archive.
void TestReliability::hugeSparseArchive()
{
    QFETCH(QString, window);
    QFETCH(QString, criterion);
    QFETCH(bool, cutShort);
    writeArchive(m_platform->archive(), {makeCard("05/03/2014", "0", flagPending, "Rata mutuo")});
    if (!QFile::resize(m_platform->archive(), qint64(15) << 40))
        QSKIP("the file system of the temporary directory holds no sparse file of 15 TB");
    const test::ListMemoryLimit limit(16 << 20);

    const QStringList reasons = listedReasons(window, criterion);
    if (window == u"TfrmExpScadenzario") {
        QVERIFY(reasons.size() > 1000 && reasons.size() < 1000000);
        QCOMPARE(reasons.first(), QStringLiteral("Rata mutuo"));
    } else {
        QTEST(reasons, "reasons");
    }
    const ShownMessages cut = {{MessageKind::Plain, MsgArchivioInaccessibile}};
    QCOMPARE(messages(), cutShort ? cut : ShownMessages());
    QFile::remove(m_platform->archive());
}

void TestReliability::alertSoundThatIsNoSound_data()
{
    QTest::addColumn<QString>("stands");      // what stands at Avviso.mp3: nothing, a directory, a file
    QTest::addColumn<QByteArray>("content");  // of the file
    QTest::newRow("missing") << "nothing" << QByteArray();
    QTest::newRow("a directory by that name") << "directory" << QByteArray();
    QTest::newRow("empty file") << "file" << QByteArray();
    QTest::newRow("text") << "file" << QByteArray("Questo non \xe8 un suono.\n");
    QTest::newRow("an MP3 frame header and noise")
        << "file" << (QByteArray("\xff\xfb\x90\x64") + QByteArray(4096, char(0xA5)));
}

// With the program's real sound player, a sound file that is missing or is
// not audio means silence: the list and the pictures are those of the
// archive, no message is shown, and the window closes cleanly.
void TestReliability::alertSoundThatIsNoSound()
{
    QFETCH(QString, stands);
    QFETCH(QByteArray, content);
    memora::platform().sound = std::move(makeSystemPlatform(nullptr)->sound);
    const QString sound = QDir(m_platform->directory()).filePath(QStringLiteral("Avviso.mp3"));
    if (stands == u"directory")
        QVERIFY(QDir().mkdir(sound));
    else if (stands == u"file")
        writeBytes(sound, content);
    writeArchive(m_platform->archive(), {makeCard("05/03/2014"), makeCard("01/03/2014", "0", flagFulfilled)});

    TfrmAvvio home;
    home.show();
    for (int round = 0; round < 50; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(home.lstRecords->lines().rowCount(), 1);
    QVERIFY(home.imgPresenti->isVisibleTo(&home));
    home.close();
    QVERIFY(m_platform->messages.shown.isEmpty());
}

// The device fills while the spreadsheet file is written: the user reads the
// failure message, is not offered to open the file, and the view keeps its
// rows; the earlier export stays as it was, no part of the new one is left,
// and the archive is not touched.
void TestReliability::exportFailingPartWay()
{
    QList<TSchedaScadenza> cards;
    for (int i = 0; i < 300; ++i)
        cards << makeCard("05/03/2014", "0", flagPending, QStringLiteral("Rata %1").arg(i));
    writeArchive(m_platform->archive(), cards);
    const QByteArray archive = readBytes(m_platform->archive());
    const QString exported = QDir(m_platform->directory()).filePath(QStringLiteral("Riepilogo_Scadenze.xls"));
    writeBytes(exported, "earlier export");
    const QStringList files = filesIn(m_platform->directory());
    TfrmExpScadenzario view;
    view.show();
    QCOMPARE(view.grid().rowCount(), 300);

    {
        const test::FileSizeLimit limit(10000);
        QVERIFY(limit.applied());
        view.cmdEsporta->click();
    }

    QCOMPARE(messages(), ShownMessages({{MessageKind::Plain, MsgEsportazioneImpossibile}}));
    QCOMPARE(m_platform->messages.questions, QStringList(MsgEsportaAdesso));
    QVERIFY(m_platform->desktop.opened.isEmpty());
    QCOMPARE(view.grid().rowCount(), 300);
    QCOMPARE(readBytes(exported), QByteArray("earlier export"));
    QCOMPARE(filesIn(m_platform->directory()), files);
    QCOMPARE(readBytes(m_platform->archive()), archive);
    view.close();
}

// Copies of the program share one archive: three append, two overwrite cards
// chosen at random with a new version of themselves, two read the whole
// archive over and over. Every card each of them reads is one whole version
// of itself; afterwards every appended card is there exactly once, whole.
void TestReliability::sharedFolderStress()
{
    constexpr int seeded = 20;
    constexpr int appenders = 3;
    constexpr int appendsEach = 200;
    constexpr int overwritesEach = 5000;
    constexpr int scansEach = 100;
    const QString path = m_platform->archive();
    QSet<QString> expected;
    {
        ArchiveFile archive(path, ArchiveAccess::ReadWrite);
        for (int i = 0; i < seeded; ++i) {
            const QString tag = QStringLiteral("s-%1").arg(i);
            archive.append(test::stressCard(tag, 0));
            expected.insert(tag);
        }
    }
    for (int id = 0; id < appenders; ++id)
        for (int i = 0; i < appendsEach; ++i)
            expected.insert(QStringLiteral("a%1-%2").arg(id).arg(i));

    struct Role {
        const char* name;
        int copies;
        int count;
    };
    QList<QProcess*> drivers;
    for (const Role& role : {Role{"append", appenders, appendsEach}, Role{"overwrite", 2, overwritesEach},
                             Role{"scan", 2, scansEach}}) {
        for (int id = 0; id < role.copies; ++id) {
            auto* driver = new QProcess(this);
            driver->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            driver->start(QStringLiteral(STRESS_DRIVER),
                          {path, QString::fromLatin1(role.name), QString::number(id), QString::number(role.count)});
            drivers << driver;
        }
    }
    for (QProcess* driver : drivers) {
        const bool finished = driver->waitForFinished(120000);
        if (!finished)
            driver->kill();
        QVERIFY2(finished, qPrintable(driver->arguments().join(u' ')));
        QVERIFY2(driver->exitStatus() == QProcess::NormalExit && driver->exitCode() == 0,
                 qPrintable(driver->arguments().join(u' ') + QStringLiteral(": exit %1").arg(driver->exitCode())));
    }

    const QByteArray bytes = readBytes(path);
    QCOMPARE(bytes.size(), qsizetype(expected.size()) * recordSize);
    QSet<QString> found;
    for (qsizetype at = 0; at < bytes.size(); at += recordSize) {
        const TSchedaScadenza card = decodeRecord(bytes.constData() + at);
        QVERIFY2(test::isWholeStressCard(card), qPrintable(card.Causale));
        QVERIFY2(!found.contains(card.Causale), qPrintable(card.Causale));
        found.insert(card.Causale);
    }
    QCOMPARE(found, expected);
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {memora::test::makeTest<TestReliability>});
}

#include "tst_reliability.moc"
