// The home window, then the command line.
#include "test_runner.h"

#include <QApplication>

QObject* makeHomeWindowTest();
QObject* makeCommandLineTest();

int main(int argc, char* argv[])
{
    // The calendar's times are those of Rome.
    memora::test::useTimeZone("Europe/Rome");
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeHomeWindowTest, makeCommandLineTest});
}
