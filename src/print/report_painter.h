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

// Sets the device to the document's A4 page and paints every page on it.
// False when the device cannot be painted on.
bool renderReport(const ReportDocument& document, QPagedPaintDevice& device);

}  // namespace memora
