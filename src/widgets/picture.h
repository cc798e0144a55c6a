// Pictures drawn by the program, and the picture buttons built on them.
//
// A picture's artwork is a function that paints into the widget's rectangle;
// the text drawn in a picture is also its accessible name, so a screen reader
// announces what the picture says.
#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <functional>

class QPainter;

namespace memora {

using Artwork = std::function<void(QPainter&, const QRectF&)>;

class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(Artwork artwork, const QString& accessibleName, QWidget* parent);

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Artwork m_artwork;
};

// A clickable picture with its caption drawn in it: hand cursor, reachable by
// Tab (a click does not take the focus) and pressed with Space or Enter,
// announced as a button named by its caption.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(Artwork artwork, const QString& caption, QWidget* parent);
    // The status-line text: accessible description and tooltip.
    void setDescription(const QString& description);

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Artwork m_artwork;
};

}  // namespace memora
