// A list of summary lines, each remembering the card it was built from.
//
// A model with a uniform-size view, so a list of a hundred thousand lines
// fills and paints at once. Every line is drawn in Courier New, black, at the
// size the window asks for, and laid out 1600 wide with both scroll bars
// shown, so the long lines are read by scrolling sideways.
#pragma once

#include "rules/summary_lines.h"

#include <QAbstractListModel>
#include <QFont>
#include <QListView>


namespace memora {

class SummaryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit SummaryListModel(int pointSize, QObject* parent = nullptr);

    void setEntries(SummaryLines entries);
    void clear();
    const SummaryLines& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    SummaryLines m_entries;
    QFont m_font;
    QSize m_itemSize;
};

class SummaryList : public QListView {
    Q_OBJECT
public:
    SummaryList(int pointSize, QWidget* parent);

    SummaryListModel& lines() { return m_model; }
    // The selected line's index, or -1.
    int selectedRow() const;
    void selectRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    SummaryListModel m_model;
};

}  // namespace memora
