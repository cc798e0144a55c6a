// TfrmArchivio_Scadenze, the card editor: one card at a time is entered,
// changed, browsed, duplicated and saved here, and the search, summary,
// export, print, preview and help windows are opened from here.
//
// The card being edited lives only in the input controls, with its card
// number in lblPosizione (empty for a card not yet stored); nothing else is
// kept between events. The editor is the current card of the windows it
// opens: it hands itself to them as a CurrentCard, through which the
// summaries and the search write a found card with CaricaScheda, the date
// picker writes the due date and the print windows read the fields. Its
// controls are its own; tests find them by their object names.
#pragma once

#include "archive/card_record.h"
#include "current_card/current_card.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace memora {

class Picture;
class PictureButton;
enum class NavigationCommand;

class TfrmArchivio_Scadenze : public QWidget, public CurrentCard {
    Q_OBJECT
public:
    TfrmArchivio_Scadenze();

    // The window shown again when the editor closes.
    void setHome(QWidget* home) { m_home = home; }

    CardControls cardControls() const override;
    void CaricaScheda(const TSchedaScadenza& card, int cardNumber) override;
    void setDueDate(const QString& date) override;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void impDataClick();
    void btnEmailClick();
    void cmdGuidaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdTrovaClick();
    void cmdAssoltiClick();
    void cmdDaAssolvereClick();
    void cmdScadutiClick();
    void FormMouseMove();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void createCardArea();
    void createTimeBoxes();
    void createDescription();
    void createContact();
    void createReminder();
    void createCommands();
    void createNavigation();
    void createStatusLine();
    void connectControls();
    void describe(PictureButton* button, const QString& description);

    // The fields as the record names them.
    QWidget* control(Field field) const;
    QString fieldText(Field field) const;
    void setFieldText(Field field, const QString& text);
    std::optional<Field> fieldOf(const QObject* object) const;

    void clearCard();
    void resetTime();
    void runNavigation(NavigationCommand command);
    void holdFieldsToRules();
    bool requiredFieldsPresent();
    TSchedaScadenza cardFromControls() const;
    void showArchiveFailure();

    // The field rules, bound to the fields by eventFilter.
    bool fieldKeyPress(Field field, QKeyEvent* event);
    void openPickerAfterTheKey();
    void fieldLeft(Field field);
    void txtEmailTyping();

    // The card controls.
    QLineEdit* txtData = nullptr;
    QComboBox* txtOreApp = nullptr;
    QComboBox* txtMinutiApp = nullptr;
    QLabel* lblOra = nullptr;
    QLineEdit* txtAvviso = nullptr;
    QLineEdit* txtTipologia = nullptr;
    QLineEdit* txtCausale = nullptr;
    QLineEdit* txtDettagli = nullptr;
    QLineEdit* txtContatto = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtCel = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtLuogo = nullptr;
    QLineEdit* txtImporto = nullptr;
    QLineEdit* txtNote = nullptr;
    QCheckBox* chkOttemperata = nullptr;
    QLabel* lblPosizione = nullptr;

    // The command column, top to bottom.
    PictureButton* cmdNuovo = nullptr;
    PictureButton* cmdDuplica = nullptr;
    PictureButton* cmdSalva = nullptr;
    PictureButton* cmdTrova = nullptr;
    PictureButton* cmdAnteprima = nullptr;
    PictureButton* cmdStampa = nullptr;
    PictureButton* cmdAssolti = nullptr;
    PictureButton* cmdDaAssolvere = nullptr;
    PictureButton* cmdScaduti = nullptr;
    PictureButton* cmdEsporta = nullptr;
    PictureButton* cmdGuida = nullptr;
    PictureButton* cmdEsci = nullptr;

    // The navigation bar around lblPosizione.
    PictureButton* cmdPrimo = nullptr;
    PictureButton* cmdIndietro = nullptr;
    PictureButton* cmdAvanti = nullptr;
    PictureButton* cmdUltimo = nullptr;

    PictureButton* impData = nullptr;
    PictureButton* btnEmail = nullptr;
    QLabel* panInfo = nullptr;
    QPushButton* btnFocus = nullptr;

    // Pictures without behaviour.
    Picture* imgTitolo = nullptr;
    Picture* imgDescrizione = nullptr;
    Picture* imgContatto = nullptr;
    Picture* imgPromemoria = nullptr;
    Picture* imgFreccia = nullptr;

    QWidget* m_home = nullptr;
    bool m_pickerPosted = false;
};

}  // namespace memora
