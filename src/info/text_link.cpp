#include "info/text_link.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace memora {

TextLink::TextLink(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setAccessibleName(text);
    QFont linkFont(QStringLiteral("Tahoma"), 14);
    linkFont.setUnderline(true);
    setFont(linkFont);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TextLink::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

QSize TextLink::sizeHint() const { return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(8, 6); }

void TextLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace memora
