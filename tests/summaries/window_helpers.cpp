#include "window_helpers.h"

#include "print/report_layout.h"
#include "summaries/summary_panel.h"
#include "widgets/summary_list.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

namespace memora::test {

void runModal(FakePlatform& platform, QDialog& window, const std::function<void()>& act)
{
    platform.modal.inside = [&act](QDialog& dialog) {
        QApplication::setActiveWindow(&dialog);
        act();
    };
    memora::platform().modal->run(window);
    platform.modal.inside = nullptr;
}

QStringList listedLines(const SummaryPanel& panel)
{
    return panel.lstRecords->lines().entries().texts();
}

QList<int> listedCards(const SummaryPanel& panel)
{
    QList<int> numbers;
    for (const SummaryEntry& entry : panel.lstRecords->lines().entries())
        numbers << entry.cardNumber;
    return numbers;
}

namespace {

QPoint belowLines(const SummaryList& list) { return QPoint(20, list.viewport()->height() - 5); }

}  // namespace

void clickBelowLines(SummaryList& list)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, belowLines(list));
}

void doubleClickLine(SummaryList& list, int row)
{
    const QPoint where = row >= 0 ? list.visualRect(list.model()->index(row, 0)).center() : belowLines(list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, where);
}

QStringList printedBox(const FakePlatform& platform, const QString& box)
{
    QStringList texts;
    if (platform.printing.printed.size() != 1)
        return {QStringLiteral("expected one printed document")};
    for (const ReportPage& page : platform.printing.printed.front().pages)
        for (const PlacedText& text : page.texts)
            if (text.box == box)
                texts << text.text;
    return texts;
}

void blockArchive(const FakePlatform& platform)
{
    if (!QDir().mkpath(platform.archive()))
        qFatal("cannot make a directory in the archive's place");
}

}  // namespace memora::test
