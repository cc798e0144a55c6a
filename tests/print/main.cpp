// Runs every test class of the print folder in one headless application, with
// Qt's own dialogs in Italian as in the program.
#include "app/program.h"
#include "print_tests.h"
#include "test_runner.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    memora::useItalian();
    return memora::test::runTests(argc, argv,
                                  {makeReportLayoutTest, makeListReportTest, makePrintDialogTest, makePreviewWindowTest,
                                   makeCardPageTest, makeCardPrintWindowTest});
}
