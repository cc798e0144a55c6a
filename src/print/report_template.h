// The report engine's templates: bands of rectangles, lines and named text boxes.
//
// How the engine's layers meet:
//   report_template.h  what a printed document is made of, filled by name;
//   report_layout.h    pure arithmetic that places the bands on A4 pages;
//   report_painter.h   paints a laid-out page onto any device (printer, PDF,
//                      preview, thumbnail image).
// All lengths are millimetres; units() converts the 1/96-inch unit in which
// the list report is measured. Positions are relative to the band, whose
// left edge is the left margin of the page.
#pragma once

#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace memora {

constexpr qreal mmPerUnit = 25.4 / 96.0;

// A length given in 1/96 inch, in millimetres.
constexpr qreal units(qreal length) { return length * mmPerUnit; }

struct TextStyle {
    QString family = QStringLiteral("Arial");
    qreal pointSize = 8;
    bool bold = false;
    QColor colour = Qt::black;
    QColor background;  // none when invalid
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A rectangle, or a line from the rectangle's top-left to its bottom-right
// corner (a vertical line has no width).
struct Shape {
    enum class Kind { Rectangle, Line };
    Kind kind = Kind::Rectangle;
    QRectF rect;
    QColor outline;  // none when invalid
    QColor fill;     // none when invalid
};

// A text box: one line of text, or several lines lineHeight apart. Text is
// printed literally and never wrapped; whatever leaves the box is cut at its
// edges. Only in a box that asks for it does the marker "[DATE]" become the
// date of printing, so a card's own text never changes on paper.
struct TextBox {
    QString name;
    QRectF rect;
    QStringList lines;
    qreal lineHeight = 0;  // 0: one line filling the box's height
    TextStyle style;
    bool replacesDate = false;

    void setText(const QString& text) { lines = QStringList{text}; }
    QString text() const { return lines.join(QLatin1Char('\n')); }
    void setHeight(qreal height) { rect.setHeight(height); }
};

// How often a band prints: the title once at the top of the first page, the
// data band once (split between pages when it does not fit), the footer once
// after the data band.
enum class BandKind { Title, Data, Footer };

struct Band {
    QString name;
    BandKind kind = BandKind::Data;
    qreal height = 0;
    qreal width = 0;
    std::vector<Shape> shapes;  // painted under the text boxes
    std::vector<TextBox> boxes;

    void setHeight(qreal newHeight) { height = newHeight; }
    // The offsets at which the band may be split between pages: the bottoms
    // of the lines of its many-line boxes, in increasing order.
    std::vector<qreal> breakOffsets() const;
    // The bottom of the lowest element; below it the band is empty.
    qreal contentBottom() const;
};

struct ReportTemplate {
    QString documentName;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<Band> bands;  // printed in the order of their kinds

    // The box or band of that name, or nullptr.
    TextBox* findBox(const QString& name);
    Band* findBand(const QString& name);
    // The box or band of that name. REQUIRES: the template has one; a
    // template filled by a name it lacks is a fault of the program, which
    // stops with a message naming it.
    TextBox& box(const QString& name);
    Band& band(const QString& name);
};

}  // namespace memora
