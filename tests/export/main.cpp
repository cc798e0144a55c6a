// The spreadsheet files and the export views, the workbooks, then the
// calendar files, in one headless application.
#include "test_runner.h"

#include <QApplication>

#include <ctime>

QObject* makeExportTest();
QObject* makeWorkbookTest();
QObject* makeCalendarTest();

int main(int argc, char* argv[])
{
    // Every time in the calendar files is a time of Rome, as on the machine of a user in Italy.
    qputenv("TZ", "Europe/Rome");
    tzset();
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeExportTest, makeWorkbookTest, makeCalendarTest});
}
