#include "info/splash_window.h"

#include "info/maker.h"
#include "info/text_link.h"
#include "widgets/artwork.h"
#include "widgets/colours.h"
#include "widgets/picture.h"
#include "widgets/window_look.h"

#include <QPushButton>

namespace memora {

namespace {

const QString presentation = QStringLiteral(
    "Lo scadenzario personale per pagamenti, eventi e appuntamenti.\n"
    "Software libero da usare. \u00a9 %1");

}  // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : LinkWindow(owner, QStringLiteral(" Memora - ") + maker::name, 661, 467, maker::webAddressShown())
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setGradientBackground(this, Qt::white, darkGrey);

    const QString lines = presentation.arg(maker::name);
    imgLogo = new Picture(art::makerBanner(maker::name, QStringLiteral("Memora"), lines),
                          maker::name + QStringLiteral(" - Memora. ") + lines, this);
    imgLogo->setGeometry(0, 0, 661, 330);

    auto* linkRow = addWhitePanel(QRect(150, 344, 361, 52));
    linkRow->lower();
    imgWeb = new PictureButton(art::globe(QColor(40, 110, 190)), QStringLiteral("Sito del produttore"), this);
    imgWeb->setGeometry(160, 350, 40, 40);
    addLinkHandle(imgWeb);
    lnkWeb->setGeometry(212, 352, 290, 36);
    btnChiudi->setGeometry(521, 408, 116, 40);

    setTabChain({lnkWeb, imgWeb, btnChiudi});
    centreWindow(this);
}

QString TfrmSplash::linkTarget() const { return maker::webAddress; }

}  // namespace memora
