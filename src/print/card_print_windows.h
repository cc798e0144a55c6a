// The two windows in front of the card page: TfrmStampaScadenza sends it to
// the printer, TfrmStartup opens the preview on it. Both read the current card
// when the user confirms, so the page shows the card as it stands, saved or not.
#pragma once

#include "print/card_template.h"
#include "widgets/picture.h"

#include <QDialog>

class QPushButton;

namespace memora {

class CurrentCard;
struct ReportDocument;

// What the two windows share: the look, the two buttons and filling the page.
class CardPrintWindow : public QDialog {
    Q_OBJECT
public:
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnStampa = nullptr;

public slots:
    // Closes the window; nothing is printed.
    void btnAnnullaClick();
    // Fills the card page, hands it on and closes the window.
    void btnStampaClick();

protected:
    struct Texts {
        QString caption;
        QString confirm;
        QString heading;
        QString line;
        QString instruction;
        bool magnifier;  // the printer icon with a magnifier, for the preview
    };
    // owner is the card editor and card its card; both are empty for the
    // instances made at start-up, which are never shown.
    CardPrintWindow(QWidget* owner, const CurrentCard* card, const Texts& texts);

    // The last step: the laid-out page to the printer or to the preview.
    virtual void deliver(const ReportDocument& page) = 0;

private:
    void createPictures(const Texts& texts);
    void createButtons(const QString& confirm);

    const CurrentCard* m_card;
};

class TfrmStampaScadenza : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaScadenza(QWidget* owner = nullptr, const CurrentCard* card = nullptr);

protected:
    void deliver(const ReportDocument& page) override;
};

class TfrmStartup : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget* owner = nullptr, const CurrentCard* card = nullptr);

protected:
    void deliver(const ReportDocument& page) override;
};

}  // namespace memora
