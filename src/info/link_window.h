// The shape shared by the help, information and splash windows: a fixed
// window without title-bar buttons, a text link with a picture beside it that
// hand something to the desktop, and "Chiudi".
#pragma once

#include <QDialog>

class QAbstractButton;
class QPushButton;

namespace memora {

class TextLink;

class LinkWindow : public QDialog {
    Q_OBJECT
public:
    TextLink* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

public slots:
    // The link turns orange while the mouse button is held on it or on its
    // picture, and dark blue again on release, wherever the release happens.
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    // Dark blue again, and the link's target handed to the desktop.
    void lnkWebClick();
    void btnChiudiClick();

protected:
    LinkWindow(QWidget* owner, const QString& caption, int width, int height, const QString& linkText);

    // The handle acts as the link: the link's text and the picture beside it.
    void addLinkHandle(QAbstractButton* handle);
    // A white panel across the window, such as the one holding a banner.
    QWidget* addWhitePanel(const QRect& area);
    // The text handed to TMisc::Open by a click on the link.
    virtual QString linkTarget() const = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace memora
