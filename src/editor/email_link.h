// The link the e-mail button hands to the desktop: a new message to the
// card's address and nothing more.
#pragma once

#include <QString>
#include <QStringView>

namespace memora {

// "mailto:" and the address trimmed of blanks. The address may come from a
// shared archive written by someone else, so "%", "?", "&" and "#" are
// percent-encoded and control characters dropped: no text of a card can add
// a subject, a body, headers or attachments to the message.
QString mailtoLink(QStringView address);

}  // namespace memora
