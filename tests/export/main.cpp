// The spreadsheet files and the export views, the workbooks, then the
// calendar files, in one headless application.
#include "test_runner.h"

#include <QApplication>

QObject* makeExportTest();
QObject* makeWorkbookTest();
QObject* makeCalendarTest();

int main(int argc, char* argv[])
{
    // Every time in the calendar files is a time of Rome.
    memora::test::useTimeZone("Europe/Rome");
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeExportTest, makeWorkbookTest, makeCalendarTest});
}
