// The artwork of the summary and search windows, drawn in code.
#pragma once

#include "widgets/picture.h"

#include <QColor>
#include <QString>

namespace memora::art {

// A magnifying glass.
Artwork magnifier(const QColor& frame);
// The banner across a list: the subject in red capitals between an alarm
// clock and an hourglass.
Artwork summaryBanner(const QString& subject);
// A flat rectangle with a vertical gradient and a thin outline.
Artwork gradientBox(const QColor& top, const QColor& bottom, const QColor& outline);
// The highlight behind a criterion field: a yellow fill whose outline fades
// from yellow to white.
Artwork fieldHighlight();

}  // namespace memora::art
