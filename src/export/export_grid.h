// The export views' grid: one card per row, one field per column, plain texts
// that keep no link to the card they came from. A table model, so a grid of a
// hundred thousand rows fills, orders and paints at once; the spreadsheet
// writer reads the same rows' texts in place.
#pragma once

#include "archive/card_record.h"
#include "export/spreadsheet_file.h"
#include "memory/large_pages.h"
#include "memory/text_arena.h"
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

// One grid row: the number shown in column 0 (0 for a blank row), the
// number of the card it shows (0 for none) and the texts of columns 1 to 14,
// held end to end in its grid's arena.
struct GridRow {
    static constexpr int textColumns = gridColumnCountMax - 1;

    // REQUIRES: 1 <= column <= textColumns.
    QStringView text(int column) const;

    int number = 0;
    int card = 0;
    const char16_t* texts = nullptr;
    std::array<int, textColumns> ends {};  // where each column's text ends in texts
};

// The rows of a grid. Their texts go end to end into one arena, so a grid of
// a million rows fills, and lets go, as a few blocks of memory rather than a
// million strings; and a grid in file order is read out in memory order.
//
// Adding a row throws std::bad_alloc when the rows have reached their memory
// limit (listMemoryLimit).
class GridRows {
public:
    // Room for count rows, or as many as the grid may hold (listRoom).
    void reserve(std::size_t count) { m_rows.reserve(listRoom<GridRow>(count)); }
    // texts[k] is the text of column k + 1.
    void append(int number, const std::array<QStringView, GridRow::textColumns>& texts);
    // A card's row: its trimmed fields in the columns' order and its ChiaveDataOra.
    void append(const TSchedaScadenza& card, int number, int cardNumber);
    void appendBlank();

    std::size_t size() const { return m_rows.size(); }
    const GridRow& operator[](std::size_t row) const { return m_rows[row]; }
    // The row's texts are written anew with this one in place of the cell's.
    void setText(std::size_t row, int column, QStringView text);
    // Row k becomes the old row order[k].
    // REQUIRES: order is a permutation of 0 .. size() - 1.
    void reorder(const std::vector<int>& order);

private:
    // A row of these texts, written into the arena.
    GridRow stored(int number, const std::array<QStringView, GridRow::textColumns>& texts);
    std::size_t bytes() const { return m_rows.size() * sizeof(GridRow) + m_text.bytes(); }

    TextArena m_text;
    LargeVector<GridRow> m_rows;
};

class ExportGridModel : public QAbstractTableModel, public SheetRows {
    Q_OBJECT
public:
    // columns is 14 (whole archive) or 15 (filtered views); the cells of the
    // editable columns accept typing, every other cell is read-only.
    ExportGridModel(int columns, std::vector<int> editableColumns, QObject* parent = nullptr);

    void setRows(GridRows rows);
    // Puts the rows in the order given: row k becomes the old row order[k].
    // REQUIRES: order is a permutation of 0 .. rowCount() - 1.
    void reorderRows(const std::vector<int>& order);
    // The text of a cell, column 0 being the row number.
    QString text(int row, int column) const;
    // The numbers of the cards the rows show, in the rows' order.
    std::vector<int> cardNumbers() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int sheetRowCount() const override { return rowCount(); }
    QStringView sheetCell(int row, int column) const override;

private:
    // Whether index is one of the grid's cells.
    bool holds(const QModelIndex& index) const;

    int m_columns;
    std::vector<int> m_editable;
    GridRows m_rows;
};

// Every card of the archive at path in archive order, row i holding card
// i + 1. A failure to read ends the loading there, and the rows of the
// records not reached stay blank (as many as the grid can hold); a grid that
// cannot hold every card ends it too, with the rows it has.
ScanResult loadWholeArchive(ExportGridModel& grid, const QString& path);

// The cards of the archive at path that filter keeps, numbered 1, 2, ... in
// archive order, then ordered by ChiaveDataOra. A failure to open or read, or
// a grid that cannot hold every card, ends the loading there: the rows found
// stay, unordered.
ScanResult loadFilteredCards(ExportGridModel& grid, const QString& path, const CardFilter& filter);

// Reorders whole rows so that column is ascending, comparing its texts
// case-insensitively with the collation of the user's locale. Rows with
// equal texts may end in any order between them.
void OrdinaGriglia(ExportGridModel& grid, int column);

}  // namespace memora
