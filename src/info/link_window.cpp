#include "info/link_window.h"

#include "info/misc.h"
#include "info/text_link.h"
#include "widgets/window_look.h"

#include <QEvent>
#include <QPushButton>

namespace memora {

LinkWindow::LinkWindow(QWidget* owner, const QString& caption, int width, int height, const QString& linkText)
    : QDialog(owner)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedClientSize(this, width, height);

    lnkWeb = new TextLink(linkText, this);
    addLinkHandle(lnkWeb);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setFont(QFont(QStringLiteral("Verdana"), 12));
    btnChiudi->setDefault(true);
    connect(btnChiudi, &QPushButton::clicked, this, &LinkWindow::btnChiudiClick);
}

void LinkWindow::addLinkHandle(QAbstractButton* handle)
{
    handle->installEventFilter(this);
    connect(handle, &QAbstractButton::clicked, this, &LinkWindow::lnkWebClick);
}

QWidget* LinkWindow::addWhitePanel(const QRect& area)
{
    auto* panel = new QWidget(this);
    panel->setGeometry(area);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setBrush(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
}

// The presses and releases of the mouse are watched rather than the button's
// own signals: a button reports no release when the mouse left it while held.
bool LinkWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        lnkWebMouseDown();
    else if (type == QEvent::MouseButtonRelease)
        lnkWebMouseUp();
    return QDialog::eventFilter(watched, event);
}

void LinkWindow::lnkWebMouseDown() { lnkWeb->setColour(linkPressedColour); }

void LinkWindow::lnkWebMouseUp() { lnkWeb->setColour(linkColour); }

void LinkWindow::lnkWebClick()
{
    lnkWeb->setColour(linkColour);
    TMisc::Open(linkTarget());
}

void LinkWindow::btnChiudiClick() { close(); }

}  // namespace memora
