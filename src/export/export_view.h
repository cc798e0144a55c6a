// The four export views: a grid of cards that the user can read, edit in a
// few columns and write into a spreadsheet file. One window class, configured
// by the table of the views' differences (export_view.cpp); each view is a
// thin class of its own, created anew by its button and shown modally.
#pragma once

#include "export/export_views.h"

#include <QDate>
#include <QDialog>

class QFrame;
class QLabel;
class QTableView;

namespace memora {

class ExportGridModel;
class Picture;
class PictureButton;
struct ExportViewTraits;

class ExportView : public QDialog {
    Q_OBJECT
public:
    // day is the day (or month) the day and month views list; the others
    // do not use it.
    ExportView(ExportViewKind kind, QWidget* owner, QDate day);
    ~ExportView() override;

    ExportGridModel& grid() { return *m_grid; }

    QFrame* panContainer = nullptr;
    QFrame* shpSfondo = nullptr;
    Picture* imgLogo = nullptr;
    Picture* icoHand = nullptr;
    PictureButton* cmdEsporta = nullptr;
    PictureButton* cmdEsportaXlsx = nullptr;
    PictureButton* cmdEsportaCalendario = nullptr;
    PictureButton* cmdGuida = nullptr;
    PictureButton* cmdEsci = nullptr;
    QTableView* grdRecords = nullptr;
    QFrame* shpInfo = nullptr;
    QLabel* panInfo = nullptr;

public slots:
    void cmdEsportaClick();
    void cmdEsportaXlsxClick();
    void cmdEsportaCalendarioClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdEsportaMouseMove();
    void cmdEsportaXlsxMouseMove();
    void cmdEsportaCalendarioMouseMove();
    void cmdGuidaMouseMove();
    void cmdEsciMouseMove();
    void FormMouseMove();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void createFrame();
    void createButtons();
    void createGrid();
    void watchMouseMoves(QWidget* widget);

    ExportViewKind m_kind;
    const ExportViewDefinition& m_view;
    const ExportViewTraits& m_traits;
    QDate m_day;
    ExportGridModel* m_grid = nullptr;
};

// Every card of the archive; opened by the card editor.
class TfrmExpScadenzario : public ExportView {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget* owner = nullptr);
};

// The cards whose notice period has begun and that are not fulfilled.
class TfrmExpImminenti : public ExportView {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget* owner = nullptr);
};

// The cards due on day.
class TfrmExpGiornaliere : public ExportView {
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget* owner = nullptr, QDate day = {});
};

// The cards due in the month and year of day.
class TfrmExpMensili : public ExportView {
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget* owner = nullptr, QDate day = {});
};

}  // namespace memora
