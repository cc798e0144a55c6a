#include "info/help_topics.h"

#include <QFile>
#include <QStringList>

// The topic texts are compiled into memora_core, a static library, so their
// resource must be registered by hand; this cannot sit inside a namespace.
static int registerHelpTexts()
{
    Q_INIT_RESOURCE(help_topics);
    return 0;
}

namespace memora {

namespace {

// The paragraphs of a topic file: blank lines separate paragraphs, and the
// lines of one paragraph are joined with a blank, so the files can be edited
// with short lines.
QStringList paragraphsOf(const QString& fileName)
{
    [[maybe_unused]] static const int registered = registerHelpTexts();
    QFile file(QStringLiteral(":/help/") + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList paragraphs;
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line.trimmed());
        } else if (!lines.isEmpty()) {
            paragraphs.append(lines.join(u' '));
            lines.clear();
        }
    }
    if (!lines.isEmpty())
        paragraphs.append(lines.join(u' '));
    return paragraphs;
}

HelpTopic topic(const QString& title, const QStringList& paragraphs)
{
    return {title, paragraphs.join(paragraphSeparator)};
}

}  // namespace

HelpTopic helpTopic(HelpTopicId id)
{
    switch (id) {
    case HelpTopicId::Sguardo:
        return topic(QStringLiteral("Uno sguardo a Memora."), paragraphsOf(QStringLiteral("uno_sguardo.txt")));
    case HelpTopicId::Archivio:
        return topic(QStringLiteral("Applicazione Archivio Scadenze."),
                     paragraphsOf(QStringLiteral("uno_sguardo.txt")).mid(1, 10));
    case HelpTopicId::Visualizzazione:
        return topic(QStringLiteral("Visualizzazione scadenze."), paragraphsOf(QStringLiteral("visualizzazione.txt")));
    case HelpTopicId::Esportazione:
        return topic(QStringLiteral("Esportazione archivio scadenze in Microsoft Excel."),
                     paragraphsOf(QStringLiteral("esportazione.txt")));
    }
    return {};
}

}  // namespace memora
