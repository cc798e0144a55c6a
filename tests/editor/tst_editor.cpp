// The card editor's tests: the field rules without a window, then the
// editor and its date picker, then the editor as the current card. A test
// function named on the command line runs in the test class that has it;
// every other argument goes to each class.
#include <QApplication>
#include <QMetaMethod>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

QObject* makeFieldRulesTest();
QObject* makeCardEditorTest();
QObject* makeCurrentCardTest();

namespace {

bool hasFunction(const QObject& test, const char* argument)
{
    const QByteArray name = QByteArray(argument).split(':').first();
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).name() == name)
            return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::vector<std::unique_ptr<QObject>> tests;
    tests.emplace_back(makeFieldRulesTest());
    tests.emplace_back(makeCardEditorTest());
    tests.emplace_back(makeCurrentCardTest());
    const auto namesFunction = [&](const char* argument) {
        return std::any_of(tests.begin(), tests.end(), [&](const auto& test) { return hasFunction(*test, argument); });
    };
    int failures = 0;
    for (const auto& test : tests) {
        QList<char*> arguments{argv[0]};
        bool namedElsewhere = false;
        for (int i = 1; i < argc; ++i) {
            const bool function = namesFunction(argv[i]);
            if (!function || hasFunction(*test, argv[i]))
                arguments.append(argv[i]);
            namedElsewhere = namedElsewhere || (function && !hasFunction(*test, argv[i]));
        }
        const bool namedHere = std::any_of(arguments.begin() + 1, arguments.end(), namesFunction);
        if (namedHere || !namedElsewhere)
            failures += QTest::qExec(test.get(), int(arguments.size()), arguments.data());
    }
    return failures;
}
