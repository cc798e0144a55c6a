#include "widgets/artwork.h"

#include "widgets/colours.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace memora::art {

QLinearGradient verticalGradient(const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QRectF centredSquare(const QRectF& area, qreal margin)
{
    const qreal side = qMin(area.width(), area.height()) - 2 * margin;
    return {area.center().x() - side / 2, area.center().y() - side / 2, side, side};
}

namespace {

void drawText(QPainter& painter, const QRectF& area, const QString& text, int pointSize, const QColor& colour,
              int flags = Qt::AlignCenter | Qt::TextWordWrap)
{
    QFont font(QStringLiteral("Verdana"), pointSize, QFont::Bold);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, flags, text);
}

void drawDial(QPainter& p, const QRectF& dial, const QColor& colour)
{
    p.setPen(QPen(colour.darker(130), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(dial);
    const QPointF centre = dial.center();
    p.setPen(QPen(colour.darker(150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -dial.height() * 0.32));
    p.drawLine(centre, centre + QPointF(dial.width() * 0.24, dial.height() * 0.1));
}

}  // namespace

Artwork captionButton(const QString& caption, const QColor& colour, int pointSize)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF face = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(verticalGradient(face, colour.lighter(135), colour));
        p.drawRoundedRect(face, 6, 6);
        drawText(p, face.adjusted(4, 2, -4, -2), caption, pointSize, Qt::white);
    };
}

Artwork roundIcon(const QString& glyph, const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF circle = centredSquare(r, 1);
        const qreal side = circle.width();
        p.setPen(QPen(colour.darker(150), 1.5));
        p.setBrush(verticalGradient(circle, colour.lighter(150), colour));
        p.drawEllipse(circle);
        drawText(p, circle, glyph, int(side * 0.38), Qt::white, Qt::AlignCenter);
    };
}

Artwork speechBubble(const QString& text, const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF body = r.adjusted(2, 2, -2, -r.height() * 0.25);
        QPainterPath path;
        path.addRoundedRect(body, 14, 14);
        QPolygonF tail;
        tail << QPointF(body.left() + body.width() * 0.2, body.bottom() - 1)
             << QPointF(body.left() + body.width() * 0.12, r.bottom() - 2)
             << QPointF(body.left() + body.width() * 0.35, body.bottom() - 1);
        path.addPolygon(tail);
        path.setFillRule(Qt::WindingFill);
        p.setPen(QPen(colour.darker(150), 2));
        p.setBrush(verticalGradient(r, colour.lighter(130), colour));
        p.drawPath(path.simplified());
        drawText(p, body, text, 13, Qt::white);
    };
}

Artwork hourglass(const QColor& sand, const QColor& frame)
{
    return [=](QPainter& p, const QRectF& r) {
        const qreal w = r.width() * 0.6;
        const qreal left = r.center().x() - w / 2;
        const qreal top = r.top() + 6;
        const qreal bottom = r.bottom() - 6;
        const qreal mid = r.center().y();
        p.setPen(QPen(frame, 3));
        p.setBrush(frame.lighter(160));
        QPolygonF glass;
        glass << QPointF(left, top) << QPointF(left + w, top) << QPointF(r.center().x() + 3, mid)
              << QPointF(left + w, bottom) << QPointF(left, bottom) << QPointF(r.center().x() - 3, mid);
        p.drawPolygon(glass);
        p.setPen(Qt::NoPen);
        p.setBrush(sand);
        QPolygonF upper;
        upper << QPointF(left + w * 0.2, top + (mid - top) * 0.35) << QPointF(left + w * 0.8, top + (mid - top) * 0.35)
              << QPointF(r.center().x(), mid - 2);
        p.drawPolygon(upper);
        QPolygonF lower;
        lower << QPointF(r.center().x(), bottom - (bottom - mid) * 0.45) << QPointF(left + w * 0.9, bottom - 2)
              << QPointF(left + w * 0.1, bottom - 2);
        p.drawPolygon(lower);
        p.setPen(QPen(frame.darker(130), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(left - 4, top), QPointF(left + w + 4, top));
        p.drawLine(QPointF(left - 4, bottom), QPointF(left + w + 4, bottom));
    };
}

Artwork clock(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) { drawDial(p, centredSquare(r, 2), colour); };
}

