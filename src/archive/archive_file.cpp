#include "archive/archive_file.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace memora {

namespace {

constexpr int readAheadRecords = 64;

// Holds an advisory lock on a byte range of the file for its lifetime
// (length 0: up to the end and beyond). Writers lock what they write, readers
// what they read, so no copy of the program ever reads a record that another
// copy is halfway through writing.
class RangeLock {
public:
    // A write lock that cannot be taken fails the write. A read lock is
    // wanted, not needed: on a file system without locks the read goes on
    // unlocked, as it would have before another copy wrote there.
    enum Kind { Write = F_WRLCK, Read = F_RDLCK };

    RangeLock(int fd, Kind kind, off_t start, off_t length) : m_fd(fd)
    {
        m_lock.l_type = short(kind);
        m_lock.l_whence = SEEK_SET;
        m_lock.l_start = start;
        m_lock.l_len = length;
        while (fcntl(m_fd, F_SETLKW, &m_lock) == -1) {
            if (errno == EINTR)
                continue;
            if (kind == Write)
                throw ArchiveError("cannot lock the archive");
            m_fd = -1;
            return;
        }
    }
    ~RangeLock()
    {
        if (m_fd == -1)
            return;
        m_lock.l_type = F_UNLCK;
        fcntl(m_fd, F_SETLK, &m_lock);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;

private:
    int m_fd;
    struct flock m_lock {};
};

}  // namespace

QString archivePath(const QString& programDirectory)
{
    return QDir(programDirectory).filePath(archiveFileName);
}

namespace {

int openRetrying(const QByteArray& name, int flags)
{
    int fd;
    do {
        fd = ::open(name.constData(), flags | O_CLOEXEC, 0666);
    } while (fd == -1 && errno == EINTR);
    return fd;
}

bool truncateRetrying(int fd, off_t size)
{
    int result;
    do {
        result = ftruncate(fd, size);
    } while (result == -1 && errno == EINTR);
    return result == 0;
}

// Whole records in a file of this size, counted only as far as cards can be
// numbered.
int numberedRecords(off_t bytes) { return int(std::min<off_t>(bytes / recordSize, archiveCardsMax)); }

}  // namespace

ArchiveFile::ArchiveFile(const QString& path, ArchiveAccess access)
{
    const QByteArray name = QFile::encodeName(path);
    if (access == ArchiveAccess::ReadWrite) {
        m_fd = openRetrying(name, O_RDWR | O_CREAT);
    } else {
        m_fd = openRetrying(name, O_RDONLY);
        if (m_fd == -1 && (errno == ENOENT || errno == ENOTDIR)) {
            m_fd = openRetrying(name, O_RDONLY | O_CREAT);
            if (m_fd == -1)
                return;  // no archive, and none can be made here: it holds no card
        }
    }
    if (m_fd == -1)
        throw ArchiveError("cannot open the archive");
    struct stat info {};
    if (fstat(m_fd, &info) == -1 || !S_ISREG(info.st_mode)) {
        ::close(m_fd);
        throw ArchiveError("the archive is not a file");
    }
    m_knownCount = numberedRecords(info.st_size);
}

ArchiveFile::~ArchiveFile()
{
    if (m_fd != -1)
        ::close(m_fd);
}

off_t ArchiveFile::recordsInFile() const
{
    if (m_fd == -1)
        return 0;
    struct stat info {};
    if (fstat(m_fd, &info) == -1)
        throw ArchiveError("cannot read the archive's size");
    return info.st_size / recordSize;
}

int ArchiveFile::recordCount() const { return int(std::min<off_t>(recordsInFile(), archiveCardsMax)); }

void ArchiveFile::seek(int k)
{
    if (k < 0)
        throw ArchiveError("negative record index");
    m_position = k;
}

void ArchiveFile::fillBuffer()
{
    m_buffer.resize(std::size_t(readAheadRecords) * recordSize);
    const off_t start = off_t(m_position) * recordSize;
    const RangeLock lock(m_fd, RangeLock::Read, start, off_t(m_buffer.size()));
    m_bufferCount = 0;  // the read overwrites the buffer, whole records or not
    ssize_t got;
    do {
        got = pread(m_fd, m_buffer.data(), m_buffer.size(), start);
    } while (got == -1 && errno == EINTR);
    if (got < recordSize)
        throw ArchiveError("cannot read a whole record");
    m_bufferFirst = m_position;
    m_bufferCount = int(got / recordSize);
}

const char* ArchiveFile::readNextBytes()
{
    if (m_position == archiveCardsMax)
        throw ArchiveError("no card can be numbered beyond the largest number");
    if (!buffered(m_position))
        fillBuffer();
    const char* bytes = m_buffer.data() + std::size_t(m_position - m_bufferFirst) * recordSize;
    ++m_position;
    return bytes;
}

// The file system tells where the data after an offset begins (SEEK_DATA)
// and where it ends (SEEK_HOLE); the records wholly between are a hole. It is
// asked again only past the data it reported, so a file without holes is
// asked once.
int ArchiveFile::skipHoleAsking()
{
    if (m_fd == -1 || m_position >= m_knownCount || buffered(m_position))
        return 0;
    const off_t data = lseek(m_fd, off_t(m_position) * recordSize, SEEK_DATA);
    if (data == -1) {
        if (errno != ENXIO) {  // the file system cannot tell: read every record
            m_askedUntil = m_knownCount;
            return 0;
        }
        const int skipped = m_knownCount - m_position;  // nothing but a hole up to the end
        m_position = m_knownCount;
        return skipped;
    }
    const off_t holeAfter = lseek(m_fd, data, SEEK_HOLE);
    m_askedUntil = holeAfter == -1 ? m_knownCount : numberedRecords(holeAfter + recordSize - 1);
    const int first = std::min(numberedRecords(data), m_knownCount);
    const int skipped = first - m_position;
    m_position = first;
    return skipped;
}

TSchedaScadenza ArchiveFile::readNext() { return decodeRecord(readNextBytes()); }

void ArchiveFile::readNextInto(TSchedaScadenza& card) { decodeRecordInto(readNextBytes(), card); }

void ArchiveFile::writeAt(int index, const QByteArray& bytes)
{
    if (index == archiveCardsMax)
        throw ArchiveError("no card can be numbered beyond the largest number");
    const off_t start = off_t(index) * recordSize;
    ssize_t written;
    do {
        written = pwrite(m_fd, bytes.constData(), recordSize, start);
    } while (written == -1 && errno == EINTR);
    if (written != recordSize) {
        // A short append (a full disk) leaves part of a record after the last
        // card: it is cut off again. Where the file will not shrink, the part
        // stays as a trailing fragment, which is no card (no scan reads it,
        // and the next append writes over it), and the error says so. An
        // overwrite never shortens the file.
        if (written > 0 && start >= recordsInFile() * recordSize && !truncateRetrying(m_fd, start))
            throw ArchiveError("cannot write the whole record, nor cut off the part written: "
                               "it stays after the last card");
        throw ArchiveError("cannot write the whole record");
    }
    m_bufferCount = 0;  // what was read ahead may be stale now
    m_position = index + 1;
    m_knownCount = std::max(m_knownCount, m_position);
}

void ArchiveFile::write(const TSchedaScadenza& card)
{
    const QByteArray bytes = encodeRecord(card);
    const RangeLock lock(m_fd, RangeLock::Write, off_t(m_position) * recordSize, recordSize);
    writeAt(m_position, bytes);
}

int ArchiveFile::append(const TSchedaScadenza& card)
{
    const QByteArray bytes = encodeRecord(card);
    const RangeLock lock(m_fd, RangeLock::Write, 0, 0);
    writeAt(int(std::min<off_t>(recordsInFile(), archiveCardsMax)), bytes);
    return m_position;
}

TSchedaScadenza readCard(const QString& path, int cardNumber)
{
    ArchiveFile archive(path, ArchiveAccess::Read);
    if (cardNumber < 1 || cardNumber > archive.recordCount())
        throw ArchiveError("no such card");
    archive.seek(cardNumber - 1);
    return archive.readNext();
}

}  // namespace memora
