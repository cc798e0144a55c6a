#include "editor/card_store.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"

namespace memora {

namespace {

using Kind = NavigationStep::Kind;

NavigationStep show(int card) { return {Kind::ShowCard, card, false}; }

NavigationStep fromNumber(NavigationCommand command, int recordCount, QStringView number)
{
    const std::optional<int> n = parseWholeNumber(number);
    if (!n)
        return {Kind::BadNumber, 0, false};
    if (command == NavigationCommand::Avanti)
        return *n < recordCount ? show(*n + 1) : NavigationStep{};
    return *n == 1 ? NavigationStep{} : show(*n - 1);
}

}  // namespace

NavigationStep navigationStep(NavigationCommand command, int recordCount, QStringView cardNumber)
{
    const QStringView number = trimmedView(cardNumber);
    if (command == NavigationCommand::Indietro && number == u"1")
        return {};
    if (recordCount == 0)
        return {Kind::EmptyArchive, 0, command == NavigationCommand::Avanti};
    if (command == NavigationCommand::Ultimo)
        return show(recordCount);
    if (command == NavigationCommand::Primo || number.isEmpty())
        return show(1);
    return fromNumber(command, recordCount, number);
}

// Cards are never removed, so the card the count leads to is still there
// when it is read.
Navigation navigate(const QString& path, NavigationCommand command, QStringView cardNumber)
{
    const int recordCount = ArchiveFile(path, ArchiveAccess::Read).recordCount();
    Navigation result{navigationStep(command, recordCount, cardNumber), {}};
    if (result.step.kind == Kind::ShowCard)
        result.card = readCard(path, result.step.card);
    return result;
}

int saveCard(const QString& path, const TSchedaScadenza& card, std::optional<int> n)
{
    ArchiveFile archive(path, ArchiveAccess::ReadWrite);
    if (!n)
        return archive.append(card);
    if (*n < 1 || *n > archive.recordCount())
        throw ArchiveError("the card number names no card of the archive");
    archive.seek(*n - 1);
    archive.write(card);
    return archive.position();
}

}  // namespace memora
