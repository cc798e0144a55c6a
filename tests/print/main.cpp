// Runs every test group of the print folder in one headless application, with
// Qt's own dialogs in Italian as in the program.
#include "app/program.h"
#include "print_tests.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    memora::useItalian();
    int failures = 0;
    for (auto run : {runReportLayoutTests, runListReportTests, runPrintDialogTests, runPreviewWindowTests,
                     runCardPageTests, runCardPrintWindowTests})
        failures += run(argc, argv);
    return failures;
}
