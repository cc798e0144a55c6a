#include "print/print_dialog.h"

#include "platform/platform.h"
#include "print/report_painter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace memora {

namespace {

// A printer makes the copies and the order of pages the dialog asked for
// itself; a PDF file makes neither, Qt leaves them to the program.
PrintOrder orderToPaint(const QPrinter& printer)
{
    PrintOrder order;
    if (!printer.supportsMultipleCopies()) {
        order.copies = printer.copyCount();
        order.collated = printer.collateCopies();
    }
    order.lastPageFirst = printer.outputFormat() == QPrinter::PdfFormat && printer.pageOrder() == QPrinter::LastPageFirst;
    return order;
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
    if (renderReport(document, printer, orderToPaint(printer)))
        return true;
    platform().messages->show(parent, MessageKind::Error,
                              QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento."));
    return false;
}

}  // namespace memora
