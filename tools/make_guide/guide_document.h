// The user guide as a document: a cover, then every help topic with its
// title and paragraphs, so the guide says what the help windows say.
#pragma once

#include <QTextDocument>

#include <memory>

namespace memora {

std::unique_ptr<QTextDocument> guideDocument();

}  // namespace memora
