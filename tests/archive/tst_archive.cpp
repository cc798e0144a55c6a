// The card record's bytes, Windows-1252 text and the archive file operations.
#include "archive/archive_file.h"
#include "archive/card_record.h"
#include "archive/text_conventions.h"
#include "archive/windows1252.h"
#include "fake_platform.h"
#include "file_permissions.h"
#include "file_size_limit.h"
#include "test_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <limits>

using namespace memora;
using memora::test::makeCard;
using memora::test::readBytes;
using memora::test::Restriction;
using memora::test::writeArchive;

Q_DECLARE_METATYPE(memora::Field)
Q_DECLARE_METATYPE(memora::ArchiveAccess)

class TestArchive : public QObject {
    Q_OBJECT

private slots:
    void fieldLayout_data();
    void fieldLayout();
    void fulfilledFlagBytes();
    void textCutToCapacity_data();
    void textCutToCapacity();
    void lengthByteOverCapacity();
    void windows1252_data();
    void windows1252();
    void everyByteRoundTrips();
    void trimAndFold();
    void dateText_data();
    void dateText();
    void dateWritten();
    void wholeNumber_data();
    void wholeNumber();

    void missingFileIsCreatedEmpty_data();
    void missingFileIsCreatedEmpty();
    void trailingFragmentIsNotACard();
    void overwriteChangesOnlyItsRecord();
    void positionIsCardNumber();
    void readCardAsItStandsNow();
    void directoryInPlaceOfArchiveFails();
    void permissionsBindTheTest();
    void readOnlyArchiveIsNotReplaced();
    void readOnlyArchiveIsRead_data();
    void readOnlyArchiveIsRead();
    void missingArchiveInReadOnlyFolder();
    void unreadableFileFails_data();
    void unreadableFileFails();
    void truncatedRecordFailsTheRead();
    void partOfAShortAppendThatStaysIsReported();
    void recordsBeyondTheLastCardNumber();
    void holeOfASparseFileIsSkipped();
    void copiesAppendingAtOnceNeverShareAPlace();

private:
    QTemporaryDir m_dir;
    QString path() const { return archivePath(m_dir.path()); }
};

void TestArchive::fieldLayout_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::newRow("Data") << Field::Data << 0 << 10;
    QTest::newRow("OreApp") << Field::OreApp << 11 << 2;
    QTest::newRow("MinutiApp") << Field::MinutiApp << 14 << 2;
    QTest::newRow("Ora") << Field::Ora << 17 << 5;
    QTest::newRow("Avviso") << Field::Avviso << 23 << 3;
    QTest::newRow("Tipologia") << Field::Tipologia << 27 << 50;
    QTest::newRow("Causale") << Field::Causale << 78 << 250;
    QTest::newRow("Dettagli") << Field::Dettagli << 329 << 250;
    QTest::newRow("Contatto") << Field::Contatto << 580 << 50;
    QTest::newRow("Tel") << Field::Tel << 631 << 30;
    QTest::newRow("Cel") << Field::Cel << 662 << 30;
    QTest::newRow("Email") << Field::Email << 693 << 50;
    QTest::newRow("Luogo") << Field::Luogo << 744 << 250;
    QTest::newRow("Importo") << Field::Importo << 995 << 15;
    QTest::newRow("Note") << Field::Note << 1011 << 250;
    QTest::newRow("Assolto") << Field::Assolto << 1262 << 2;
}

// A field filled to capacity lands at its offset with its length byte, and
// decodes back to itself.
void TestArchive::fieldLayout()
{
    QFETCH(Field, field);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    TSchedaScadenza card;
    card[field] = QString(capacity, u'x');
    const QByteArray bytes = encodeRecord(card);
    QCOMPARE(bytes.size(), 1265);
    QCOMPARE(int(static_cast<unsigned char>(bytes[offset])), capacity);
    QCOMPARE(bytes.mid(offset + 1, capacity), QByteArray(capacity, 'x'));
    QCOMPARE(bytes.count('x'), capacity);
    QCOMPARE(decodeRecord(bytes.constData()), card);
}

