// The print dialog: the one way from a laid-out report onto paper.
#pragma once

class QPrinter;
class QWidget;

namespace memora {

struct ReportDocument;

// Offers the print dialog on printer, in which the user picks the printer,
// the number of copies, their collation and the order of pages, and prints
// the whole document there unless the user cancels. A printer that cannot be
// written to is reported as an error. Returns whether the document was printed.
bool printThroughDialog(QWidget* parent, const ReportDocument& document, QPrinter& printer);

}  // namespace memora
