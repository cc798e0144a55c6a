// The four help topics: a title and Italian paragraphs, shown by the help
// window and laid out in the user guide Guida.pdf.
//
// The paragraphs live as text files in resources/help, compiled into the
// program; the topic of the card editor is paragraphs 2 to 11 of the overview.
#pragma once

#include <QString>

namespace memora {

struct HelpTopic {
    QString title;
    QString text;  // paragraphs joined by an empty line, "\r\n\r\n"
};

enum class HelpTopicId { Sguardo, Archivio, Visualizzazione, Esportazione };

// Every topic, in the order the guide presents them.
inline constexpr HelpTopicId helpTopicIds[] = {HelpTopicId::Sguardo, HelpTopicId::Archivio,
                                               HelpTopicId::Visualizzazione, HelpTopicId::Esportazione};

// The separator between two paragraphs of a topic's text.
inline const QString paragraphSeparator = QStringLiteral("\r\n\r\n");

HelpTopic helpTopic(HelpTopicId id);

}  // namespace memora
