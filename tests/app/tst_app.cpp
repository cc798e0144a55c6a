// The home window, then the command line.
#include "test_runner.h"

#include <QApplication>

#include <ctime>

QObject* makeHomeWindowTest();
QObject* makeCommandLineTest();

int main(int argc, char* argv[])
{
    // The calendar's times are those of Rome, as on the machine of a user in Italy.
    qputenv("TZ", "Europe/Rome");
    tzset();
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeHomeWindowTest, makeCommandLineTest});
}
