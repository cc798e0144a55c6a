#include "print/report_template.h"

#include <algorithm>

namespace memora {

std::vector<qreal> Band::breakOffsets() const
{
    std::vector<qreal> offsets;
    for (const TextBox& box : boxes) {
        if (box.lineHeight <= 0)
            continue;
        for (int line = 1; line <= box.lines.size(); ++line) {
            const qreal bottom = box.rect.top() + line * box.lineHeight;
            if (bottom > box.rect.bottom() + 1e-9)
                break;  // lines below the box are cut away, never printed
            offsets.push_back(bottom);
        }
    }
    std::sort(offsets.begin(), offsets.end());
    return offsets;
}

qreal Band::contentBottom() const
{
    qreal bottom = 0;
    for (const Shape& shape : shapes)
        bottom = std::max(bottom, shape.rect.bottom());
    for (const TextBox& box : boxes)
        bottom = std::max(bottom, box.rect.bottom());
    return bottom;
}

TextBox* ReportTemplate::findBox(const QString& name)
{
    for (Band& band : bands)
        for (TextBox& box : band.boxes)
            if (box.name == name)
                return &box;
    return nullptr;
}

Band* ReportTemplate::findBand(const QString& name)
{
    const auto found = std::find_if(bands.begin(), bands.end(), [&](const Band& band) { return band.name == name; });
    return found == bands.end() ? nullptr : &*found;
}

TextBox& ReportTemplate::box(const QString& name)
{
    TextBox* found = findBox(name);
    if (!found)
        qFatal("The report \"%s\" has no text box %s", qUtf8Printable(documentName), qUtf8Printable(name));
    return *found;
}

Band& ReportTemplate::band(const QString& name)
{
    Band* found = findBand(name);
    if (!found)
        qFatal("The report \"%s\" has no band %s", qUtf8Printable(documentName), qUtf8Printable(name));
    return *found;
}

}  // namespace memora
