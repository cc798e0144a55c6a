#include "info/misc.h"

#include "platform/platform.h"

#include <QFileInfo>
#include <QUrl>

namespace memora {

namespace {

QString withoutShellQuotes(const QString& text)
{
    const QChar quote(u'"');
    if (text.size() >= 2 && text.startsWith(quote) && text.endsWith(quote))
        return text.mid(1, text.size() - 2);
    return text;
}

// The URL the desktop receives for a text; empty when there is nothing to open.
QUrl openedUrl(const QString& text)
{
    const QString bare = withoutShellQuotes(text);
    if (bare.isEmpty())
        return {};
    // A one-letter scheme is a drive letter ("C:/..."), so a path, not a URL.
    const QUrl url(bare, QUrl::TolerantMode);
    const QUrl target = url.scheme().size() > 1 ? url : QUrl::fromLocalFile(bare);
    // A desktop may answer a missing file with a message of its own; a
    // missing file opens nothing and shows nothing.
    if (target.isLocalFile() && !QFileInfo::exists(target.toLocalFile()))
        return {};
    return target;
}

}  // namespace

void TMisc::Open(const QString& text)
{
    const QUrl url = openedUrl(text);
    if (!url.isEmpty())
        platform().desktop->open(url);
}

}  // namespace memora
