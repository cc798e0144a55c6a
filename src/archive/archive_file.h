// The archive file Archivio_Scadenze.pro: a plain sequence of card records.
//
// An ArchiveFile is opened inside one user action and closed when it goes out
// of scope, on success and on failure alike. Every failure to open, read,
// position or write throws ArchiveError; the caller ends its action there.
//
// An action that only reads opens the archive for reading alone, so an
// archive the user may read but not write (a write-protected stick, a shared
// folder open for reading) is read in full; only a save needs writing.
//
// Several copies of the program may share one archive. An append holds an
// advisory lock (fcntl) on the whole file while it finds the end and writes,
// so two copies appending at once never write into one place; an overwrite
// locks its record, and a read the records it reads, so no read ever sees a
// card half overwritten by another copy. Every record is read and written
// whole, 1265 bytes in one call.
#pragma once

#include "archive/card_record.h"

#include <QString>

#include <limits>
#include <stdexcept>
#include <sys/types.h>
#include <vector>

namespace memora {

inline const QString archiveFileName = QStringLiteral("Archivio_Scadenze.pro");

// The text shown when the archive cannot be opened, read or written.
inline const QString MsgArchivioInaccessibile = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

// The archive's path in a program directory.
QString archivePath(const QString& programDirectory);

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ArchiveAccess { Read, ReadWrite };

// The most cards an archive can hold: a card's number is an int. Records of a
// larger file beyond this one cannot be numbered and are not cards.
constexpr int archiveCardsMax = std::numeric_limits<int>::max();

class ArchiveFile {
public:
    // Opens the file, creating it empty when it does not exist; an existing
    // file is never truncated or replaced. ReadWrite fails when the file
    // cannot be opened for writing or created. Read fails only when an
    // existing file cannot be read (no permission, a directory in its place);
    // a missing file that the folder does not let it create is an empty
    // archive, since that is what it holds.
    ArchiveFile(const QString& path, ArchiveAccess access);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Whole records in the file now, at most archiveCardsMax; a trailing
    // fragment is not a card.
    int recordCount() const;
    // Whole records before the current position: right after a read or a
    // write, the card number of that record.
    int position() const { return m_position; }
    // Moves to the 0-based record index k; card n is at index n - 1.
    void seek(int k);
    // True when the position is at or beyond the record count taken at open
    // (or at the last write), so a scan sees the cards present when it began.
    bool atEnd() const { return m_position >= m_knownCount; }
    TSchedaScadenza readNext();
    // The same into card, reusing its storage (see decodeRecordInto).
    void readNextInto(TSchedaScadenza& card);
    // The raw bytes of the next record, for scans that decode a few fields
    // first. Valid until the next call on this file.
    const char* readNextBytes();
    // Moves the position over the records from it on that lie wholly in a
    // hole of a sparse file, which read as all zeros, up to the record count
    // taken at open; returns how many it passed. It asks the file system only
    // where the next read would go to the file, so a scan may call it before
    // every read: a file without holes costs it one question.
    int skipHole() { return m_position < m_askedUntil ? 0 : skipHoleAsking(); }
    // Writes at the current position and advances; at the end this appends.
    // REQUIRES: ReadWrite access (otherwise it throws).
    void write(const TSchedaScadenza& card);
    // Locks the file, writes after its last whole record, unlocks. Returns
    // the new card's number. A trailing fragment is overwritten. Throws when
    // the archive holds archiveCardsMax cards already.
    // REQUIRES: ReadWrite access (otherwise it throws).
    int append(const TSchedaScadenza& card);

private:
    // Whole records in the file now, numbered or not.
    off_t recordsInFile() const;
    int skipHoleAsking();
    void writeAt(int index, const QByteArray& bytes);
    void fillBuffer();
    bool buffered(int index) const { return index >= m_bufferFirst && index - m_bufferFirst < m_bufferCount; }

    int m_fd = -1;  // -1 for a missing archive that could not be created
    int m_position = 0;
    int m_knownCount = 0;
    std::vector<char> m_buffer;   // whole records read ahead of the position
    int m_bufferFirst = 0;        // record index of m_buffer's first record
    int m_bufferCount = 0;
    int m_askedUntil = 0;         // skipHole asks the file system from this record index on
};

// Reads card cardNumber (1-based) of the archive at path as it stands now,
// opened for reading alone. Throws ArchiveError when the archive cannot be
// opened or read, or holds no such card.
TSchedaScadenza readCard(const QString& path, int cardNumber);

}  // namespace memora
