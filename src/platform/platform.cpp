#include "platform/platform.h"

#include "archive/archive_file.h"
#include "rules/card_scan.h"

#include <QMetaObject>
#include <QWidget>

namespace memora {

namespace {
Platform* installed = nullptr;
}

Platform& platform()
{
    if (!installed)
        qFatal("No platform is installed");
    return *installed;
}

void installPlatform(Platform* platform) { installed = platform; }

QDate today() { return platform().clock->today(); }

QString programDirectory() { return platform().directory->path(); }

QString archiveFile() { return archivePath(programDirectory()); }

void reportArchiveFailure(QWidget* window, MessageKind kind)
{
    platform().messages->show(window, kind, MsgArchivioInaccessibile);
}

void reportIncompleteScan(QWidget* window, const ScanResult& result)
{
    if (result.complete)
        return;
    QMetaObject::invokeMethod(
        window, [window] { reportArchiveFailure(window, MessageKind::Plain); }, Qt::QueuedConnection);
}

}  // namespace memora
