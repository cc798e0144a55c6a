#include "file_permissions.h"

#include "archive/archive_file.h"

#include <QFile>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace memora::test {

namespace {

constexpr int overridingCapabilities[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

using Capabilities = __user_cap_data_struct[_LINUX_CAPABILITY_U32S_3];

// pid 0 is the calling thread: capabilities belong to a thread.
__user_cap_header_struct thisThread() { return {_LINUX_CAPABILITY_VERSION_3, 0}; }

void get(Capabilities& data)
{
    __user_cap_header_struct header = thisThread();
    if (syscall(SYS_capget, &header, data) != 0)
        qFatal("capget failed");
}

void set(Capabilities& data)
{
    __user_cap_header_struct header = thisThread();
    if (syscall(SYS_capset, &header, data) != 0)
        qFatal("capset failed");
}

}  // namespace

FilePermissionsBind::FilePermissionsBind()
{
    Capabilities data {};
    get(data);
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    for (const int capability : overridingCapabilities)
        data[capability / 32].effective &= ~(1u << (capability % 32));
    if (data[0].effective == m_effective[0] && data[1].effective == m_effective[1])
        return;
    set(data);
    m_dropped = true;
}

FilePermissionsBind::~FilePermissionsBind()
{
    if (!m_dropped)
        return;
    Capabilities data {};
    get(data);
    data[0].effective = m_effective[0];
    data[1].effective = m_effective[1];
    set(data);
}

namespace {

constexpr auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto searchable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

}  // namespace

RestrictedArchive::RestrictedArchive(const QString& directory, Restriction restriction) : m_directory(directory)
{
    const QString archive = archivePath(directory);
    if (restriction == Restriction::UnreadableFile)
        QFile::setPermissions(archive, {});
    if (restriction == Restriction::ReadOnlyFile || restriction == Restriction::ReadOnlyFileAndFolder)
        QFile::setPermissions(archive, readable);
    if (restriction == Restriction::ReadOnlyFolder || restriction == Restriction::ReadOnlyFileAndFolder)
        QFile::setPermissions(directory, readable | searchable);
}

RestrictedArchive::~RestrictedArchive()
{
    QFile::setPermissions(m_directory, readable | searchable | QFileDevice::WriteOwner);
    QFile::setPermissions(archivePath(m_directory), readable | QFileDevice::WriteOwner);
}

}  // namespace memora::test
