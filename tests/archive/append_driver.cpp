// Appends cards to an archive, as one running copy of the program does.
// Usage: append_driver ARCHIVE PREFIX COUNT
// Card i gets the reason PREFIX-i.
#include "archive/archive_file.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    memora::TSchedaScadenza card;
    card.Data = QStringLiteral("10/03/2014");
    card.Avviso = QStringLiteral("0");
    card.Assolto = QStringLiteral("No");
    const int count = args[3].toInt();
    try {
        for (int i = 0; i < count; ++i) {
            card.Causale = args[2] + QLatin1Char('-') + QString::number(i);
            memora::ArchiveFile archive(args[1], memora::ArchiveAccess::ReadWrite);
            archive.append(card);
        }
    } catch (const memora::ArchiveError&) {
        return 1;
    }
    return 0;
}
