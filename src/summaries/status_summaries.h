// The three status summaries: the commitments to fulfil, those expired and
// not fulfilled, and those fulfilled. One list window, configured by a row of
// the table in status_summaries.cpp: caption, banner, card rule, print title.
#pragma once

#include "archive/card_record.h"
#include "summaries/summary_window.h"

#include <QDate>

#include <functional>

namespace memora {

struct StatusSummary {
    QString caption;
    QString banner;
    FieldSet reads;  // the fields belongs reads
    std::function<bool(const TSchedaScadenza&, QDate today)> belongs;
    QString printTitle;
};

class StatusSummaryWindow : public SummaryWindow {
    Q_OBJECT
protected:
    StatusSummaryWindow(QWidget* owner, CurrentCard* card, const StatusSummary& summary);
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    FieldSet m_reads;
    std::function<bool(const TSchedaScadenza&, QDate)> m_belongs;
};

// The unfulfilled commitments, past and future.
class TfrmConfermati : public StatusSummaryWindow {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* owner = nullptr, CurrentCard* card = nullptr);
};

// The unfulfilled commitments whose due date has passed.
class TfrmScaduti : public StatusSummaryWindow {
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget* owner = nullptr, CurrentCard* card = nullptr);
};

// The fulfilled commitments.
class TfrmAssolti : public StatusSummaryWindow {
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget* owner = nullptr, CurrentCard* card = nullptr);
};

}  // namespace memora
