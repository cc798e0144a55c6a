#include "print/report_layout.h"

#include "archive/text_conventions.h"

#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace memora {

namespace {

constexpr qreal tolerance = 1e-6;  // mm; hides rounding in sums of line heights

// Stacks bands down the pages, starting a page when the current one is full.
class Paginator {
public:
    Paginator(QSizeF area, QDate printDate)
        : m_area(area), m_date(formatDate(printDate)), m_pages(1)
    {
    }

    void placeWhole(const Band& band);
    void placeSplit(const Band& band);
    std::vector<ReportPage> takePages() { return std::move(m_pages); }

private:
    qreal room() const { return m_area.height() - m_y; }
    void newPage();
    // Places the part of the band between the offsets from and to at the
    // current height of the current page.
    void placePart(const Band& band, qreal from, qreal to);
    void placeBox(const TextBox& box, qreal from, qreal to, const QRectF& part, qreal shift);

    QSizeF m_area;
    QString m_date;
    std::vector<ReportPage> m_pages;
    qreal m_y = 0;
};

void Paginator::newPage()
{
    m_pages.emplace_back();
    m_y = 0;
}

void Paginator::placeWhole(const Band& band)
{
    if (m_y > tolerance && band.height > room() + tolerance)
        newPage();
    placePart(band, 0, band.height);
}

void Paginator::placeSplit(const Band& band)
{
    const std::vector<qreal> breaks = band.breakOffsets();
    const qreal contentEnd = band.contentBottom();
    qreal start = 0;
    for (;;) {
        if (band.height - start <= room() + tolerance) {
            placePart(band, start, band.height);
            return;
        }
        const qreal limit = start + room();
        if (contentEnd <= limit + tolerance) {  // only empty band beyond this page
            placePart(band, start, limit);
            return;
        }
        const auto after = std::upper_bound(breaks.begin(), breaks.end(), limit + tolerance);
        qreal cut = after != breaks.begin() ? *(after - 1) : start;
        if (cut <= start + tolerance) {
            if (m_y > tolerance) {  // try again on a fresh page
                newPage();
                continue;
            }
            cut = limit;  // a line taller than a page: cut where the page ends
        }
        placePart(band, start, cut);
        newPage();
        start = cut;
    }
}

void Paginator::placePart(const Band& band, qreal from, qreal to)
{
    const qreal shift = m_y - from;
    const QRectF part(0, m_y, band.width, to - from);
    ReportPage& page = m_pages.back();
    for (const Shape& shape : band.shapes) {
        if (shape.rect.top() < to && shape.rect.bottom() >= from)
            page.shapes.push_back({{shape.kind, shape.rect.translated(0, shift), shape.outline, shape.fill}, part});
    }
    for (const TextBox& box : band.boxes)
        placeBox(box, from, to, part, shift);
    m_y += to - from;
}

void Paginator::placeBox(const TextBox& box, qreal from, qreal to, const QRectF& part, qreal shift)
{
    const QRectF onPage = box.rect.translated(0, shift);
    const QRectF clip = onPage.intersected(part);
    if (clip.isEmpty())
        return;
    ReportPage& page = m_pages.back();
    if (box.style.background.isValid())
        page.shapes.push_back({{Shape::Kind::Rectangle, clip, QColor(), box.style.background}, clip});
    const qreal pitch = box.lineHeight > 0 ? box.lineHeight : box.rect.height();
    if (pitch <= 0)
        return;
    const qreal visibleTop = std::max(from, box.rect.top());
    const qreal visibleBottom = std::min(to, box.rect.bottom());
    const int first = std::max(0, int(std::floor((visibleTop - box.rect.top()) / pitch + tolerance)));
    const int last = std::min(int(box.lines.size()), int(std::ceil((visibleBottom - box.rect.top()) / pitch - tolerance)));
    page.texts.reserve(page.texts.size() + std::size_t(std::max(0, last - first)));
    for (int line = first; line < last; ++line) {
        const QRectF rect(onPage.left(), onPage.top() + line * pitch, onPage.width(), pitch);
        QString text = box.lines.at(line);
        if (box.replacesDate)
            text.replace(QLatin1String("[DATE]"), m_date);
        page.texts.push_back({box.name, text, rect, clip, box.style});
    }
}

}  // namespace

QSizeF printableArea(QPageLayout::Orientation orientation)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF area(a4.width() - 2 * pageMargin, a4.height() - 2 * pageMargin);
    return orientation == QPageLayout::Landscape ? area.transposed() : area;
}

ReportDocument layoutReport(const ReportTemplate& report, QDate printDate)
{
    std::vector<const Band*> bands;
    for (const Band& band : report.bands)
        bands.push_back(&band);
    std::stable_sort(bands.begin(), bands.end(), [](const Band* a, const Band* b) { return a->kind < b->kind; });

    Paginator paginator(printableArea(report.orientation), printDate);
    for (const Band* band : bands) {
        if (band->kind == BandKind::Data)
            paginator.placeSplit(*band);
        else
            paginator.placeWhole(*band);
    }
    return {report.documentName, report.orientation, paginator.takePages()};
}

}  // namespace memora
