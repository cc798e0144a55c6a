// TfrmCalendario, the date picker: a month calendar in Italian from which
// the due date of the card editor is imported.
#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace memora {

class CurrentCard;

class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    // owner: the window that opens the picker and owns it. card: the card
    // whose due date Importa writes when lblMemory is "data".
    TfrmCalendario(QWidget* owner, CurrentCard* card);

    QLabel* lblCampo001 = nullptr;
    QCalendarWidget* calAppuntamenti = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnImportaData = nullptr;
    QLabel* lblMemory = nullptr;

public slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    void FormCreate();
    void createControls();

    CurrentCard* m_card;
};

// The text of lblMemory that names the card editor's due date as the target.
inline const QString dateTarget = QStringLiteral("data");

}  // namespace memora