Artwork alarmClock(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF dial = centredSquare(r, r.height() * 0.14);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const qreal bell = dial.width() * 0.36;
        p.drawPie(QRectF(dial.left() - bell * 0.15, dial.top() - bell * 0.3, bell, bell), 0, 180 * 16);
        p.drawPie(QRectF(dial.right() - bell * 0.85, dial.top() - bell * 0.3, bell, bell), 0, 180 * 16);
        p.setPen(QPen(colour.darker(130), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(dial.bottomLeft() + QPointF(dial.width() * 0.2, -2), dial.bottomLeft() + QPointF(2, 2));
        p.drawLine(dial.bottomRight() + QPointF(-dial.width() * 0.2, -2), dial.bottomRight() + QPointF(-2, 2));
        drawDial(p, dial, colour);
    };
}

Artwork deskCalendar()
{
    return [](QPainter& p, const QRectF& r) {
        const QRectF page = r.adjusted(r.width() * 0.08, r.height() * 0.12, -r.width() * 0.25, -r.height() * 0.08);
        p.setPen(QPen(frameGrey, 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(page, 6, 6);
        const QRectF band(page.left(), page.top(), page.width(), page.height() * 0.28);
        p.setBrush(calendarRed);
        p.drawRoundedRect(band, 6, 6);
        drawText(p, page.adjusted(0, band.height(), 0, 0), QStringLiteral("31"), int(page.height() * 0.3),
                 QColor(40, 40, 40), Qt::AlignCenter);
        const qreal side = r.width() * 0.42;
        const QRectF dial(r.right() - side - 2, r.bottom() - side - 2, side, side);
        p.setPen(QPen(QColor(30, 60, 120), 2));
        p.setBrush(QColor(240, 245, 255));
        p.drawEllipse(dial);
        p.drawLine(dial.center(), dial.center() + QPointF(0, -side * 0.32));
        p.drawLine(dial.center(), dial.center() + QPointF(side * 0.25, 0));
    };
}

Artwork logo(const QString& name)
{
    return [=](QPainter& p, const QRectF& r) {
        QFont font(QStringLiteral("Verdana"), int(r.height() * 0.45), QFont::Bold);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(QColor(255, 255, 255, 160));
        p.drawText(r.translated(2, 2), Qt::AlignCenter, name);
        p.setPen(QColor(25, 55, 110));
        p.drawText(r, Qt::AlignCenter, name);
    };
}

Artwork noticeBar(const QString& text, const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(r, colour.lighter(140), colour));
        p.drawRoundedRect(r, 4, 4);
        drawText(p, r, text, 9, Qt::white);
    };
}

Artwork note(const QString& text, const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF paper = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(colour.darker(130), 1));
        p.setBrush(verticalGradient(paper, Qt::white, colour));
        p.drawRoundedRect(paper, 8, 8);
        drawText(p, paper.adjusted(8, 4, -8, -4), text, 9, QColor(30, 40, 70));
    };
}

Artwork person(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const qreal head = r.width() * 0.36;
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(r, colour.lighter(140), colour));
        p.drawEllipse(QRectF(r.center().x() - head / 2, r.top() + 4, head, head));
        QPainterPath body;
        const QRectF torso(r.left() + r.width() * 0.12, r.top() + head + 8, r.width() * 0.76, r.height());
        body.addRoundedRect(torso, torso.width() / 2, torso.width() / 2);
        p.setClipRect(r);
        p.drawPath(body);
        p.setClipping(false);
    };
}

Artwork arrow(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        QPolygonF shape;
        const qreal y = r.center().y();
        const qreal h = r.height() * 0.25;
        shape << QPointF(r.left(), y - h) << QPointF(r.right() - r.width() * 0.35, y - h)
              << QPointF(r.right() - r.width() * 0.35, r.top()) << QPointF(r.right(), y)
              << QPointF(r.right() - r.width() * 0.35, r.bottom()) << QPointF(r.right() - r.width() * 0.35, y + h)
              << QPointF(r.left(), y + h);
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(colour);
        p.drawPolygon(shape);
    };
}

