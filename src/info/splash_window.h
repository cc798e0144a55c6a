// TfrmSplash, the splash window: the maker's banner and a link to its site.
#pragma once

#include "info/link_window.h"

namespace memora {

class Picture;
class PictureButton;

class TfrmSplash : public LinkWindow {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);

    Picture* imgLogo = nullptr;
    PictureButton* imgWeb = nullptr;

protected:
    QString linkTarget() const override;
};

}  // namespace memora
