#include "widgets/summary_list.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace memora {

namespace {
constexpr int itemWidth = 1600;
}

SummaryListModel::SummaryListModel(int pointSize, QObject* parent)
    : QAbstractListModel(parent), m_font(QStringLiteral("Courier New"), pointSize)
{
    m_font.setStyleHint(QFont::TypeWriter);
    m_itemSize = QSize(itemWidth, QFontMetrics(m_font).height() + 2);
}

void SummaryListModel::setEntries(SummaryLines entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void SummaryListModel::clear() { setEntries({}); }

int SummaryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant SummaryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_entries.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return m_entries[std::size_t(index.row())].line.toString();
    case Qt::FontRole: return m_font;
    case Qt::ForegroundRole: return QColor(Qt::black);
    case Qt::SizeHintRole: return m_itemSize;
    default: return {};
    }
}

SummaryList::SummaryList(int pointSize, QWidget* parent) : QListView(parent), m_model(pointSize)
{
    setModel(&m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

// A click below the lines keeps the selected line, which a double-click
// there chooses; the view would clear the selection on the release.
void SummaryList::mousePressEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        QListView::mousePressEvent(event);
}

int SummaryList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void SummaryList::selectRow(int row)
{
    const QModelIndex index = m_model.index(row);
    setCurrentIndex(index);
    scrollTo(index);
}

}  // namespace memora
