// TfrmAvvio, the home window: the imminent cards, the status pictures, the
// alert, the calendar for the day and month views, and the way into the card
// editor. It keeps no cards: every showing rebuilds the list from the archive.
#pragma once

#include "rules/card_scan.h"

#include <QWidget>

class QCalendarWidget;
class QPushButton;

namespace memora {

class Picture;
class PictureButton;
class SummaryList;

class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    TfrmAvvio();

    // The window that APRI ARCHIVIO shows in place of this one.
    void setEditor(QWidget* editor) { m_editor = editor; }

    QCalendarWidget* calAppuntamenti = nullptr;
    PictureButton* btnGiorno = nullptr;
    PictureButton* btnMese = nullptr;
    PictureButton* btnArchivio = nullptr;
    PictureButton* appApriArchivio = nullptr;
    SummaryList* lstRecords = nullptr;
    QPushButton* btnCaricaLista = nullptr;
    PictureButton* btnExcel = nullptr;
    PictureButton* btnStampa = nullptr;
    PictureButton* imgGuida = nullptr;
    PictureButton* imgInfo = nullptr;
    PictureButton* imgCopyright = nullptr;
    PictureButton* imgMivrenaSoftware = nullptr;
    PictureButton* imgEsci = nullptr;
    Picture* imgPresenti = nullptr;
    Picture* imgAssenti = nullptr;
    Picture* imgScadenzeSI = nullptr;
    Picture* imgScadenzeNO = nullptr;

public slots:
    void btnCaricaListaClick();
    void appApriArchivioClick();
    void btnStampaClick();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgMivrenaSoftwareClick();
    void imgEsciClick();
    void btnExcelClick();
    void btnGiornoClick();
    void btnMeseClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void createControls();
    void createDecoration();
    // The status pictures: the present pair, the none pair, or neither when
    // the archive could not be read and no imminent card was found before.
    enum class ImminentState { None, Present, Unknown };
    void showImminentState(ImminentState state);

    QWidget* m_editor = nullptr;
    ScanResult m_listRead;  // how the last filling of the list went
};

}  // namespace memora
