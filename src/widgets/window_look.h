// The look shared by the windows: gradient backgrounds, fixed sizes, labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace memora {

// Fills the widget's background with a gradient from top to bottom.
void setGradientBackground(QWidget* widget, const QColor& top, const QColor& bottom);

// Gives a window a fixed client area.
void setFixedClientSize(QWidget* window, int width, int height);

// Sets the tab order of the widgets, in the order given.
void setTabChain(std::initializer_list<QWidget*> widgets);

// Centres a window on the screen, or over its parent when it has one.
void centreWindow(QWidget* window);

// Centres a window on the screen, whoever its parent.
void centreOnScreen(QWidget* window);

// A label showing text in the font and colour given.
QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent);

}  // namespace memora
