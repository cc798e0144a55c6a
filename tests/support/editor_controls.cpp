#include "editor_controls.h"

#include "widgets/picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace memora::test {

namespace {

// The editor's own child of that name and kind.
template <typename T>
T* child(const QWidget& editor, const char* name)
{
    T* found = editor.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("the card editor has no control %s of its kind", name);
    return found;
}

}  // namespace

EditorControls::EditorControls(const QWidget& editor)
    : txtData(child<QLineEdit>(editor, "txtData")),
      txtOreApp(child<QComboBox>(editor, "txtOreApp")),
      txtMinutiApp(child<QComboBox>(editor, "txtMinutiApp")),
      lblOra(child<QLabel>(editor, "lblOra")),
      txtAvviso(child<QLineEdit>(editor, "txtAvviso")),
      txtTipologia(child<QLineEdit>(editor, "txtTipologia")),
      txtCausale(child<QLineEdit>(editor, "txtCausale")),
      txtDettagli(child<QLineEdit>(editor, "txtDettagli")),
      txtContatto(child<QLineEdit>(editor, "txtContatto")),
      txtTel(child<QLineEdit>(editor, "txtTel")),
      txtCel(child<QLineEdit>(editor, "txtCel")),
      txtEmail(child<QLineEdit>(editor, "txtEmail")),
      txtLuogo(child<QLineEdit>(editor, "txtLuogo")),
      txtImporto(child<QLineEdit>(editor, "txtImporto")),
      txtNote(child<QLineEdit>(editor, "txtNote")),
      chkOttemperata(child<QCheckBox>(editor, "chkOttemperata")),
      lblPosizione(child<QLabel>(editor, "lblPosizione")),
      cmdNuovo(child<PictureButton>(editor, "cmdNuovo")),
      cmdDuplica(child<PictureButton>(editor, "cmdDuplica")),
      cmdSalva(child<PictureButton>(editor, "cmdSalva")),
      cmdTrova(child<PictureButton>(editor, "cmdTrova")),
      cmdAnteprima(child<PictureButton>(editor, "cmdAnteprima")),
      cmdStampa(child<PictureButton>(editor, "cmdStampa")),
      cmdAssolti(child<PictureButton>(editor, "cmdAssolti")),
      cmdDaAssolvere(child<PictureButton>(editor, "cmdDaAssolvere")),
      cmdScaduti(child<PictureButton>(editor, "cmdScaduti")),
      cmdEsporta(child<PictureButton>(editor, "cmdEsporta")),
      cmdGuida(child<PictureButton>(editor, "cmdGuida")),
      cmdEsci(child<PictureButton>(editor, "cmdEsci")),
      cmdPrimo(child<PictureButton>(editor, "cmdPrimo")),
      cmdIndietro(child<PictureButton>(editor, "cmdIndietro")),
      cmdAvanti(child<PictureButton>(editor, "cmdAvanti")),
      cmdUltimo(child<PictureButton>(editor, "cmdUltimo")),
      impData(child<PictureButton>(editor, "impData")),
      btnEmail(child<PictureButton>(editor, "btnEmail")),
      panInfo(child<QLabel>(editor, "panInfo")),
      btnFocus(child<QPushButton>(editor, "btnFocus")),
      imgTitolo(child<Picture>(editor, "imgTitolo")),
      imgDescrizione(child<Picture>(editor, "imgDescrizione")),
      imgContatto(child<Picture>(editor, "imgContatto")),
      imgPromemoria(child<Picture>(editor, "imgPromemoria")),
      imgFreccia(child<Picture>(editor, "imgFreccia"))
{
}

}  // namespace memora::test
