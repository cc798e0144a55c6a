// Qt's model tester over a model a test fills, reorders, edits and clears.
#pragma once

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace memora::test {

// Checks model against the rules of Qt's item models for as long as it lives,
// each broken rule failing the test function. From its making to the end of
// the test function any warning fails it too: a model that complains about a
// query the tester or a view makes of it is as broken as one that answers it
// wrongly.
class ModelTester {
public:
    explicit ModelTester(QAbstractItemModel* model)
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        m_tester = std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

private:
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

}  // namespace memora::test
