// The list panel shared by the three status summaries and the search results:
// instructions, the find-in-list row, the sorted list of summary lines and the
// Chiudi and Stampa buttons.
#pragma once

#include "rules/summary_lines.h"

#include <QPushButton>
#include <QWidget>


class QLabel;
class QLineEdit;

namespace memora {

class Picture;
class SummaryList;

class SummaryPanel : public QWidget {
    Q_OBJECT
public:
    // banner is the subject drawn in red capitals across the top.
    SummaryPanel(const QString& banner, QWidget* parent);

    Picture* imgLogo = nullptr;
    Picture* imgLente = nullptr;
    Picture* shpLente = nullptr;
    Picture* shpSfondo = nullptr;
    Picture* shpLista = nullptr;
    QLabel* lblRigo01 = nullptr;
    QLabel* lblRigo02 = nullptr;
    QLineEdit* txtTrova = nullptr;
    QPushButton* btnTrova = nullptr;
    SummaryList* lstRecords = nullptr;
    QLabel* lblRigo03 = nullptr;
    QPushButton* btnChiudi = nullptr;
    QPushButton* btnStampa = nullptr;

    // Empties the search field and UltimaChiave, as every showing does.
    void resetFind();
    // Shows the entries in the list's sorted order, none selected.
    void showEntries(SummaryLines entries);
    // The selected line's entry, or nullptr.
    const SummaryEntry* selectedEntry() const;
    // Every line from the top down.
    QStringList lines() const;

signals:
    // A double-click anywhere on the list, or Enter on it.
    void lineChosen();

public slots:
    void btnTrovaClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createDecoration(const QString& banner);
    void createControls();

    QString m_UltimaChiave;
};

// A button of the list and search windows. Enter presses it only while it has
// the focus: these windows have no default button, so Enter typed in a field
// never presses one.
class WindowButton : public QPushButton {
    Q_OBJECT
public:
    WindowButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace memora
