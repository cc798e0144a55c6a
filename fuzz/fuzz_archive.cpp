// The archive file under any sequence of reads, seeks, overwrites and appends,
// on a file of any number of records and any trailing fragment, against a
// plain model of its bytes: every read gives the record at its place (also
// across the read-ahead and after writes), a read past the last whole record
// fails and moves nothing, writes land at their place and nowhere else, and
// the record count and the end of a scan follow the file.
#include "archive/archive_file.h"
#include "fuzz_text.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

using namespace memora;
using memora::fuzz::require;

namespace {

// A file that lives in memory and is reached by a path, like the archive.
class MemoryFile {
public:
    explicit MemoryFile(const QByteArray& bytes) : m_fd(memfd_create("archive", 0))
    {
        require(m_fd >= 0, "a memory file can be made");
        require(::write(m_fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size(), "it takes the bytes");
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }
    QByteArray bytes() const
    {
        QByteArray bytes(qsizetype(lseek(m_fd, 0, SEEK_END)), '\0');
        require(pread(m_fd, bytes.data(), std::size_t(bytes.size()), 0) == bytes.size(), "the file reads back");
        return bytes;
    }

private:
    int m_fd;
};

// n distinct records from one seed, then a fragment of a record.
QByteArray initialFile(FuzzedDataProvider& input)
{
    const int records = input.ConsumeIntegralInRange(0, 150);
    const int fragment = input.ConsumeIntegralInRange(0, recordSize - 1);
    std::string seed = input.ConsumeBytesAsString(std::size_t(recordSize));
    seed.resize(std::size_t(recordSize), '\0');
    QByteArray file;
    for (int k = 0; k <= records; ++k) {
        QByteArray record(seed.data(), recordSize);
        for (char& byte : record)
            byte = char(byte ^ (k * 37 + 1));
        file += k < records ? record : record.left(fragment);
    }
    return file;
}

struct Model {
    QByteArray bytes;
    int position = 0;
    int known = 0;  // the records a scan runs through

    int count() const { return int(bytes.size() / recordSize); }
    bool holdsRecordAtPosition() const { return qsizetype(position + 1) * recordSize <= bytes.size(); }
    void write(const QByteArray& record)
    {
        const qsizetype at = qsizetype(position) * recordSize;
        if (bytes.size() < at + recordSize)
            bytes.resize(at + recordSize, '\0');
        std::memcpy(bytes.data() + at, record.constData(), std::size_t(recordSize));
        ++position;
        known = std::max(known, position);
    }
};

void read(FuzzedDataProvider& input, ArchiveFile& archive, Model& model, TSchedaScadenza& reused)
{
    if (!model.holdsRecordAtPosition()) {
        bool failed = false;
        try {
            archive.readNext();
        } catch (const ArchiveError&) {
            failed = true;
        }
        require(failed && archive.position() == model.position, "a read past the last record fails in place");
        return;
    }
    const char* expected = model.bytes.constData() + qsizetype(model.position) * recordSize;
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: require(archive.readNext() == decodeRecord(expected), "readNext gives the record at its place"); break;
    case 1:
        archive.readNextInto(reused);
        require(reused == decodeRecord(expected), "readNextInto gives the record at its place");
        break;
    default:
        require(std::memcmp(archive.readNextBytes(), expected, std::size_t(recordSize)) == 0, "the record's bytes");
    }
    ++model.position;
}

QByteArray consumeRecord(FuzzedDataProvider& input)
{
    std::string bytes = input.ConsumeBytesAsString(std::size_t(input.ConsumeIntegralInRange(0, recordSize)));
    bytes.resize(std::size_t(recordSize), '\0');
    return encodeRecord(decodeRecord(bytes.data()));
}

void step(FuzzedDataProvider& input, ArchiveFile& archive, Model& model, TSchedaScadenza& reused)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: read(input, archive, model, reused); break;
    case 1: {
        const int k = input.ConsumeIntegralInRange(-1, model.count() + 2);
        if (k < 0) {
            bool failed = false;
            try {
                archive.seek(k);
            } catch (const ArchiveError&) {
                failed = true;
            }
            require(failed, "a negative record index fails");
        } else {
            archive.seek(k);
            model.position = k;
        }
        break;
    }
    case 2: {
        const QByteArray record = consumeRecord(input);
        archive.write(decodeRecord(record.constData()));
        model.write(record);
        break;
    }
    default: {
        const QByteArray record = consumeRecord(input);
        model.position = model.count();
        model.write(record);
        require(archive.append(decodeRecord(record.constData())) == model.position, "append gives the new number");
    }
    }
    require(archive.position() == model.position, "the position follows every step");
    require(archive.atEnd() == (model.position >= model.known), "the end of a scan");
    require(archive.recordCount() == model.count(), "the record count follows the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    Model model;
    model.bytes = initialFile(input);
    MemoryFile file(model.bytes);
    {
        ArchiveFile archive(file.path(), ArchiveAccess::ReadWrite);
        model.known = model.count();
        TSchedaScadenza reused;
        for (int steps = 0; steps < 64 && input.remaining_bytes() > 0; ++steps)
            step(input, archive, model, reused);
    }
    require(file.bytes() == model.bytes, "the file holds what was written and nothing else");
    return 0;
}
