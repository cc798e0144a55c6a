// TfrmInfo, the information window: what the program is, and a pre-addressed
// e-mail to the maker.
#pragma once

#include "info/link_window.h"

namespace memora {

class Picture;
class PictureButton;

class TfrmInfo : public LinkWindow {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner = nullptr);

    Picture* imgLogo = nullptr;
    PictureButton* imgEmail = nullptr;

protected:
    QString linkTarget() const override;
};

}  // namespace memora
