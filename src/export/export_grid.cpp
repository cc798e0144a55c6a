#include "export/export_grid.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"
#include "memory/reorder.h"
#include "rules/summary_line.h"

#include <QCollator>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace memora {

namespace {

// The card field shown in each of the columns 1 to 13.
constexpr Field columnFields[] = {
    Field::Data, Field::Ora, Field::Tipologia, Field::Causale, Field::Dettagli, Field::Contatto, Field::Tel,
    Field::Cel, Field::Email, Field::Luogo, Field::Importo, Field::Assolto, Field::Note,
};
static_assert(std::size(columnFields) == colNote);

}  // namespace

QStringView GridRow::text(int column) const
{
    const int begin = column > 1 ? ends[std::size_t(column - 2)] : 0;
    return QStringView(texts + begin, ends[std::size_t(column - 1)] - begin);
}

GridRow GridRows::stored(int number, const std::array<QStringView, GridRow::textColumns>& texts)
{
    std::size_t size = 0;
    for (const QStringView text : texts)
        size += std::size_t(text.size());
    GridRow row;
    row.number = number;
    char16_t* out = m_text.allocate(size);
    row.texts = out;
    for (int k = 0; k < GridRow::textColumns; ++k) {
        const QStringView text = texts[std::size_t(k)];
        out = std::copy(text.utf16(), text.utf16() + text.size(), out);
        row.ends[std::size_t(k)] = int(out - row.texts);
    }
    return row;
}

void GridRows::append(int number, const std::array<QStringView, GridRow::textColumns>& texts)
{
    requireListRoom(bytes());
    m_rows.push_back(stored(number, texts));
}

void GridRows::appendBlank()
{
    requireListRoom(bytes());
    m_rows.push_back({});
}

void GridRows::append(const TSchedaScadenza& card, int number, int cardNumber)
{
    std::array<QStringView, GridRow::textColumns> texts;
    for (std::size_t i = 0; i < std::size(columnFields); ++i)
        texts[i] = trimmedView(card[columnFields[i]]);
    const QString key = ChiaveDataOra(card);
    texts[colCodice - 1] = key;
    append(number, texts);
    m_rows.back().card = cardNumber;
}

void GridRows::setText(std::size_t row, int column, QStringView text)
{
    std::array<QStringView, GridRow::textColumns> texts;
    for (int k = 1; k <= GridRow::textColumns; ++k)
        texts[std::size_t(k - 1)] = k == column ? text : m_rows[row].text(k);
    const int card = m_rows[row].card;
    m_rows[row] = stored(m_rows[row].number, texts);
    m_rows[row].card = card;
}

void GridRows::reorder(const std::vector<int>& order) { m_rows = gathered(m_rows, order); }

ExportGridModel::ExportGridModel(int columns, std::vector<int> editableColumns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns), m_editable(std::move(editableColumns))
{
}

void ExportGridModel::setRows(GridRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ExportGridModel::reorderRows(const std::vector<int>& order)
{
    beginResetModel();
    m_rows.reorder(order);
    endResetModel();
}

QString ExportGridModel::text(int row, int column) const
{
    const GridRow& cells = m_rows[std::size_t(row)];
    if (column == colNum)
        return cells.number > 0 ? QString::number(cells.number) : QString();
    return cells.text(column).toString();
}

std::vector<int> ExportGridModel::cardNumbers() const
{
    std::vector<int> numbers;
    numbers.reserve(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].card > 0)
            numbers.push_back(m_rows[row].card);
    return numbers;
}

QStringView ExportGridModel::sheetCell(int row, int column) const
{
    return m_rows[std::size_t(row)].text(column);
}

// Views ask about the root index too, and it is no cell: the answer is
// nothing, quietly. A valid index of another model or beyond the rows is a
// caller's error, which checkIndex reports.
bool ExportGridModel::holds(const QModelIndex& index) const
{
    return index.isValid() && checkIndex(index, CheckIndexOption::IndexIsValid);
}

int ExportGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int ExportGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant ExportGridModel::data(const QModelIndex& index, int role) const
{
    if (!holds(index))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return text(index.row(), index.column());
    return {};
}

bool ExportGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_rows.setText(std::size_t(index.row()), index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex& index) const
{
    if (!holds(index))
        return Qt::NoItemFlags;
    const Qt::ItemFlags readable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const bool editable = std::find(m_editable.begin(), m_editable.end(), index.column()) != m_editable.end();
    return editable ? readable | Qt::ItemIsEditable : readable;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns || role != Qt::DisplayRole)
        return {};
    return QString::fromUtf8(gridColumns[section].header);
}

ScanResult loadWholeArchive(ExportGridModel& grid, const QString& path)
{
    GridRows rows;
    std::size_t count = 0;
    const CardFilter everyCard{{}, [](const TSchedaScadenza&) { return true; }};
    const ScanResult read = runScan([&] {
        ArchiveFile archive(path, ArchiveAccess::Read);
        count = std::size_t(archive.recordCount());
        rows.reserve(count);
        scanArchive(archive, everyCard, FieldSet::all(), [&rows](const TSchedaScadenza& card, int number) {
            rows.append(card, number, number);
        });
    });
    const ScanResult blanks = runScan([&] {
        while (rows.size() < count)
            rows.appendBlank();
    });
    grid.setRows(std::move(rows));
    return {read.complete && blanks.complete};
}

ScanResult loadFilteredCards(ExportGridModel& grid, const QString& path, const CardFilter& filter)
{
    GridRows rows;
    const ScanResult result = runScan([&] {
        ArchiveFile archive(path, ArchiveAccess::Read);
        rows.reserve(std::size_t(archive.recordCount()));
        scanArchive(archive, filter, FieldSet::all(), [&rows](const TSchedaScadenza& card, int cardNumber) {
            rows.append(card, int(rows.size()) + 1, cardNumber);
        });
    });
    grid.setRows(std::move(rows));
    if (result.complete)
        OrdinaGriglia(grid, colCodice);
    return result;
}

namespace {

// A text of up to sixteen digits as a number that orders as the text does:
// each digit plus one in four bits, from the top; nothing for any other text.
std::optional<std::uint64_t> digitsKey(QStringView text)
{
    if (text.size() > 16)
        return std::nullopt;
    std::uint64_t key = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        key |= std::uint64_t(c - u'0' + 1) << (60 - 4 * k);
    }
    return key;
}

// The order of the rows when every text of the column is digits alone, as the
// date-time keys the filtered views order by are: the collation orders such
// texts digit by digit, as these numbers do, and building and comparing them
// costs a fraction of the collation's keys. Empty when a text is not digits.
std::vector<int> digitsOrder(const ExportGridModel& grid, int column)
{
    std::vector<std::pair<std::uint64_t, int>> keys;
    keys.reserve(std::size_t(grid.rowCount()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        const std::optional<std::uint64_t> key = digitsKey(grid.sheetCell(row, column));
        if (!key)
            return {};
        keys.emplace_back(*key, row);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

}  // namespace

void OrdinaGriglia(ExportGridModel& grid, int column)
{
    if (column != colNum && grid.rowCount() > 0) {
        std::vector<int> order = digitsOrder(grid, column);
        if (!order.empty()) {
            grid.reorderRows(order);
            return;
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int rows = grid.rowCount();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(rows));
    for (int row = 0; row < rows; ++row)
        keys.push_back(collator.sortKey(grid.text(row, column)));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&keys](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    grid.reorderRows(order);
}

}  // namespace memora
