#include "print/print_artwork.h"

#include "widgets/colours.h"

#include <QPainter>

namespace memora::art {

Artwork heading(const QString& title, const QString& line)
{
    return [=](QPainter& p, const QRectF& r) {
        QFont font(QStringLiteral("Verdana"), 12, QFont::Bold);
        p.setFont(font);
        p.setPen(ink);
        const QRectF titleArea(r.left(), r.top(), r.width(), r.height() * 0.38);
        p.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, title);
        p.setPen(QPen(ink, 1));
        p.drawLine(titleArea.bottomLeft(), titleArea.bottomRight());
        font.setPointSize(9);
        font.setBold(false);
        p.setFont(font);
        p.drawText(r.adjusted(0, titleArea.height() + 4, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
    };
}

Artwork printer(bool magnifier)
{
    return [=](QPainter& p, const QRectF& r) {
        const qreal w = r.width();
        const qreal h = r.height();
        p.setPen(QPen(QColor(60, 60, 70), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + w * 0.28, r.top() + h * 0.08, w * 0.44, h * 0.36));  // sheet in
        p.setBrush(QColor(150, 160, 175));
        p.drawRoundedRect(QRectF(r.left() + w * 0.08, r.top() + h * 0.36, w * 0.84, h * 0.34), 5, 5);
        p.setBrush(Qt::white);
        const QRectF sheet(r.left() + w * 0.24, r.top() + h * 0.58, w * 0.52, h * 0.36);
        p.drawRect(sheet);  // sheet out
        p.setPen(QPen(QColor(150, 150, 160), 1));
        for (int row = 1; row <= 3; ++row)
            p.drawLine(QPointF(sheet.left() + 4, sheet.top() + row * sheet.height() / 4),
                       QPointF(sheet.right() - 4, sheet.top() + row * sheet.height() / 4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 90));
        p.drawEllipse(QRectF(r.left() + w * 0.78, r.top() + h * 0.42, w * 0.07, w * 0.07));
        if (!magnifier)
            return;
        const QRectF lens(r.left() + w * 0.46, r.top() + h * 0.5, w * 0.34, w * 0.34);
        p.setPen(QPen(QColor(110, 70, 30), w * 0.07, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lens.center() + QPointF(lens.width() * 0.35, lens.height() * 0.35),
                   QPointF(r.right() - w * 0.02, r.bottom() - h * 0.02));
        p.setPen(QPen(ink, w * 0.04));
        p.setBrush(QColor(200, 230, 255, 150));
        p.drawEllipse(lens);
    };
}

}  // namespace memora::art
