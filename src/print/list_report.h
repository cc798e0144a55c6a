// Printing a window's list of summary lines as the list report.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace memora {

// Prints the lines under the title through the print dialog, dated today.
// Nothing is printed when the user cancels the dialog.
void StampaRiepilogo(QWidget* parent, const QString& title, const QStringList& lines);

}  // namespace memora
