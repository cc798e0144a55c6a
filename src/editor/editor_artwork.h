// The card editor's own pictures, drawn in code: title and header bands,
// the navigation arrows, the calendar button and the decorative tick.
#pragma once

#include "widgets/picture.h"

#include <QColor>
#include <QString>

namespace memora::art {

// A band with a caption in capitals, such as ARCHIVIO SCADENZE.
Artwork titleBand(const QString& caption, const QColor& colour, int pointSize);

enum class Step { First, Previous, Next, Last };
// A small arrow button: a triangle, with a bar for the first and last card.
Artwork navigationArrow(Step step, const QColor& colour);

// A small calendar leaf, the face of the date picker's button.
Artwork calendarLeaf(const QColor& colour);
Artwork tick(const QColor& colour);

}  // namespace memora::art
