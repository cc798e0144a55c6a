// The summaries, the search and the find-in-list: the plain functions first,
// then the windows, headless, and last the way to and from the card editor.
#include "test_runner.h"

#include <QApplication>

QObject* makeListCoreTest();
QObject* makeSummaryWindowTest();
QObject* makeSearchWindowTest();
QObject* makeEditorLinkTest();

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv,
                                  {makeListCoreTest, makeSummaryWindowTest, makeSearchWindowTest, makeEditorLinkTest});
}