void TestArchive::fulfilledFlagBytes()
{
    TSchedaScadenza card;
    card.Assolto = flagFulfilled;
    const QByteArray yes = encodeRecord(card);
    QCOMPARE(yes.mid(1262, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(decodeRecord(yes.constData()).Assolto, QStringLiteral("S\u00ec"));
    card.Assolto = flagPending;
    QCOMPARE(encodeRecord(card).mid(1262, 3), QByteArray("\x02No"));
}

void TestArchive::textCutToCapacity_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("250 characters stay whole") << 250 << 250;
    QTest::newRow("251 characters keep the first 250") << 251 << 250;
    QTest::newRow("empty") << 0 << 0;
}

void TestArchive::textCutToCapacity()
{
    QFETCH(int, typed);
    QFETCH(int, stored);
    QString text;
    for (int i = 0; i < typed; ++i)
        text += QChar(u'a' + i % 26);
    TSchedaScadenza card;
    card.Causale = text;
    const QByteArray bytes = encodeRecord(card);
    QCOMPARE(int(static_cast<unsigned char>(bytes[78])), stored);
    QCOMPARE(decodeRecord(bytes.constData()).Causale, text.left(stored));
    QCOMPARE(bytes[78 + 1 + 250], '\0');  // Dettagli's length byte is untouched
}

// A damaged length byte never makes a reader leave its field.
void TestArchive::lengthByteOverCapacity()
{
    TSchedaScadenza card = makeCard(QStringLiteral("10/03/2014"));
    QByteArray bytes = encodeRecord(card);
    bytes[0] = char(255);       // Data says 255 characters, holds 10
    bytes[1262] = char(200);    // Assolto says 200, holds 2
    const TSchedaScadenza read = decodeRecord(bytes.constData());
    QCOMPARE(read.Data, QStringLiteral("10/03/2014"));
    QCOMPARE(read.OreApp, QStringLiteral("09"));
    QCOMPARE(read.Assolto, QStringLiteral("No"));
}

void TestArchive::windows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain ASCII") << QStringLiteral("Rata 1") << QByteArray("Rata 1") << QStringLiteral("Rata 1");
    QTest::newRow("accented i") << QStringLiteral("S\u00ec") << QByteArray("S\xEC") << QStringLiteral("S\u00ec");
    QTest::newRow("capital E grave") << QStringLiteral("\u00c8") << QByteArray("\xC8") << QStringLiteral("\u00c8");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac 5") << QByteArray("\x80 5") << QStringLiteral("\u20ac 5");
    QTest::newRow("curly quotes") << QStringLiteral("\u201cx\u201d") << QByteArray("\x93x\x94")
                                  << QStringLiteral("\u201cx\u201d");
    QTest::newRow("OE ligature") << QStringLiteral("\u0152") << QByteArray("\x8C") << QStringLiteral("\u0152");
    QTest::newRow("outside the code page") << QStringLiteral("\u011fa") << QByteArray("?a") << QStringLiteral("?a");
    QTest::newRow("outside the basic plane") << QStringLiteral("a\U0001F600b") << QByteArray("a?b")
                                             << QStringLiteral("a?b");
}

void TestArchive::windows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    QCOMPARE(toWindows1252(text), bytes);
    QString decoded = QStringLiteral("left over");
    decodeWindows1252Into(bytes, decoded);
    QCOMPARE(decoded, readBack);
}

void TestArchive::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QString text;
    decodeWindows1252Into(all, text);
    QCOMPARE(toWindows1252(text), all);
}

void TestArchive::trimAndFold()
{
    QCOMPARE(trimmed(QStringLiteral("\t\r\n  Banca \x1f")), QStringLiteral("Banca"));
    QCOMPARE(trimmed(QStringLiteral(" a b ")), QStringLiteral("a b"));
    QCOMPARE(trimmed(QStringLiteral("\u00a0x\u00a0")), QStringLiteral("\u00a0x\u00a0"));  // 160 is no blank
    QCOMPARE(foldAZ(QStringLiteral("RATA \u00c8 Zz")), QStringLiteral("rata \u00c8 zz"));
}

