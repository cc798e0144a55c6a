#include "summaries/summary_openers.h"

#include "editor/card_editor.h"
#include "platform/platform.h"
#include "summaries/search_window.h"
#include "summaries/status_summaries.h"

#include <QLabel>

namespace memora {

namespace {

CardLoader loaderInto(TfrmArchivio_Scadenze& editor)
{
    return [&editor](const TSchedaScadenza& card, int cardNumber) { editor.CaricaScheda(card, cardNumber); };
}

template <typename Window>
void openSummary(TfrmArchivio_Scadenze& editor)
{
    Window window(&editor, loaderInto(editor));
    platform().modal->run(window);
}

}  // namespace

void openDaAssolvere(TfrmArchivio_Scadenze& editor) { openSummary<TfrmConfermati>(editor); }

void openScaduti(TfrmArchivio_Scadenze& editor) { openSummary<TfrmScaduti>(editor); }

void openAssolti(TfrmArchivio_Scadenze& editor) { openSummary<TfrmAssolti>(editor); }

void openTrovaScadenze(TfrmArchivio_Scadenze& editor)
{
    TfrmTrovaScadenze search(&editor, loaderInto(editor));
    search.lblMemory->setText(QStringLiteral("scadenze"));
    platform().modal->run(search);
}

}  // namespace memora
