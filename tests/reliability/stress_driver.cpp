// One copy of the program at work on a shared archive, for the stress test.
// Usage: stress_driver ARCHIVE ROLE ID COUNT
//   append     appends COUNT cards tagged "aID-i", each opening the archive anew
//   overwrite  COUNT times reads a card chosen by a sequence seeded with ID and
//              writes it back one version later
//   scan       reads the whole archive COUNT times
// Every card read must be whole. Exit status: 0 done, 1 the archive failed,
// 2 bad arguments, 3 a card was read that is not whole (printed on stderr).
#include "archive/archive_file.h"
#include "rules/card_scan.h"
#include "stress_card.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <random>

using namespace memora;
using memora::test::isWholeStressCard;
using memora::test::stressCard;

namespace {

struct NotWhole {
    int number;
    TSchedaScadenza card;
};

void requireWhole(const TSchedaScadenza& card, int number)
{
    if (!isWholeStressCard(card))
        throw NotWhole{number, card};
}

void append(const QString& path, int id, int count)
{
    for (int i = 0; i < count; ++i) {
        ArchiveFile archive(path, ArchiveAccess::ReadWrite);
        archive.append(stressCard(QStringLiteral("a%1-%2").arg(id).arg(i), 0));
    }
}

void overwrite(const QString& path, int id, int count)
{
    std::minstd_rand choose(std::minstd_rand::result_type(id + 1));
    for (int i = 0; i < count; ++i) {
        ArchiveFile archive(path, ArchiveAccess::ReadWrite);
        const int cards = archive.recordCount();
        if (cards == 0)
            continue;
        const int number = int(choose() % unsigned(cards)) + 1;
        archive.seek(number - 1);
        const TSchedaScadenza card = archive.readNext();
        requireWhole(card, number);
        archive.seek(number - 1);
        archive.write(stressCard(card.Causale, (card.Avviso.toInt() + 1) % 1000));
    }
}

void scan(const QString& path, int count)
{
    for (int i = 0; i < count; ++i) {
        ArchiveFile archive(path, ArchiveAccess::Read);
        scanArchive(archive, CardFilter{FieldSet::all(), [](const TSchedaScadenza&) { return true; }},
                    FieldSet::all(), requireWhole);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return 2;
    const QString& path = args[1];
    const QString& role = args[2];
    const int id = args[3].toInt();
    const int count = args[4].toInt();
    try {
        if (role == u"append")
            append(path, id, count);
        else if (role == u"overwrite")
            overwrite(path, id, count);
        else if (role == u"scan")
            scan(path, count);
        else
            return 2;
    } catch (const ArchiveError& error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(role), error.what());
        return 1;
    } catch (const NotWhole& broken) {
        std::fprintf(stderr, "%s: card %d is not whole: %s / %s / %s\n", qPrintable(role), broken.number,
                     qPrintable(broken.card.Causale), qPrintable(broken.card.Avviso), qPrintable(broken.card.Note.left(40)));
        return 3;
    }
    return 0;
}