void TestArchive::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");  // invalid: the text is no date
    QTest::newRow("dd/mm/yyyy")            << "10/03/2014"   << QDate(2014, 3, 10);
    QTest::newRow("one digit, blanks")     << " 1/3/2014 "   << QDate(2014, 3, 1);
    QTest::newRow("leap day")              << "29/02/2016"   << QDate(2016, 2, 29);
    QTest::newRow("impossible day")        << "31/02/2014"   << QDate();
    QTest::newRow("day zero")              << "00/03/2014"   << QDate();
    QTest::newRow("two-digit year")        << "10/03/14"     << QDate();
    QTest::newRow("year first")            << "2014/03/10"   << QDate();
    QTest::newRow("dashes")                << "10-03-2014"   << QDate();
    QTest::newRow("a letter in the day")   << "1a/03/2014"   << QDate();
    QTest::newRow("no day")                << "/03/2014"     << QDate();
    QTest::newRow("a third slash")         << "10/03/2014/"  << QDate();
    QTest::newRow("sign in the month")     << "10/+3/2014"   << QDate();
    QTest::newRow("empty")                 << ""             << QDate();
}

// Dates are read as the user types them and written as "dd/mm/yyyy".
void TestArchive::dateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> read = parseDate(text);
    QCOMPARE(read.value_or(QDate()), date);
    if (date.isValid())
        QCOMPARE(parseDate(formatDate(date)), date);
}

void TestArchive::dateWritten()
{
    QCOMPARE(formatDate(QDate(2014, 3, 10)), QStringLiteral("10/03/2014"));
    QCOMPARE(formatDate(QDate(5, 1, 1)), QStringLiteral("01/01/0005"));
    QCOMPARE(formatDate(QDate(9999, 12, 31)), QStringLiteral("31/12/9999"));
    QCOMPARE(formatDate(QDate()), QString());
}

void TestArchive::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");  // -1000: not a whole number
    QTest::newRow("zero")            << "0"           << 0;
    QTest::newRow("blanks around")   << " 15 "        << 15;
    QTest::newRow("plus sign")       << "+5"          << 5;
    QTest::newRow("minus sign")      << "-3"          << -3;
    QTest::newRow("nine digits")     << "123456789"   << 123456789;
    QTest::newRow("ten digits")      << "1234567890"  << -1000;
    QTest::newRow("a letter after")  << "5g"          << -1000;
    QTest::newRow("a sign alone")    << "-"           << -1000;
    QTest::newRow("two signs")       << "+-5"         << -1000;
    QTest::newRow("a blank inside")  << "1 5"         << -1000;
    QTest::newRow("another script")  << "٣"      << -1000;
    QTest::newRow("empty")           << ""            << -1000;
}

void TestArchive::wholeNumber()
{
    QFETCH(QString, text);
    QTEST(parseWholeNumber(text).value_or(-1000), "number");
}

void TestArchive::missingFileIsCreatedEmpty_data()
{
    QTest::addColumn<ArchiveAccess>("access");
    QTest::newRow("for reading") << ArchiveAccess::Read;
    QTest::newRow("for reading and writing") << ArchiveAccess::ReadWrite;
}

void TestArchive::missingFileIsCreatedEmpty()
{
    QFETCH(ArchiveAccess, access);
    QFile::remove(path());
    {
        ArchiveFile archive(path(), access);
        QCOMPARE(archive.recordCount(), 0);
        QVERIFY(archive.atEnd());
    }
    QVERIFY(QFile::exists(path()));
    QCOMPARE(QFileInfo(path()).size(), 0);
}

void TestArchive::trailingFragmentIsNotACard()
{
    writeArchive(path(), {makeCard(QStringLiteral("01/01/2014")), makeCard(QStringLiteral("02/01/2014"))});
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'z'));
    }
    ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
    QCOMPARE(archive.recordCount(), 2);
    QStringList dates;
    while (!archive.atEnd())
        dates << archive.readNext().Data;
    QCOMPARE(dates, QStringList({"01/01/2014", "02/01/2014"}));
    QCOMPARE(archive.append(makeCard(QStringLiteral("03/01/2014"))), 3);
    const QByteArray bytes = readBytes(path());
    QCOMPARE(bytes.size(), 3 * 1265);
    QCOMPARE(bytes.mid(2 * 1265, 11), QByteArray("\x0a" "03/01/2014"));
}

