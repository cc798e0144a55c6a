#include "guide_document.h"

#include "info/help_topics.h"
#include "info/maker.h"

#include <QFont>

namespace memora {

namespace {

QString paragraph(const QString& text, const QString& style = QString())
{
    return QStringLiteral("<p style=\"%1\">%2</p>").arg(style, text.toHtmlEscaped());
}

QString cover()
{
    return QStringLiteral("<h1 style=\"color: #dc143c; font-size: 28pt;\">Memora</h1>")
           + paragraph(QStringLiteral("Guida all'utilizzo del software"), QStringLiteral("font-size: 16pt;"))
           + paragraph(maker::name + QStringLiteral(" - ") + maker::webAddressShown(), QStringLiteral("color: #404040;"));
}

// Each topic starts on a page of its own, as each help window shows one.
QString section(const HelpTopic& topic)
{
    QString html = QStringLiteral("<h2 style=\"page-break-before: always; color: #dc143c;\">%1</h2>")
                       .arg(topic.title.toHtmlEscaped());
    for (const QString& text : topic.text.split(paragraphSeparator))
        html += paragraph(text, QStringLiteral("margin-bottom: 10pt;"));
    return html;
}

}  // namespace

std::unique_ptr<QTextDocument> guideDocument()
{
    QString html = cover();
    for (const HelpTopicId id : helpTopicIds)
        html += section(helpTopic(id));
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Verdana"), 11));
    document->setHtml(html);
    return document;
}

}  // namespace memora
