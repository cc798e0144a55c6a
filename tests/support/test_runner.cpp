#include "test_runner.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaMethod>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

namespace memora::test {

namespace {

// Whether argument names a test function of test: a slot of the class
// itself, with or without a data tag.
bool hasFunction(const QObject& test, const char* argument)
{
    const QByteArray name = QByteArray(argument).split(':').first();
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).methodType() == QMetaMethod::Slot && meta->method(i).name() == name)
            return true;
    return false;
}

}  // namespace

int runTests(int argc, char* argv[], std::initializer_list<TestMaker> makers)
{
    // As QTEST_MAIN does, so sizes in pixels are the same on every screen.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    std::vector<std::unique_ptr<QObject>> tests;
    for (const TestMaker make : makers)
        tests.emplace_back(make());
    const auto namesFunction = [&tests](const char* argument) {
        return std::any_of(tests.begin(), tests.end(),
                           [argument](const auto& test) { return hasFunction(*test, argument); });
    };
    const bool functionsNamed = std::any_of(argv + 1, argv + argc, namesFunction);
    int failures = 0;
    for (const auto& test : tests) {
        QList<char*> arguments{argv[0]};
        bool namedHere = false;
        for (int i = 1; i < argc; ++i) {
            const bool here = hasFunction(*test, argv[i]);
            namedHere = namedHere || here;
            if (here || !namesFunction(argv[i]))
                arguments.append(argv[i]);
        }
        if (namedHere || !functionsNamed)
            failures += QTest::qExec(test.get(), int(arguments.size()), arguments.data());
    }
    return std::min(failures, 127);
}

void useTimeZone(const char* zone)
{
    qputenv("TZ", zone);
    tzset();
}

}  // namespace memora::test
