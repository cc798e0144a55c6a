#include "export/export_views.h"

#include "export/export_grid.h"
#include "rules/card_rules.h"

#include <array>

namespace memora {

const ExportViewDefinition& exportViewDefinition(ExportViewKind kind)
{
    static const std::array<ExportViewDefinition, 4> table = {{
        {QStringLiteral("Riepilogo_Scadenze"), QStringLiteral("Riepilogo Scadenze"), 13, nullptr, {}, false},
        {QStringLiteral("Scadenze_Imminenti"), QStringLiteral("Scadenze imminenti"), 14, &Imminente, ImminenteFields,
         false},
        {QStringLiteral("Scadenze_Giornaliere"), QStringLiteral("Scadenze del giorno"), 14, &DelGiorno,
         DelGiornoFields, true},
        {QStringLiteral("Scadenze_Mensili"), QStringLiteral("Scadenze del mese"), 14, &DelMese, DelMeseFields, true},
    }};
    return table[std::size_t(kind)];
}

ScanResult loadExportView(ExportGridModel& grid, ExportViewKind kind, const QString& path, QDate today,
                          QDate chosenDay)
{
    const ExportViewDefinition& view = exportViewDefinition(kind);
    if (!view.belongs)
        return loadWholeArchive(grid, path);
    const QDate day = view.ruleOnChosenDay ? chosenDay : today;
    const auto belongs = view.belongs;
    return loadFilteredCards(grid, path, {view.reads, [belongs, day](const TSchedaScadenza& card) { return belongs(card, day); }});
}

}  // namespace memora