void TestArchive::overwriteChangesOnlyItsRecord()
{
    writeArchive(path(), {makeCard("01/01/2014"), makeCard("02/01/2014"), makeCard("03/01/2014")});
    const QByteArray before = readBytes(path());
    TSchedaScadenza changed = makeCard(QStringLiteral("02/01/2014"));
    changed.Assolto = flagFulfilled;
    changed.Note = QStringLiteral("pagato");
    {
        ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
        archive.seek(1);
        archive.write(changed);
        QCOMPARE(archive.position(), 2);
    }
    const QByteArray after = readBytes(path());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(1265), before.left(1265));
    QCOMPARE(after.mid(2530), before.mid(2530));
    QCOMPARE(after.mid(1265, 1265), encodeRecord(changed));
}

void TestArchive::positionIsCardNumber()
{
    writeArchive(path(), {makeCard("01/01/2014"), makeCard("02/01/2014"), makeCard("03/01/2014"),
                          makeCard("04/01/2014")});
    ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
    archive.readNext();
    archive.readNext();
    QCOMPARE(archive.readNext().Data, QStringLiteral("03/01/2014"));
    QCOMPARE(archive.position(), 3);
    archive.seek(0);
    QCOMPARE(archive.readNext().Data, QStringLiteral("01/01/2014"));
    archive.seek(3);
    QCOMPARE(archive.readNext().Data, QStringLiteral("04/01/2014"));
    QVERIFY(archive.atEnd());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.readNext());
}

// One card read by its number: as the file holds it now, and no card where
// the archive has none.
void TestArchive::readCardAsItStandsNow()
{
    TSchedaScadenza second = makeCard(QStringLiteral("02/01/2015"));
    writeArchive(path(), {makeCard(QStringLiteral("01/01/2015")), second});
    second.Note = QStringLiteral("cambiata");
    {
        ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
        archive.seek(1);
        archive.write(second);
    }
    QCOMPARE(readCard(path(), 2), second);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, readCard(path(), 3));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, readCard(path(), 0));
}

void TestArchive::directoryInPlaceOfArchiveFails()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(archiveFileName));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, ArchiveFile(archivePath(dir.path()), ArchiveAccess::Read));
    QVERIFY(QFileInfo(archivePath(dir.path())).isDir());
}

// Under the guard a file its owner may not read cannot be read, also by root.
void TestArchive::permissionsBindTheTest()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("chiuso")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions({}));
    {
        const test::FilePermissionsBind bind;
        QVERIFY(!file.open(QIODevice::ReadOnly));
    }
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void TestArchive::readOnlyArchiveIsNotReplaced()
{
    QTemporaryDir dir;
    const QString file = archivePath(dir.path());
    writeArchive(file, {makeCard("01/01/2014")});
    const QByteArray before = readBytes(file);
    {
        const test::RestrictedArchive readOnly(dir.path(), Restriction::ReadOnlyFile);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, ArchiveFile(file, ArchiveAccess::ReadWrite));
    }
    QCOMPARE(readBytes(file), before);
}

void TestArchive::readOnlyArchiveIsRead_data()
{
    QTest::addColumn<Restriction>("restriction");
    QTest::newRow("archive of mode 444") << Restriction::ReadOnlyFile;
    QTest::newRow("read-only folder, archive of mode 444") << Restriction::ReadOnlyFileAndFolder;
}

// Reading needs no right to write: every card is read, nothing is changed,
// and a write fails.
void TestArchive::readOnlyArchiveIsRead()
{
    QFETCH(Restriction, restriction);
    QTemporaryDir dir;
    const QString file = archivePath(dir.path());
    writeArchive(file, {makeCard("01/01/2014"), makeCard("02/01/2014")});
    const QByteArray before = readBytes(file);
    {
        const test::RestrictedArchive readOnly(dir.path(), restriction);
        ArchiveFile archive(file, ArchiveAccess::Read);
        QCOMPARE(archive.recordCount(), 2);
        QStringList dates;
        while (!archive.atEnd())
            dates << archive.readNext().Data;
        QCOMPARE(dates, QStringList({"01/01/2014", "02/01/2014"}));
        archive.seek(0);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.write(makeCard("03/01/2014")));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.append(makeCard("03/01/2014")));
    }
    QCOMPARE(readBytes(file), before);
}

