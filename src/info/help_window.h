// TfrmGuida, the help window: one help topic, and the user guide Guida.pdf
// beside the executable. MostraGuida opens it for every help button.
#pragma once

#include "info/help_topics.h"
#include "info/link_window.h"

class QLabel;
class QPlainTextEdit;

namespace memora {

class Picture;
class PictureButton;

class TfrmGuida : public LinkWindow {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    Picture* imgLogo = nullptr;
    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
    PictureButton* imgPDF = nullptr;

protected:
    QString linkTarget() const override;
};

// Shows a help topic in a new help window owned by owner, modally, and
// destroys the window when it closes.
void MostraGuida(QWidget* owner, const QString& title, const QString& text);
void MostraGuida(QWidget* owner, HelpTopicId topic);

}  // namespace memora
