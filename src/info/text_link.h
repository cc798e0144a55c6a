// A text link: underlined Tahoma text in a colour of its own, clicked like a
// button, reachable by Tab and announced by its text.
#pragma once

#include "widgets/colours.h"

#include <QAbstractButton>
#include <QColor>

namespace memora {

class TextLink : public QAbstractButton {
    Q_OBJECT
public:
    TextLink(const QString& text, QWidget* parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = linkColour;
};

}  // namespace memora