// No archive, and the folder lets none be made: for reading it is an empty
// archive, as it truly is; for writing it fails. Nothing is created.
void TestArchive::missingArchiveInReadOnlyFolder()
{
    QTemporaryDir dir;
    const QString file = archivePath(dir.path());
    {
        const test::RestrictedArchive readOnly(dir.path(), Restriction::ReadOnlyFolder);
        ArchiveFile archive(file, ArchiveAccess::Read);
        QCOMPARE(archive.recordCount(), 0);
        QVERIFY(archive.atEnd());
        QCOMPARE(archive.skipHole(), 0);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.readNext());
        QVERIFY_THROWS_EXCEPTION(ArchiveError, ArchiveFile(file, ArchiveAccess::ReadWrite));
    }
    QVERIFY(!QFile::exists(file));
}

void TestArchive::unreadableFileFails_data()
{
    QTest::addColumn<ArchiveAccess>("access");
    QTest::newRow("for reading") << ArchiveAccess::Read;
    QTest::newRow("for reading and writing") << ArchiveAccess::ReadWrite;
}

// An archive that exists but may not be read is no empty archive: the open
// fails, and the file stays as it was.
void TestArchive::unreadableFileFails()
{
    QFETCH(ArchiveAccess, access);
    QTemporaryDir dir;
    const QString file = archivePath(dir.path());
    writeArchive(file, {makeCard("01/01/2014")});
    const QByteArray before = readBytes(file);
    {
        const test::RestrictedArchive unreadable(dir.path(), Restriction::UnreadableFile);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, ArchiveFile(file, access));
    }
    QCOMPARE(readBytes(file), before);
}

// The file shrinks under a reader (another copy cannot do this, a damaged
// disk can): the read fails instead of returning part of a card.
void TestArchive::truncatedRecordFailsTheRead()
{
    writeArchive(path(), {makeCard("01/01/2014"), makeCard("02/01/2014")});
    ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
    QVERIFY(QFile::resize(path(), 1265 + 600));
    QCOMPARE(archive.readNext().Data, QStringLiteral("01/01/2014"));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.readNext());
    // The failed read leaves nothing of the fragment in place of the card before it.
    archive.seek(0);
    QCOMPARE(archive.readNext().Data, QStringLiteral("01/01/2014"));
}

// The disk fills while a card is appended and the part written cannot be cut
// off again: the archive is a file that may grow but not shrink (a memory file
// sealed against shrinking, reached through its name in /proc). The error
// says that part stays; it is no card, and the next append writes over it.
void TestArchive::partOfAShortAppendThatStaysIsReported()
{
    const int fd = memfd_create("archive", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    QVERIFY(fd != -1);
    const QByteArray cards = encodeRecord(makeCard("01/01/2014")) + encodeRecord(makeCard("02/01/2014"));
    QCOMPARE(::write(fd, cards.constData(), std::size_t(cards.size())), ssize_t(cards.size()));
    QCOMPARE(fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK), 0);
    QTemporaryDir folder;
    const QString archive = archivePath(folder.path());
    QCOMPARE(symlink(qPrintable(QStringLiteral("/proc/self/fd/%1").arg(fd)), qPrintable(archive)), 0);
    QString error;
    {
        const test::FileSizeLimit limit(rlim_t(cards.size()) + 100);
        QVERIFY(limit.applied());
        try {
            ArchiveFile(archive, ArchiveAccess::ReadWrite).append(makeCard("03/01/2014"));
        } catch (const ArchiveError& failure) {
            error = QString::fromUtf8(failure.what());
        }
    }
    QCOMPARE(error, QStringLiteral("cannot write the whole record, nor cut off the part written: "
                                   "it stays after the last card"));
    QCOMPARE(readBytes(archive), cards + encodeRecord(makeCard("03/01/2014")).left(100));
    QCOMPARE(ArchiveFile(archive, ArchiveAccess::Read).recordCount(), 2);
    QCOMPARE(ArchiveFile(archive, ArchiveAccess::ReadWrite).append(makeCard("04/01/2014")), 3);
    QCOMPARE(readBytes(archive), cards + encodeRecord(makeCard("04/01/2014")));
    ::close(fd);
}

