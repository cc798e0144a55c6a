// The card editor's controls, found by their object names, for the tests
// that act on the editor as a person does.
#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace memora {
class Picture;
class PictureButton;
}

namespace memora::test {

struct EditorControls {
    // Stops the test when the editor lacks a control.
    explicit EditorControls(const QWidget& editor);

    QLineEdit* txtData;
    QComboBox* txtOreApp;
    QComboBox* txtMinutiApp;
    QLabel* lblOra;
    QLineEdit* txtAvviso;
    QLineEdit* txtTipologia;
    QLineEdit* txtCausale;
    QLineEdit* txtDettagli;
    QLineEdit* txtContatto;
    QLineEdit* txtTel;
    QLineEdit* txtCel;
    QLineEdit* txtEmail;
    QLineEdit* txtLuogo;
    QLineEdit* txtImporto;
    QLineEdit* txtNote;
    QCheckBox* chkOttemperata;
    QLabel* lblPosizione;

    PictureButton* cmdNuovo;
    PictureButton* cmdDuplica;
    PictureButton* cmdSalva;
    PictureButton* cmdTrova;
    PictureButton* cmdAnteprima;
    PictureButton* cmdStampa;
    PictureButton* cmdAssolti;
    PictureButton* cmdDaAssolvere;
    PictureButton* cmdScaduti;
    PictureButton* cmdEsporta;
    PictureButton* cmdGuida;
    PictureButton* cmdEsci;
    PictureButton* cmdPrimo;
    PictureButton* cmdIndietro;
    PictureButton* cmdAvanti;
    PictureButton* cmdUltimo;

    PictureButton* impData;
    PictureButton* btnEmail;
    QLabel* panInfo;
    QPushButton* btnFocus;

    Picture* imgTitolo;
    Picture* imgDescrizione;
    Picture* imgContatto;
    Picture* imgPromemoria;
    Picture* imgFreccia;
};

}  // namespace memora::test
