// TfrmTrovaScadenze, the advanced search: a criteria panel of ten fields, and
// after Cerca the list panel with every card that holds all the texts given.
// A search runs once per opening; a new one needs the window opened again.
#pragma once

#include "summaries/summary_window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace memora {

class Picture;

class TfrmTrovaScadenze : public SummaryWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget* owner = nullptr, CurrentCard* card = nullptr);

    QWidget* panAvvio = nullptr;
    QLabel* lblRigo04 = nullptr;
    QLabel* lblRigo05 = nullptr;
    QLabel* lblRigo06 = nullptr;
    QLineEdit* txtData = nullptr;
    QLineEdit* txtOra = nullptr;
    QLineEdit* txtTipologia = nullptr;
    QLineEdit* txtCausale = nullptr;
    QLineEdit* txtDettagli = nullptr;
    QLineEdit* txtContatto = nullptr;
    QLineEdit* txtTel = nullptr;
    QLineEdit* txtCel = nullptr;
    QLineEdit* txtLuogo = nullptr;
    QLineEdit* txtNote = nullptr;
    QLabel* lblCampo01 = nullptr;
    QLabel* lblCampo02 = nullptr;
    QLabel* lblCampo03 = nullptr;
    QLabel* lblCampo04 = nullptr;
    QLabel* lblCampo05 = nullptr;
    QLabel* lblCampo06 = nullptr;
    QLabel* lblCampo07 = nullptr;
    QLabel* lblCampo08 = nullptr;
    QLabel* lblCampo09 = nullptr;
    QLabel* lblCampo10 = nullptr;
    Picture* effCampo01 = nullptr;
    Picture* effCampo02 = nullptr;
    Picture* effCampo03 = nullptr;
    Picture* effCampo04 = nullptr;
    Picture* effCampo05 = nullptr;
    Picture* effCampo06 = nullptr;
    Picture* effCampo07 = nullptr;
    Picture* effCampo08 = nullptr;
    Picture* effCampo09 = nullptr;
    Picture* effCampo10 = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnCerca = nullptr;
    QLabel* lblAttendere = nullptr;
    QLabel* lblConta = nullptr;
    QLabel* lblMemory = nullptr;  // the opener's tag: "scadenze" from the card editor
    QLabel* lblTrovate = nullptr;

public slots:
    void btnCercaClick();
    void btnAnnullaClick();

protected:
    bool mayLoadIntoEditor() const override;
    void FormClose() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createCriteriaPanel();
    void createCriteria(QWidget* area);
    void createResultExtras();
    void FormShow();
    bool criterionEvent(int k, QEvent* event);
    void showResults();

    std::array<QLineEdit*, 10> m_fields{};
    std::array<Picture*, 10> m_highlights{};
};

// The text of lblMemory that tells the search it was opened by the card
// editor, so a chosen result is written into the current card.
inline const QString scadenzeTag = QStringLiteral("scadenze");

}  // namespace memora