// A sparse file holding more records than card numbers exist (about 2.7 TB):
// the count stops at the largest number, the last numbered card reads with
// that number, and nothing is read or appended beyond it.
void TestArchive::recordsBeyondTheLastCardNumber()
{
    constexpr qint64 numbered = std::numeric_limits<int>::max();
    const qint64 size = (numbered + 10) * recordSize;
    writeArchive(path(), {makeCard("01/01/2014")});
    if (!QFile::resize(path(), size))
        QSKIP("the file system of the temporary directory holds no sparse file of 2.7 TB");
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((numbered - 1) * recordSize));
        file.write(encodeRecord(makeCard("31/12/2014")));
    }
    ArchiveFile archive(path(), ArchiveAccess::ReadWrite);
    QCOMPARE(archive.recordCount(), std::numeric_limits<int>::max());
    archive.seek(std::numeric_limits<int>::max() - 1);
    QCOMPARE(archive.readNext().Data, QStringLiteral("31/12/2014"));
    QCOMPARE(archive.position(), std::numeric_limits<int>::max());
    QVERIFY(archive.atEnd());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.readNext());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.write(makeCard("01/01/2015")));
    QVERIFY_THROWS_EXCEPTION(ArchiveError, archive.append(makeCard("01/01/2015")));
    QCOMPARE(QFileInfo(path()).size(), size);
    QFile::remove(path());
}

// Two cards 100,000 records apart, nothing written between: past the records
// read ahead, the position jumps over the hole to the records that hold data,
// and the card after the hole reads with its own number.
void TestArchive::holeOfASparseFileIsSkipped()
{
    constexpr int second = 100000;  // 0-based index of the second card
    writeArchive(path(), {makeCard("01/01/2014")});
    QVERIFY(QFile::resize(path(), qint64(second) * recordSize));
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::Append));
        file.write(encodeRecord(makeCard("02/01/2014")));
    }
    {
        const int fd = ::open(QFile::encodeName(path()).constData(), O_RDONLY);
        const off_t firstHole = lseek(fd, 0, SEEK_HOLE);
        ::close(fd);
        if (firstHole >= QFileInfo(path()).size())
            QSKIP("the file system of the temporary directory reports no holes");
    }
    ArchiveFile archive(path(), ArchiveAccess::Read);
    QCOMPARE(archive.skipHole(), 0);  // the first card is data
    QCOMPARE(archive.readNext().Data, QStringLiteral("01/01/2014"));
    QCOMPARE(archive.skipHole(), 0);  // within the records read ahead
    archive.seek(64);
    const int skipped = archive.skipHole();
    QVERIFY2(skipped > second - 100 && archive.position() == 64 + skipped, qPrintable(QString::number(skipped)));
    QVERIFY(archive.position() <= second);
    TSchedaScadenza card;
    while (!archive.atEnd())
        card = archive.readNext();
    QCOMPARE(card.Data, QStringLiteral("02/01/2014"));
    QCOMPARE(archive.position(), second + 1);
}

void TestArchive::copiesAppendingAtOnceNeverShareAPlace()
{
    QTemporaryDir dir;
    const QString file = archivePath(dir.path());
    constexpr int copies = 4;
    constexpr int cardsEach = 150;
    QList<QProcess*> processes;
    for (int i = 0; i < copies; ++i) {
        auto* process = new QProcess(this);
        process->start(QStringLiteral(APPEND_DRIVER), {file, QStringLiteral("copia%1").arg(i), QString::number(cardsEach)});
        processes.append(process);
    }
    for (QProcess* process : processes) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
    }
    const QByteArray bytes = readBytes(file);
    QCOMPARE(bytes.size(), copies * cardsEach * 1265);
    QSet<QString> reasons;
    for (int n = 0; n < copies * cardsEach; ++n) {
        const TSchedaScadenza card = decodeRecord(bytes.constData() + n * 1265);
        QCOMPARE(card.Data, QStringLiteral("10/03/2014"));
        reasons.insert(card.Causale);
    }
    QCOMPARE(reasons.size(), copies * cardsEach);
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {memora::test::makeTest<TestArchive>});
}

#include "tst_archive.moc"
