// The export views' grid: one card per row, one field per column, plain texts
// that keep no link to the card they came from. A table model, so a grid of a
// hundred thousand rows fills, orders and paints at once; the spreadsheet
// writer reads the same rows' texts in place.
#pragma once

#include "archive/card_record.h"
#include "export/spreadsheet_file.h"
#include "rules/card_scan.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace memora {

enum GridColumnId {
    colNum, colData, colOra, colTipologia, colCausale, colDettagli, colContatto, colTel,
    colCel, colEmail, colLuogo, colImporto, colOttemperata, colNote, colCodice,
};
constexpr int gridColumnCountMax = colCodice + 1;

// A grid column: its header and its width on screen.
struct GridColumn {
    const char* header;
    int width;
};

constexpr GridColumn gridColumns[gridColumnCountMax] = {
    {"N.", 60},         {"Data scadenza", 120}, {"Ora", 100},       {"Tipologia", 250}, {"Causale", 300},
    {"Dettagli", 300},  {"Persona o Ditta", 250}, {"Telefono", 150}, {"Cellulare", 150}, {"E-mail", 200},
    {"Luogo", 250},     {"Importo", 180},       {"Impegno assolto", 150}, {"Note", 300}, {"Codice univoco", 150},
};

// One grid row: the number shown in column 0 (0 for a blank row) and the
// texts of columns 1 to 14. The texts are held end to end in one string, so a
// row is one allocation: a grid of a million rows fills, and lets go, at once.
class GridRow {
public:
    static constexpr int textColumns = gridColumnCountMax - 1;

    GridRow() = default;
    // texts[k] is the text of column k + 1.
    GridRow(int number, const std::array<QStringView, textColumns>& texts);

    int number = 0;
    // REQUIRES: 1 <= column <= textColumns.
    QStringView text(int column) const;
    void setText(int column, QStringView text);

private:
    QString m_texts;
    std::array<int, textColumns> m_ends {};  // where each column's text ends in m_texts
};

// A card's row: its trimmed fields in the columns' order and its ChiaveDataOra.
GridRow gridRowOf(const TSchedaScadenza& card, int number);

class ExportGridModel : public QAbstractTableModel, public SheetRows {
    Q_OBJECT
public:
    // columns is 14 (whole archive) or 15 (filtered views); the cells of the
    // editable columns accept typing, every other cell is read-only.
    ExportGridModel(int columns, std::vector<int> editableColumns, QObject* parent = nullptr);

    void setRows(std::vector<GridRow> rows);
    // Puts the rows in the order given: row k becomes the old row order[k].
    // REQUIRES: order is a permutation of 0 .. rowCount() - 1.
    void reorderRows(const std::vector<int>& order);
    // The text of a cell, column 0 being the row number.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int sheetRowCount() const override { return rowCount(); }
    QStringView sheetCell(int row, int column) const override;

private:
    int m_columns;
    std::vector<int> m_editable;
    std::vector<GridRow> m_rows;
};

// Every card of the archive at path in archive order, row i holding card
// i + 1. The rows are made first, one per record; a failure to open or read
// ends the loading there, and the rows after it stay blank.
void loadWholeArchive(ExportGridModel& grid, const QString& path);

// The cards of the archive at path that filter keeps, numbered 1, 2, ... in
// archive order, then ordered by ChiaveDataOra. A failure to open or read ends
// the loading there: the rows found stay, unordered.
void loadFilteredCards(ExportGridModel& grid, const QString& path, const CardFilter& filter);

// Reorders whole rows so that column is ascending, comparing its texts
// case-insensitively with the collation of the user's locale. Rows with
// equal texts may end in any order between them.
void OrdinaGriglia(ExportGridModel& grid, int column);

}  // namespace memora
