// The card editor's tests: the field rules without a window, then the
// editor and its date picker.
#include "test_runner.h"

#include <QApplication>

QObject* makeFieldRulesTest();
QObject* makeCardEditorTest();

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeFieldRulesTest, makeCardEditorTest});
}
