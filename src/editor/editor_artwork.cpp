#include "editor/editor_artwork.h"

#include "widgets/artwork.h"
#include "widgets/colours.h"

#include <QPainter>
#include <QPainterPath>

namespace memora::art {

namespace {

QLinearGradient downward(const QRectF& r, const QColor& colour)
{
    return verticalGradient(r, colour.lighter(140), colour);
}

}  // namespace

Artwork titleBand(const QString& caption, const QColor& colour, int pointSize)
{
    return [=](QPainter& p, const QRectF& r) {
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(downward(r, colour));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setFont(QFont(QStringLiteral("Verdana"), pointSize, QFont::Bold));
        p.setPen(QColor(0, 0, 0, 80));
        p.drawText(r.translated(1, 1), Qt::AlignCenter, caption);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, caption);
    };
}

Artwork navigationArrow(Step step, const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF face = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(colour.darker(150), 1));
        p.setBrush(downward(face, colour));
        p.drawRoundedRect(face, 4, 4);
        const bool forward = step == Step::Next || step == Step::Last;
        const bool toEnd = step == Step::First || step == Step::Last;
        const QRectF glyph = centredSquare(face, face.height() * 0.25);
        const qreal tip = forward ? glyph.right() : glyph.left();
        const qreal back = forward ? glyph.left() + glyph.width() * 0.2 : glyph.right() - glyph.width() * 0.2;
        QPolygonF triangle;
        triangle << QPointF(back, glyph.top()) << QPointF(tip, glyph.center().y()) << QPointF(back, glyph.bottom());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(triangle);
        if (toEnd) {
            const qreal bar = glyph.width() * 0.14;
            const qreal x = forward ? glyph.right() : glyph.left() - bar;
            p.drawRect(QRectF(x, glyph.top(), bar, glyph.height()));
        }
    };
}

Artwork calendarLeaf(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF leaf = centredSquare(r, 2);
        p.setPen(QPen(frameGrey, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(leaf, 3, 3);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(leaf.left(), leaf.top(), leaf.width(), leaf.height() * 0.3), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(colour.darker(130));
        const qreal cell = leaf.width() / 5;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                p.drawRect(QRectF(leaf.left() + cell * (0.8 + column * 1.2), leaf.top() + leaf.height() * 0.42
                                  + row * cell * 1.2, cell * 0.8, cell * 0.8));
    };
}

Artwork tick(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF box = centredSquare(r, 2);
        QPainterPath mark;
        mark.moveTo(box.left() + box.width() * 0.12, box.top() + box.height() * 0.55);
        mark.lineTo(box.left() + box.width() * 0.4, box.bottom() - box.height() * 0.12);
        mark.lineTo(box.right() - box.width() * 0.08, box.top() + box.height() * 0.12);
        p.setPen(QPen(colour, box.width() * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark);
    };
}

}  // namespace memora::art
