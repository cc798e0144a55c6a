#include "widgets/picture.h"

#include "widgets/keys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace memora {

Picture::Picture(Artwork artwork, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), m_artwork(std::move(artwork))
{
    setAccessibleName(accessibleName);
    setMouseTracking(true);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_artwork(painter, QRectF(rect()));
}

void Picture::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QWidget::mouseMoveEvent(event);
}

PictureButton::PictureButton(Artwork artwork, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_artwork(std::move(artwork))
{
    setText(caption);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    // A click leaves the focus in the field that has it, so Tab goes on from
    // there and Enter does not press the picture again.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

void PictureButton::setDescription(const QString& description)
{
    setAccessibleDescription(description);
    setToolTip(description);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF area(rect());
    if (isDown())
        area.translate(1, 1);
    m_artwork(painter, area);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event->key())) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace memora
