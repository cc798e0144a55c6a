#include "print/editor_card.h"

#include "editor/card_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace memora {

CardControls cardControlsOf(const TfrmArchivio_Scadenze& editor)
{
    CardControls card;
    card.txtData = editor.txtData->text();
    card.txtOreApp = editor.txtOreApp->currentText();
    card.txtMinutiApp = editor.txtMinutiApp->currentText();
    card.txtTipologia = editor.txtTipologia->text();
    card.txtCausale = editor.txtCausale->text();
    card.txtDettagli = editor.txtDettagli->text();
    card.txtContatto = editor.txtContatto->text();
    card.txtTel = editor.txtTel->text();
    card.txtCel = editor.txtCel->text();
    card.txtEmail = editor.txtEmail->text();
    card.txtLuogo = editor.txtLuogo->text();
    card.txtImporto = editor.txtImporto->text();
    card.txtNote = editor.txtNote->text();
    card.chkOttemperata = editor.chkOttemperata->isChecked();
    return card;
}

}  // namespace memora
