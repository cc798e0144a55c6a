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

// The copies the program itself puts on a device that cannot make them (a PDF
// file): collated copies repeat the whole document, the others each page.
struct Copies {
    int count = 1;
    bool collated = true;
};

// The pages to paint, in order: for two copies of pages 0 and 1, collated
// 0, 1, 0, 1 and not collated 0, 0, 1, 1.
std::vector<std::size_t> pagesInPrintOrder(std::size_t pageCount, Copies copies);

// Sets the device to the document's A4 page and paints every page on it, as
// many times as copies asks. False when the device cannot be painted on.
bool renderReport(const ReportDocument& document, QPagedPaintDevice& device, Copies copies = {});

}  // namespace memora
