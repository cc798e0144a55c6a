#include "editor/email_link.h"

#include "archive/text_conventions.h"

namespace memora {

QString mailtoLink(QStringView address)
{
    QString link = QStringLiteral("mailto:");
    for (QChar c : trimmedView(address)) {
        if (c.unicode() < 32 || c.unicode() == 127)
            continue;
        if (c == u'%' || c == u'?' || c == u'&' || c == u'#')
            link += u'%' + QString::number(c.unicode(), 16).toUpper();
        else
            link += c;
    }
    return link;
}

}  // namespace memora
