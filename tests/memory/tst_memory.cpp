// The memory of the long lists: texts kept end to end in large blocks.
#include "memory/text_arena.h"
#include "test_runner.h"

#include <QCoreApplication>
#include <QTest>

#include <vector>

using namespace memora;

class TestMemory : public QObject {
    Q_OBJECT

private slots:
    void arenaKeepsEveryText();
};

// Texts stored one after another stay where they were put and intact while
// the arena grows block by block, a text longer than any block included; and
// a moved arena keeps them.
void TestMemory::arenaKeepsEveryText()
{
    TextArena arena;
    std::vector<QString> texts;
    std::vector<QStringView> stored;
    for (int k = 0; k < 60000; ++k) {
        texts.push_back(QString::number(k).repeated(k % 97));
        stored.push_back(arena.store(texts.back()));
    }
    texts.push_back(QString(20 * 1024 * 1024, u'x'));
    stored.push_back(arena.store(texts.back()));
    texts.push_back(QStringLiteral("ultimo"));
    stored.push_back(arena.store(texts.back()));
    const TextArena moved = std::move(arena);
    for (std::size_t k = 0; k < texts.size(); ++k)
        if (stored[k] != texts[k])
            QFAIL(qPrintable(QStringLiteral("text %1 changed").arg(k)));
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    return memora::test::runTests(argc, argv, {memora::test::makeTest<TestMemory>});
}
#include "tst_memory.moc"
