#include "print/list_template.h"

#include "widgets/colours.h"

namespace memora {

namespace {

constexpr qreal bandWidth = units(1046.93);
constexpr qreal barHeight = units(30.236);

TextBox textBox(const QString& name, const QRectF& rect, const TextStyle& style)
{
    TextBox box;
    box.name = name;
    box.rect = rect;
    box.style = style;
    return box;
}

TextStyle barStyle(qreal pointSize)
{
    TextStyle style;
    style.family = QStringLiteral("Verdana");
    style.pointSize = pointSize;
    style.bold = true;
    style.colour = Qt::white;
    style.background = slateGrey;
    style.alignment = Qt::AlignCenter;
    return style;
}

Band titleBand()
{
    TextBox title = textBox(QStringLiteral("txtTitolo"),
                            QRectF(units(7.559), units(3.780), units(1031.81), units(18.898)), barStyle(9));
    title.setText(QStringLiteral("Riepilogo"));
    return {QStringLiteral("ReportTitle"), BandKind::Title, barHeight, bandWidth, {}, {title}};
}

Band dataBand()
{
    TextStyle monospaced;
    monospaced.family = QStringLiteral("Courier New");
    monospaced.pointSize = 8;
    TextBox lines = textBox(QStringLiteral("txtRiepilogo"), QRectF(units(11.339), 0, units(1031.81), units(102.047)),
                            monospaced);
    lines.lineHeight = listLineHeight;
    return {QStringLiteral("MasterData"), BandKind::Data, units(105.827), bandWidth, {}, {lines}};
}

Band footerBand()
{
    TextBox footer = textBox(QStringLiteral("txtPagina"),
                             QRectF(units(11.339), units(7.559), units(1028.03), units(18.898)), barStyle(8));
    footer.setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    footer.replacesDate = true;
    return {QStringLiteral("Footer"), BandKind::Footer, barHeight, bandWidth, {}, {footer}};
}

}  // namespace

ReportTemplate listTemplate()
{
    return {QStringLiteral("Riepilogo dati"), QPageLayout::Landscape, {titleBand(), dataBand(), footerBand()}};
}

void fillListTemplate(ReportTemplate& report, const QString& title, const QStringList& lines)
{
    report.box(QStringLiteral("txtTitolo")).setText(title);
    TextBox& linesBox = report.box(QStringLiteral("txtRiepilogo"));
    linesBox.lines = lines;
    linesBox.setHeight(lines.size() * listLineHeight);
    report.band(QStringLiteral("MasterData")).setHeight(linesBox.rect.height() + listBandSpace);
}

}  // namespace memora
