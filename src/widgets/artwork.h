// The program's artwork, drawn in code: button faces, icons, status pictures.
#pragma once

#include "widgets/picture.h"

#include <QColor>
#include <QLinearGradient>
#include <QString>

namespace memora::art {

// A gradient from top to bottom of area.
QLinearGradient verticalGradient(const QRectF& area, const QColor& top, const QColor& bottom);
// The largest square centred in area, margin inside its shorter side.
QRectF centredSquare(const QRectF& area, qreal margin = 0);

// A rounded button face in the given colour with its caption in white.
Artwork captionButton(const QString& caption, const QColor& colour, int pointSize = 10);
// A round icon with a glyph ("?", "i", "©", "✕") in white.
Artwork roundIcon(const QString& glyph, const QColor& colour);
// A speech bubble with a text, such as the status "Ci sono scadenze!".
Artwork speechBubble(const QString& text, const QColor& colour);
Artwork hourglass(const QColor& sand, const QColor& frame);
// A clock face, and an alarm clock with its bells and feet.
Artwork clock(const QColor& colour);
Artwork alarmClock(const QColor& colour);
// A desk calendar with a small clock.
Artwork deskCalendar();
// The product's name drawn as a logo.
Artwork logo(const QString& name);
// A bar with a notice drawn in it.
Artwork noticeBar(const QString& text, const QColor& colour);
// A note with wrapped text, such as an instruction.
Artwork note(const QString& text, const QColor& colour);
// A stylised person.
Artwork person(const QColor& colour);
// An arrow pointing right.
Artwork arrow(const QColor& colour);
// A window's banner on white: a round icon with its glyph, then a heading.
Artwork banner(const QString& glyph, const QColor& colour, const QString& heading);
// The maker's large banner: its name, the product and a few lines below.
Artwork makerBanner(const QString& maker, const QString& product, const QString& lines);
// A globe with meridians and parallels.
Artwork globe(const QColor& colour);
// A closed envelope.
Artwork envelope(const QColor& colour);
// A document page with a folded corner marked "PDF".
Artwork pdfIcon();

}  // namespace memora::art
