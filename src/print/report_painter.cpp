#include "print/report_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPageSize>

#include <algorithm>

namespace memora {

namespace {

constexpr qreal outlineWidth = 0.2;  // mm: the thin outline of frames and rules
constexpr qreal mmPerInch = 25.4;

class PageMapping {
public:
    PageMapping(qreal dotsPerMm, QPointF origin) : m_scale(dotsPerMm), m_origin(origin) {}
    QPointF point(QPointF mm) const { return m_origin + mm * m_scale; }
    QRectF rect(const QRectF& mm) const { return {point(mm.topLeft()), mm.size() * m_scale}; }
    qreal length(qreal mm) const { return mm * m_scale; }

private:
    qreal m_scale;
    QPointF m_origin;
};

void paintShape(QPainter& painter, const PlacedShape& placed, const PageMapping& map)
{
    const Shape& shape = placed.shape;
    painter.setClipRect(map.rect(placed.clip));
    painter.setPen(shape.outline.isValid() ? QPen(shape.outline, map.length(outlineWidth)) : QPen(Qt::NoPen));
    painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
    if (shape.kind == Shape::Kind::Line)
        painter.drawLine(map.point(shape.rect.topLeft()), map.point(shape.rect.bottomRight()));
    else
        painter.drawRect(map.rect(shape.rect));
}

// The font at its point size on the page, whatever the scale of the
// painter's coordinates: the device turns points into dots at its own
// resolution, the page is drawn at map's.
QFont fontFor(const TextStyle& style, const QPainter& painter, const PageMapping& map)
{
    QFont font(style.family);
    const qreal pageDotsPerInch = map.length(mmPerInch);
    font.setPointSizeF(style.pointSize * pageDotsPerInch / painter.device()->logicalDpiY());
    font.setBold(style.bold);
    return font;
}

void paintText(QPainter& painter, const PlacedText& placed, const PageMapping& map)
{
    painter.setClipRect(map.rect(placed.clip));
    painter.setFont(fontFor(placed.style, painter, map));
    painter.setPen(placed.style.colour);
    // A single line drawn as it stands: no wrapping, no mnemonics, no markup.
    painter.drawText(map.rect(placed.rect), int(placed.style.alignment) | Qt::TextSingleLine, placed.text);
}

}  // namespace

QPageLayout reportPageLayout(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation,
                       QMarginsF(pageMargin, pageMargin, pageMargin, pageMargin), QPageLayout::Millimeter);
}

void paintPage(const ReportPage& page, QPainter& painter, qreal dotsPerMm, QPointF origin)
{
    const PageMapping map(dotsPerMm, origin);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedShape& shape : page.shapes)
        paintShape(painter, shape, map);
    for (const PlacedText& text : page.texts)
        paintText(painter, text, map);
    painter.restore();
}

std::vector<std::size_t> pagesInPrintOrder(std::size_t pageCount, PrintOrder order)
{
    const std::size_t copies = std::size_t(std::max(order.copies, 1));
    std::vector<std::size_t> pages;
    pages.reserve(pageCount * copies);
    for (std::size_t k = 0; k < pageCount * copies; ++k)
        pages.push_back(order.collated ? k % pageCount : k / copies);
    if (order.lastPageFirst)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

bool renderReport(const ReportDocument& document, QPagedPaintDevice& device, PrintOrder order)
{
    device.setPageLayout(reportPageLayout(document.orientation));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal dotsPerMm = device.logicalDpiX() / mmPerInch;
    // The painter starts where the device's margins end; those may differ
    // from ours when a printer insists on wider ones.
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const QPointF origin = (QPointF(pageMargin, pageMargin) - paintRect.topLeft()) * dotsPerMm;
    const std::vector<std::size_t> pages = pagesInPrintOrder(document.pages.size(), order);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0 && !device.newPage())
            return false;
        paintPage(document.pages[pages[k]], painter, dotsPerMm, origin);
    }
    return painter.end();
}

}  // namespace memora
