#include "platform/platform.h"

#include "archive/archive_file.h"

#include <cassert>

namespace memora {

namespace {
Platform* installed = nullptr;
}

Platform& platform()
{
    assert(installed);
    return *installed;
}

void installPlatform(Platform* platform) { installed = platform; }

QDate today() { return platform().clock->today(); }

QString programDirectory() { return platform().directory->path(); }

QString archiveFile() { return archivePath(programDirectory()); }

}  // namespace memora