Artwork banner(const QString& glyph, const QColor& colour, const QString& heading)
{
    const Artwork icon = roundIcon(glyph, colour);
    return [=](QPainter& p, const QRectF& r) {
        const qreal side = r.height() * 0.8;
        const QRectF iconArea(r.left() + 12, r.center().y() - side / 2, side, side);
        icon(p, iconArea);
        const QRectF textArea(iconArea.right() + 16, r.top(), r.right() - iconArea.right() - 24, r.height());
        drawText(p, textArea, heading, int(r.height() * 0.22), colour.darker(140), Qt::AlignVCenter | Qt::AlignLeft);
        p.setPen(QPen(colour.lighter(120), 2));
        p.drawLine(QPointF(textArea.left(), r.bottom() - 6), QPointF(r.right() - 12, r.bottom() - 6));
    };
}

Artwork makerBanner(const QString& maker, const QString& product, const QString& lines)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF card = r.adjusted(16, 16, -16, -8);
        p.setPen(QPen(charcoal, 1.5));
        p.setBrush(verticalGradient(card, QColor(250, 250, 250), QColor(205, 210, 220)));
        p.drawRoundedRect(card, 14, 14);
        const qreal h = card.height();
        drawText(p, QRectF(card.left(), card.top() + h * 0.06, card.width(), h * 0.16), maker, int(h * 0.07),
                 frameGrey);
        logo(product)(p, QRectF(card.left(), card.top() + h * 0.2, card.width(), h * 0.34));
        p.setPen(QPen(alarmRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(card.left() + card.width() * 0.25, card.top() + h * 0.58),
                   QPointF(card.right() - card.width() * 0.25, card.top() + h * 0.58));
        drawText(p, QRectF(card.left() + 24, card.top() + h * 0.62, card.width() - 48, h * 0.34), lines,
                 int(h * 0.04), QColor(40, 40, 60));
    };
}

Artwork globe(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const QRectF ball = centredSquare(r, 2);
        const qreal side = ball.width();
        p.setPen(QPen(colour.darker(150), 1.5));
        p.setBrush(verticalGradient(ball, colour.lighter(160), colour));
        p.drawEllipse(ball);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
        for (const qreal share : {0.3, 0.65})
            p.drawEllipse(ball.adjusted(side * (1 - share) / 2, 0, -side * (1 - share) / 2, 0));
        p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
        for (const qreal y : {0.25, 0.5, 0.75}) {
            const qreal dy = (y - 0.5) * side;
            const qreal half = std::sqrt(side * side / 4 - dy * dy);
            p.drawLine(QPointF(ball.center().x() - half, ball.center().y() + dy),
                       QPointF(ball.center().x() + half, ball.center().y() + dy));
        }
    };
}

Artwork envelope(const QColor& colour)
{
    return [=](QPainter& p, const QRectF& r) {
        const qreal w = r.width() - 4;
        const qreal h = qMin(r.height() - 4, w * 0.68);
        const QRectF body(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
        p.setPen(QPen(colour.darker(150), 1.5));
        p.setBrush(verticalGradient(body, Qt::white, colour.lighter(170)));
        p.drawRoundedRect(body, 3, 3);
        QPolygonF flap;
        flap << body.topLeft() << QPointF(body.center().x(), body.top() + h * 0.58) << body.topRight();
        p.setBrush(colour.lighter(140));
        p.drawPolygon(flap);
    };
}

Artwork pdfIcon()
{
    return [](QPainter& p, const QRectF& r) {
        const qreal h = r.height() - 4;
        const qreal w = qMin(r.width() - 4, h * 0.78);
        const QRectF page(r.center().x() - w / 2, r.top() + 2, w, h);
        const qreal fold = w * 0.3;
        QPolygonF sheet;
        sheet << page.topLeft() << QPointF(page.right() - fold, page.top()) << QPointF(page.right(), page.top() + fold)
              << page.bottomRight() << page.bottomLeft();
        p.setPen(QPen(QColor(110, 110, 110), 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(sheet);
        QPolygonF corner;
        corner << QPointF(page.right() - fold, page.top()) << QPointF(page.right() - fold, page.top() + fold)
               << QPointF(page.right(), page.top() + fold);
        p.setBrush(QColor(220, 220, 220));
        p.drawPolygon(corner);
        const QRectF label(page.left() - 2, page.top() + h * 0.5, w + 4, h * 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(calendarRed);
        p.drawRoundedRect(label, 2, 2);
        drawText(p, label, QStringLiteral("PDF"), qMax(6, int(label.height() * 0.5)), Qt::white, Qt::AlignCenter);
    };
}

}  // namespace memora::art
