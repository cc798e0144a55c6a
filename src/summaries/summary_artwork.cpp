#include "summaries/summary_artwork.h"

#include "widgets/artwork.h"
#include "widgets/colours.h"

#include <QPainter>

namespace memora::art {

Artwork magnifier(const QColor& frame)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF box = centredSquare(r);
        const qreal s = box.width();
        const QRectF lens(box.left() + s * 0.08, box.top() + s * 0.08, s * 0.58, s * 0.58);
        p.setPen(QPen(frame, s * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lens.center() + QPointF(s * 0.24, s * 0.24), box.bottomRight() - QPointF(s * 0.1, s * 0.1));
        p.setPen(QPen(frame, s * 0.08));
        p.setBrush(verticalGradient(lens, QColor(230, 245, 255), QColor(170, 210, 240)));
        p.drawEllipse(lens);
    };
}

Artwork summaryBanner(const QString& subject)
{
    return [=](QPainter& p, const QRectF& r) {
        p.setPen(QPen(midGrey, 1));
        p.setBrush(verticalGradient(r, Qt::white, QColor(225, 225, 225)));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        const qreal icon = r.height() - 8;
        alarmClock(bannerRed)(p, QRectF(r.left() + 12, r.top() + 4, icon, icon));
        hourglass(hourglassSand, hourglassFrame)(p, QRectF(r.right() - 12 - icon, r.top() + 4, icon, icon));
        p.setFont(QFont(QStringLiteral("Verdana"), 18, QFont::Bold));
        p.setPen(bannerRed);
        p.drawText(r, Qt::AlignCenter, subject);
    };
}

Artwork gradientBox(const QColor& top, const QColor& bottom, const QColor& outline)
{
    return [=](QPainter& p, const QRectF& r) {
        p.setPen(QPen(outline, 1));
        p.setBrush(verticalGradient(r, top, bottom));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    };
}

Artwork fieldHighlight()
{
    return [](QPainter& p, const QRectF& r) {
        const QRectF frame = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(QBrush(verticalGradient(frame, gold, Qt::white)), 2));
        p.setBrush(QColor(255, 245, 140));
        p.drawRoundedRect(frame, 4, 4);
    };
}

}  // namespace memora::art
