#include "info/info_window.h"

#include "info/maker.h"
#include "info/text_link.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QLabel>
#include <QPushButton>

namespace memora {

namespace {

const QString heading = QStringLiteral("Informazioni sul programma");
const QString about = QStringLiteral(
    "Memora\n\nLo scadenzario personale che tiene sotto controllo pagamenti, eventi e appuntamenti "
    "e avvisa quando si avvicinano.\n\n\u00a9 %1");
const QString mailSubject = QStringLiteral("Software Memora");
const QString mailBody = QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");

}  // namespace

TfrmInfo::TfrmInfo(QWidget* owner)
    : LinkWindow(owner, QStringLiteral(" Informazioni su Memora"), 473, 579, maker::emailAddress)
{
    setObjectName(QStringLiteral("TfrmInfo"));
    setGradientBackground(this, Qt::black, Qt::white);

    QWidget* panel = addWhitePanel(QRect(0, 0, 473, 92));
    imgLogo = new Picture(art::banner(QStringLiteral("i"), steelBlue, heading), heading, panel);
    imgLogo->setGeometry(12, 8, 449, 76);

    const QString aboutText = about.arg(maker::name);
    auto* aboutNote = new Picture(art::note(aboutText, QColor(200, 215, 235)), aboutText, this);
    aboutNote->setGeometry(36, 124, 401, 196);

    auto* writeTo = new QLabel(QStringLiteral("Per informazioni scrivere a:"), this);
    writeTo->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    writeTo->setGeometry(36, 376, 401, 28);

    imgEmail = new PictureButton(art::envelope(steelBlue), QStringLiteral("Scrivi al produttore"), this);
    imgEmail->setGeometry(36, 416, 56, 44);
    addLinkHandle(imgEmail);
    lnkWeb->setGeometry(104, 420, 333, 36);
    btnChiudi->setGeometry(321, 516, 116, 40);

    setTabChain({lnkWeb, imgEmail, btnChiudi});
    centreOnScreen(this);
}

// The subject and body go in as they are; the URL layer percent-encodes their
// blanks, which is how a "mailto:" link carries them to the mail program.
QString TfrmInfo::linkTarget() const
{
    return QStringLiteral("mailto:") + maker::emailAddress + QStringLiteral("?subject=") + mailSubject
           + QStringLiteral("&body=") + mailBody;
}

}  // namespace memora
