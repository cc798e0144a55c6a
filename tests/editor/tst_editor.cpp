// The card editor's tests: the field rules without a window, then the
// editor and its date picker, then the editor as the current card.
#include "test_runner.h"

#include <QApplication>

QObject* makeFieldRulesTest();
QObject* makeCardEditorTest();
QObject* makeCurrentCardTest();

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {makeFieldRulesTest, makeCardEditorTest, makeCurrentCardTest});
}
