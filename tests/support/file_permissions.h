// Makes file permissions bind a test that runs as root, as they bind a user.
#pragma once

#include <QMetaType>
#include <QString>

#include <cstdint>

namespace memora::test {

// For its lifetime the calling thread (the test's main thread) works without
// the capabilities that let root pass over file permissions:
// CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH and CAP_FOWNER leave its effective
// set and come back when the guard goes. For a user who holds none of them it
// does nothing. Files and folders made read-only under it are then read-only
// for the program too, whoever runs the tests.
class FilePermissionsBind {
public:
    FilePermissionsBind();
    ~FilePermissionsBind();
    FilePermissionsBind(const FilePermissionsBind&) = delete;
    FilePermissionsBind& operator=(const FilePermissionsBind&) = delete;

private:
    bool m_dropped = false;
    std::uint32_t m_effective[2] {};  // the effective set before, in the kernel's two words
};

// What a program folder lets its user do with the archive.
// A folder of mode 555 lets no file be made in it but lets a writable file be
// changed; on a read-only mount neither can be done, as with both below.
enum class Restriction {
    ReadOnlyFile,           // the archive's mode is 444
    ReadOnlyFolder,         // the folder's mode is 555
    ReadOnlyFileAndFolder,  // both, as on a read-only mount
    UnreadableFile,         // the archive's mode is 000
};

// Puts a restriction on the archive of a program folder for its lifetime,
// with file permissions bound meanwhile, and lifts it afterwards. The archive
// need not exist: a read-only folder may hold none.
class RestrictedArchive {
public:
    RestrictedArchive(const QString& directory, Restriction restriction);
    ~RestrictedArchive();
    RestrictedArchive(const RestrictedArchive&) = delete;
    RestrictedArchive& operator=(const RestrictedArchive&) = delete;

private:
    FilePermissionsBind m_bind;
    QString m_directory;
};

}  // namespace memora::test

Q_DECLARE_METATYPE(memora::test::Restriction)
