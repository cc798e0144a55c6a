// Paints laid-out report pages: one page painter serves the printer, PDF
// files, the preview and its thumbnails.
#pragma once

#include "print/report_layout.h"

class QPagedPaintDevice;
class QPainter;

namespace memora {

// The A4 page with 10 mm margins in the given orientation.
QPageLayout reportPageLayout(QPageLayout::Orientation orientation);

// Paints one page. dotsPerMm is the scale of the painter's coordinates;
// origin is where the top-left corner of the area inside the margins falls.
// Fonts are sized for the painter's device, so text keeps its point size.
void paintPage(const ReportPage& page, QPainter& painter, qreal dotsPerMm, QPointF origin);

// The copies and the order of pages the program itself puts on a device that
// makes neither (a PDF file): collated copies repeat the whole document, the
// others each page, and the last page may come first.
struct PrintOrder {
    int copies = 1;
    bool collated = true;
    bool lastPageFirst = false;
};

// The pages to paint, in order: for two copies of pages 0 and 1, collated
// 0, 1, 0, 1 and not collated 0, 0, 1, 1; the last page first reverses that.
std::vector<std::size_t> pagesInPrintOrder(std::size_t pageCount, PrintOrder order);

// Sets the device to the document's A4 page and paints every page on it, in
// the order asked. False when the device cannot be painted on.
bool renderReport(const ReportDocument& document, QPagedPaintDevice& device, PrintOrder order = {});

}  // namespace memora
