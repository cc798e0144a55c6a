// The base of the windows that show a list panel: a modal dialog opened by
// the card editor, in which a double-clicked line brings its card into the
// current card (CaricaScheda) and closes the window, and Stampa prints the list.
//
// Each line keeps the number of the card it was built from, so choosing a
// line loads exactly that card, as it now stands in the archive, even when
// another card renders to the same line.
#pragma once

#include <QDialog>

namespace memora {

class CurrentCard;
class SummaryPanel;

class SummaryWindow : public QDialog {
    Q_OBJECT
public:
    SummaryPanel* panContainer = nullptr;

public slots:
    void lstRecordsDblClick();
    // Prints every line, top to bottom, under the window's print title.
    void btnStampaClick();
    void btnChiudiClick();

protected:
    // owner is the card editor, and card its card, which a chosen line is
    // written into; both are empty for the instances made at start-up, which
    // are never shown.
    SummaryWindow(QWidget* owner, CurrentCard* card, const QString& caption, const QString& banner,
                  const QString& printTitle);

    // Whether a chosen card may be written into the current card.
    virtual bool mayLoadIntoEditor() const { return true; }
    virtual void FormClose();
    // Every way of closing the dialog ends here, so FormClose always runs.
    void done(int result) override;

private:
    CurrentCard* m_card;
    QString m_printTitle;
};

}  // namespace memora
