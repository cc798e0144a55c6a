#include "print/system_printing.h"

#include "print/preview_window.h"
#include "print/print_dialog.h"

#include <QPrinter>

namespace memora {

namespace {

class SystemPrinting : public Printing {
public:
    bool print(QWidget* parent, const ReportDocument& document) override
    {
        QPrinter printer(QPrinter::HighResolution);
        return printThroughDialog(parent, document, printer);
    }
    void preview(QWidget* parent, const ReportDocument& document) override
    {
        PreviewWindow window(document, parent);
        platform().modal->run(window);
    }
};

}  // namespace

std::unique_ptr<Printing> makeSystemPrinting() { return std::make_unique<SystemPrinting>(); }

}  // namespace memora
