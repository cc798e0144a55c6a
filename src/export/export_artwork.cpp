#include "export/export_artwork.h"

#include "widgets/artwork.h"
#include "widgets/colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace memora::art {

namespace {

// The font made smaller, when it must, until text fits width.
QFont fittedFont(QFont font, const QString& text, qreal width)
{
    while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void drawClock(QPainter& p, const QRectF& dial)
{
    p.setPen(QPen(clockNavy, 2.5));
    p.setBrush(verticalGradient(dial, Qt::white, QColor(215, 225, 245)));
    p.drawEllipse(dial);
    p.setPen(QPen(clockNavy, 1.5));
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(dial.center());
        p.rotate(hour * 30.0);
        p.drawLine(QPointF(0, -dial.height() * 0.42), QPointF(0, -dial.height() * 0.36));
        p.restore();
    }
    p.setPen(QPen(alarmRed, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dial.center(), dial.center() + QPointF(0, -dial.height() * 0.32));
    p.drawLine(dial.center(), dial.center() + QPointF(dial.width() * 0.22, dial.height() * 0.08));
}

void drawCalendarPage(QPainter& p, const QRectF& page)
{
    p.setPen(QPen(frameGrey, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 4, 4);
    const QRectF band(page.left(), page.top(), page.width(), page.height() * 0.3);
    p.setBrush(alarmRed);
    p.drawRoundedRect(band, 4, 4);
    p.setPen(charcoal);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const QRectF cell(page.left() + 4 + column * (page.width() - 8) / 4,
                              band.bottom() + 4 + row * (page.bottom() - band.bottom() - 8) / 3,
                              (page.width() - 8) / 4 - 3, (page.bottom() - band.bottom() - 8) / 3 - 3);
            p.fillRect(cell, cellGrey);
        }
}

// The parts of a file's icon in r: a page as tall as the icon's side, and
// the band across its foot, as wide as the side, that names the file's kind.
struct FileIcon {
    explicit FileIcon(const QRectF& r)
        : side(qMin(r.width(), r.height()) - 4),
          page(r.center().x() - side * 0.4, r.center().y() - side / 2, side * 0.8, side),
          label(r.center().x() - side / 2, page.bottom() - side * 0.36, side, side * 0.28)
    {
    }
    qreal side;
    QRectF page;
    QRectF label;
};

// The icon's white page outlined in line, its top right corner folded over
// by fold and the fold's back in foldColour.
void drawFoldedPage(QPainter& p, const FileIcon& icon, qreal fold, const QColor& line, const QColor& foldColour)
{
    const QRectF& page = icon.page;
    const QPointF corner(page.right() - fold, page.top() + fold);
    p.setPen(QPen(line, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({page.topLeft(), QPointF(corner.x(), page.top()), QPointF(page.right(), corner.y()),
                             page.bottomRight(), page.bottomLeft()}));
    p.setBrush(foldColour);
    p.drawPolygon(QPolygonF({QPointF(corner.x(), page.top()), corner, QPointF(page.right(), corner.y())}));
}

// The file's kind ("XLSX", "ICS") in white on the icon's band, shaded from
// top to bottom.
void drawKindLabel(QPainter& p, const FileIcon& icon, const QString& kind, const QColor& top, const QColor& bottom)
{
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(icon.label, top, bottom));
    p.drawRoundedRect(icon.label, 3, 3);
    p.setFont(QFont(QStringLiteral("Verdana"), qMax(6, int(icon.side * 0.17)), QFont::Bold));
    p.setPen(Qt::white);
    p.drawText(icon.label, Qt::AlignCenter, kind);
}

}  // namespace

Artwork excelBanner()
{
    return [](QPainter& p, const QRectF& r) {
        const QRectF band = r.adjusted(1, 1, -1, -1);
        p.setPen(QPen(excelGreen.darker(140), 1));
        p.setBrush(verticalGradient(band, excelGreen.lighter(140), excelGreen));
        p.drawRoundedRect(band, 8, 8);
        const QString title = QStringLiteral("ESPORTAZIONE IN EXCEL");
        p.setFont(fittedFont(QFont(QStringLiteral("Verdana"), int(r.height() * 0.3), QFont::Bold), title,
                             band.width() - 16));
        p.setPen(QColor(0, 0, 0, 70));
        p.drawText(band.translated(2, 2), Qt::AlignCenter, title);
        p.setPen(Qt::white);
        p.drawText(band, Qt::AlignCenter, title);
    };
}

Artwork deadlinesBanner(const QString& title)
{
    return [=](QPainter& p, const QRectF& r) {
        const qreal side = r.height() - 6;
        drawClock(p, QRectF(r.left() + 3, r.top() + 3, side, side));
        drawCalendarPage(p, QRectF(r.right() - side * 0.9 - 3, r.top() + 5, side * 0.9, side - 4));
        const QRectF titleArea = r.adjusted(side + 10, 0, -side - 10, 0);
        QFont font(QStringLiteral("Verdana"), int(r.height() * 0.32), QFont::Bold);
        font.setItalic(true);
        p.setFont(fittedFont(font, title, titleArea.width()));
        p.setPen(alarmRed);
        p.drawText(titleArea, Qt::AlignCenter, title);
    };
}

Artwork spreadsheetIcon()
{
    return [](QPainter& p, const QRectF& r) {
        const qreal side = qMin(r.width(), r.height()) - 4;
        const QRectF sheet(r.center().x() - side / 2 + side * 0.12, r.center().y() - side / 2, side * 0.88, side);
        p.setPen(QPen(excelGreen.darker(150), 1.2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(sheet, 3, 3);
        p.setPen(QPen(excelGreen.lighter(150), 1));
        for (int line = 1; line < 5; ++line) {
            const qreal y = sheet.top() + line * sheet.height() / 5;
            p.drawLine(QPointF(sheet.left() + sheet.width() * 0.45, y), QPointF(sheet.right() - 2, y));
        }
        const QRectF badge(r.center().x() - side / 2, r.center().y() - side * 0.3, side * 0.58, side * 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(badge, excelGreen.lighter(130), excelGreen));
        p.drawRoundedRect(badge, 3, 3);
        QFont font(QStringLiteral("Verdana"), qMax(6, int(side * 0.32)), QFont::Bold);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(badge, Qt::AlignCenter, QStringLiteral("X"));
    };
}

Artwork calendarFileIcon()
{
    return [](QPainter& p, const QRectF& r) {
        const FileIcon icon(r);
        drawFoldedPage(p, icon, icon.page.width() * 0.3, frameGrey, QColor(215, 215, 215));
        const QRectF band(icon.page.left() + 4, icon.page.top() + icon.side * 0.14, icon.page.width() - 8,
                          icon.side * 0.2);
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(band, alarmRed.lighter(130), alarmRed));
        p.drawRoundedRect(band, 2, 2);
        p.setPen(QPen(charcoal, 2, Qt::SolidLine, Qt::RoundCap));
        for (const qreal x : {band.left() + band.width() * 0.25, band.left() + band.width() * 0.6})
            p.drawLine(QPointF(x, band.top() - 3), QPointF(x, band.top() + 3));
        // Two rows of days, one marked, leave room below for the file's kind:
        // the banners' calendar page, with three rows, would not.
        const qreal top = band.bottom() + 3;
        const qreal cell = band.width() / 4;
        const qreal rowHeight = (icon.label.top() - 2 - top) / 2;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 4; ++column) {
                const QRectF day(band.left() + column * cell + 1, top + row * rowHeight + 1, cell - 2, rowHeight - 2);
                p.fillRect(day, row == 1 && column == 2 ? alarmRed : cellGrey);
            }
        drawKindLabel(p, icon, QStringLiteral("ICS"), alarmRed.lighter(115), alarmRed.darker(120));
    };
}

Artwork workbookIcon()
{
    return [](QPainter& p, const QRectF& r) {
        const FileIcon icon(r);
        const qreal fold = icon.side * 0.22;
        drawFoldedPage(p, icon, fold, workbookGreen.darker(130), workbookGreen.lighter(170));
        const QRectF table(icon.page.left() + icon.side * 0.1, icon.page.top() + fold + 2,
                           icon.page.width() - icon.side * 0.2, icon.side * 0.3);
        p.setPen(QPen(workbookGreen.lighter(140), 1));
        for (int line = 0; line <= 3; ++line) {
            const qreal y = table.top() + line * table.height() / 3;
            p.drawLine(QPointF(table.left(), y), QPointF(table.right(), y));
        }
        for (int line = 0; line <= 3; ++line) {
            const qreal x = table.left() + line * table.width() / 3;
            p.drawLine(QPointF(x, table.top()), QPointF(x, table.bottom()));
        }
        drawKindLabel(p, icon, QStringLiteral("XLSX"), workbookGreen.lighter(125), workbookGreen);
    };
}

Artwork exitDoor()
{
    return [](QPainter& p, const QRectF& r) {
        const qreal side = qMin(r.width(), r.height()) - 4;
        const QRectF frame(r.center().x() - side * 0.2, r.center().y() - side / 2, side * 0.6, side);
        p.setPen(QPen(QColor(90, 60, 30), 2));
        p.setBrush(QColor(60, 40, 25));
        p.drawRect(frame);
        QPolygonF door;
        door << frame.topLeft() << QPointF(frame.left() + frame.width() * 0.7, frame.top() + side * 0.08)
             << QPointF(frame.left() + frame.width() * 0.7, frame.bottom() - side * 0.02) << frame.bottomLeft();
        p.setBrush(verticalGradient(frame, QColor(205, 150, 90), QColor(150, 95, 45)));
        p.drawPolygon(door);
        p.setPen(QPen(alarmRed, side * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal y = r.center().y();
        const QPointF tip(r.center().x() - side * 0.48, y);
        p.drawLine(QPointF(frame.left() + frame.width() * 0.35, y), tip);
        p.drawLine(tip, tip + QPointF(side * 0.16, -side * 0.14));
        p.drawLine(tip, tip + QPointF(side * 0.16, side * 0.14));
    };
}

Artwork pointingHand()
{
    return [](QPainter& p, const QRectF& r) {
        const qreal h = r.height();
        const qreal w = r.width();
        QPainterPath hand;
        hand.addRoundedRect(QRectF(r.left() + w * 0.05, r.top() + h * 0.3, w * 0.5, h * 0.6), h * 0.12, h * 0.12);
        hand.addRoundedRect(QRectF(r.left() + w * 0.4, r.top() + h * 0.32, w * 0.56, h * 0.16), h * 0.08, h * 0.08);
        for (int finger = 0; finger < 3; ++finger)
            hand.addRoundedRect(QRectF(r.left() + w * 0.4, r.top() + h * (0.5 + finger * 0.13), w * 0.22, h * 0.12),
                                h * 0.06, h * 0.06);
        hand.setFillRule(Qt::WindingFill);
        p.setPen(QPen(QColor(150, 100, 60), 1.2));
        p.setBrush(verticalGradient(r, QColor(255, 225, 190), QColor(235, 185, 140)));
        p.drawPath(hand.simplified());
        p.fillRect(QRectF(r.left(), r.top() + h * 0.34, w * 0.1, h * 0.52), QColor(50, 90, 160));
    };
}

}  // namespace memora::art
