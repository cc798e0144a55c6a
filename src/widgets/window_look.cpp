#include "widgets/window_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace memora {

void setGradientBackground(QWidget* widget, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, gradient);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setFixedClientSize(QWidget* window, int width, int height) { window->setFixedSize(width, height); }

void setTabChain(std::initializer_list<QWidget*> widgets)
{
    const QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget*>(previous), widget);
        previous = widget;
    }
}

namespace {

void centreOn(QWidget* window, const QRect& area)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

QRect screenArea(const QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, window->width(), window->height());
}

}  // namespace

void centreWindow(QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    centreOn(window, parent && parent->isVisible() ? parent->window()->frameGeometry() : screenArea(window));
}

void centreOnScreen(QWidget* window) { centreOn(window, screenArea(window)); }

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

}  // namespace memora
