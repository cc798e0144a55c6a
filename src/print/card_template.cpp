#include "print/card_template.h"

#include "archive/card_record.h"
#include "archive/text_conventions.h"
#include "widgets/colours.h"

namespace memora {

namespace {

constexpr qreal firstRowTop = 7;
constexpr qreal rowPitch = 5;
constexpr qreal rowHeight = 4.6;
constexpr qreal frameLeft = 1;
constexpr qreal frameWidth = 188;

struct Row {
    const char* label;
    const char* box;
};

// The rows top to bottom: label text and the name of the value box.
constexpr Row rows[] = {
    {"Data scadenza:", "txtData"},   {"Ora:", "txtOra"},         {"Tipologia:", "txtTipologia"},
    {"Causale:", "txtCausale"},      {"Dettagli:", "txtDettagli"}, {"Persona / Ditta:", "txtContatto"},
    {"Telefono:", "txtTel"},         {"Cellulare:", "txtCel"},     {"E-mail:", "txtEmail"},
    {"Luogo:", "txtLuogo"},          {"Importo:", "txtImporto"},   {"Note:", "txtNote"},
    {"Impegno assolto:", "txtOttemperata"},
};
constexpr int rowCount = int(std::size(rows));

TextStyle arial(qreal pointSize, Qt::Alignment horizontal)
{
    TextStyle style;
    style.pointSize = pointSize;
    style.alignment = horizontal | Qt::AlignVCenter;
    return style;
}

TextBox box(const QString& name, const QRectF& rect, const QString& text, const TextStyle& style)
{
    TextBox result;
    result.name = name;
    result.rect = rect;
    result.setText(text);
    result.style = style;
    return result;
}

void addRows(Band& page)
{
    for (int index = 0; index < rowCount; ++index) {
        const qreal top = firstRowTop + index * rowPitch;
        page.shapes.push_back({Shape::Kind::Rectangle, QRectF(frameLeft, top, frameWidth, rowHeight), Qt::black, {}});
        page.boxes.push_back(box(QString(), QRectF(2, top + 0.5, 37.8, 3.5), QString::fromUtf8(rows[index].label),
                                 arial(7, Qt::AlignLeft)));
        page.boxes.push_back(box(QString::fromLatin1(rows[index].box), QRectF(44, top + 0.5, 144, 3.5), QString(),
                                 arial(7, Qt::AlignLeft)));
    }
    const qreal rowsHeight = (rowCount - 1) * rowPitch + rowHeight;
    page.shapes.push_back({Shape::Kind::Line, QRectF(42, firstRowTop, 0, rowsHeight), Qt::black, {}});
}

void setBox(ReportTemplate& report, const char* name, const QString& text)
{
    report.box(QString::fromLatin1(name)).setText(text);
}

}  // namespace

ReportTemplate cardTemplate()
{
    Band page{QStringLiteral("Scheda"), BandKind::Title, 81.8, 190, {}, {}};
    page.shapes.push_back({Shape::Kind::Rectangle, QRectF(frameLeft, 1, frameWidth, 5.8), {}, lightSteelBlue});
    page.boxes.push_back(box(QStringLiteral("titArcataSup"), QRectF(2, 2, 185.8, 4.2),
                             QStringLiteral("SCHEDA INFORMATIVA SCADENZA"), arial(9, Qt::AlignHCenter)));
    addRows(page);
    page.shapes.push_back({Shape::Kind::Rectangle, QRectF(frameLeft, 76, frameWidth, 5.8), {}, gold});
    page.boxes.push_back(box(QStringLiteral("txtCalce"), QRectF(2, 77, 185.8, 4.2), QStringLiteral("Data e ora stampa"),
                             arial(8, Qt::AlignHCenter)));
    return {QStringLiteral("Scheda Scadenza"), QPageLayout::Portrait, {page}};
}

void fillCardTemplate(ReportTemplate& report, const CardControls& card, QDate day, QTime time)
{
    report.orientation = QPageLayout::Portrait;
    setBox(report, "txtOttemperata", card.chkOttemperata ? flagFulfilled : flagPending);
    setBox(report, "txtData", trimmed(card.txtData));
    setBox(report, "txtOra", trimmed(card.txtOreApp) + QLatin1Char(':') + trimmed(card.txtMinutiApp));
    setBox(report, "txtTipologia", trimmed(card.txtTipologia));
    setBox(report, "txtCausale", trimmed(card.txtCausale));
    setBox(report, "txtDettagli", trimmed(card.txtDettagli));
    setBox(report, "txtContatto", trimmed(card.txtContatto));
    setBox(report, "txtTel", trimmed(card.txtTel));
    setBox(report, "txtCel", trimmed(card.txtCel));
    setBox(report, "txtEmail", trimmed(card.txtEmail));
    setBox(report, "txtLuogo", trimmed(card.txtLuogo));
    setBox(report, "txtImporto", trimmed(card.txtImporto));
    setBox(report, "txtNote", trimmed(card.txtNote));
    setBox(report, "txtCalce", QStringLiteral("Stampa eseguita in data ") + formatDate(day) + QStringLiteral(" alle ore ")
                                   + time.toString(QStringLiteral("hh:mm:ss")));
}

}  // namespace memora
