// Small helpers for the window tests: acting inside a modal window, reading
// and double-clicking list lines.
#pragma once

#include "fake_current_card.h"
#include "fake_platform.h"
#include "summaries/summary_window.h"

#include <QList>
#include <QStringList>

namespace memora {
class SummaryList;
class SummaryPanel;
}

namespace memora::test {

// Shows the window modally through the fake platform and runs act inside it,
// with the window active; the window is closed afterwards if act left it open.
void runModal(FakePlatform& platform, QDialog& window, const std::function<void()>& act);

QStringList listedLines(const SummaryPanel& panel);
// The 1-based positions in the archive of the listed cards, top to bottom.
QList<int> listedCards(const SummaryPanel& panel);

// Clicks the empty area below the lines.
void clickBelowLines(SummaryList& list);
// Double-clicks a line, or the empty area below the lines for -1, as a
// person does: a click, then the double-click.
void doubleClickLine(SummaryList& list, int row);

// The texts a printed list report holds in a text box, every page in order.
QStringList printedBox(const FakePlatform& platform, const QString& box);

// Makes the archive unreadable: a directory stands where the file should be.
void blockArchive(const FakePlatform& platform);

}  // namespace memora::test
