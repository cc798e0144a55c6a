#include "print/print_dialog.h"

#include "platform/platform.h"
#include "print/report_painter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace memora {

namespace {

// A printer makes the copies the dialog asked for itself; where it cannot (a
// PDF file), Qt leaves them to the program.
Copies copiesToPaint(const QPrinter& printer)
{
    if (printer.supportsMultipleCopies())
        return {};
    return {printer.copyCount(), printer.collateCopies()};
}

}  // namespace

bool printThroughDialog(QWidget* parent, const ReportDocument& document, QPrinter& printer)
{
    printer.setDocName(document.name);
    printer.setPageLayout(reportPageLayout(document.orientation));
    QPrintDialog dialog(&printer, parent);
    // The whole document always prints: no page ranges, no selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
    platform().modal->run(dialog);
    if (dialog.result() != QDialog::Accepted)
        return false;
    if (renderReport(document, printer, copiesToPaint(printer)))
        return true;
    platform().messages->show(parent, MessageKind::Error,
                              QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento."));
    return false;
}

}  // namespace memora
