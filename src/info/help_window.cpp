#include "info/help_window.h"

#include "info/text_link.h"
#include "platform/platform.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace memora {

namespace {

const QString heading = QStringLiteral("Guida all'utilizzo del software");

}  // namespace

TfrmGuida::TfrmGuida(QWidget* owner)
    : LinkWindow(owner, QStringLiteral(" ") + heading, 670, 572, QStringLiteral("Visualizza guida in formato PDF"))
{
    setObjectName(QStringLiteral("TfrmGuida"));
    setGradientBackground(this, Qt::white, lightBlue);

    QWidget* panel = addWhitePanel(QRect(0, 0, 670, 92));
    imgLogo = new Picture(art::banner(QStringLiteral("?"), iconGreen, heading), heading, panel);
    imgLogo->setGeometry(16, 8, 638, 76);

    lblTitolo = makeLabel(QStringLiteral("Argomento della guida."), QFont(QStringLiteral("Arial"), 16, QFont::Bold),
                          crimson, this);
    lblTitolo->setGeometry(24, 104, 622, 34);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setGeometry(24, 144, 622, 340);
    txtGuida->setReadOnly(true);
    txtGuida->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lblTitolo->setBuddy(txtGuida);

    imgPDF = new PictureButton(art::pdfIcon(), QStringLiteral("Guida in formato PDF"), this);
    imgPDF->setGeometry(24, 496, 44, 56);
    addLinkHandle(imgPDF);
    lnkWeb->setGeometry(80, 506, 380, 36);
    btnChiudi->setGeometry(530, 504, 116, 40);

    setTabChain({txtGuida, lnkWeb, imgPDF, btnChiudi});
    centreOnScreen(this);
}

QString TfrmGuida::linkTarget() const
{
    return QDir(programDirectory()).filePath(QStringLiteral("Guida.pdf"));
}

void MostraGuida(QWidget* owner, const QString& title, const QString& text)
{
    TfrmGuida window(owner);
    window.lblTitolo->setText(title);
    window.txtGuida->setPlainText(text);
    platform().modal->run(window);
}

void MostraGuida(QWidget* owner, HelpTopicId topic)
{
    const HelpTopic shown = helpTopic(topic);
    MostraGuida(owner, shown.title, shown.text);
}

}  // namespace memora
