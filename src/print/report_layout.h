// Lays a report template out on A4 pages with 10 mm margins: plain arithmetic
// that needs no window and no device.
//
// The bands are stacked from the top of the area inside the margins: the
// title band once on the first page, then the data band, then the footer
// band. A data band that does not fit on the rest of a page is split between
// two lines of its text and continues at the top of the next page; its empty
// tail ends with the page instead of being carried over. A footer that does
// not fit on the rest of the page goes to the top of the next one.
#pragma once

#include "print/report_template.h"

#include <QDate>

#include <vector>

namespace memora {

constexpr qreal pageMargin = 10;  // mm on every side of A4

// The area inside the margins of an A4 page, in millimetres.
QSizeF printableArea(QPageLayout::Orientation orientation);

// One line of a text box as placed on a page; rect and clip are measured in
// millimetres from the top-left corner of the area inside the margins.
struct PlacedText {
    QString box;   // the name of the text box it belongs to
    QString text;  // "[DATE]" already replaced where the box asks for it
    QRectF rect;   // where the line is laid out
    QRectF clip;   // what of it may show: the box, within the band's part on this page
    TextStyle style;
};

struct PlacedShape {
    Shape shape;  // rect on the page
    QRectF clip;
};

struct ReportPage {
    std::vector<PlacedShape> shapes;
    std::vector<PlacedText> texts;
};

struct ReportDocument {
    QString name;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<ReportPage> pages;
};

// The pages of the template; printDate, as "dd/mm/yyyy", replaces "[DATE]".
ReportDocument layoutReport(const ReportTemplate& report, QDate printDate);

}  // namespace memora
