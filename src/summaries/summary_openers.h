// The card editor's ways into the summaries and the search: each opens a new
// window owned by the editor, shows it modally, and lets a chosen line write
// its card into the editor with CaricaScheda.
#pragma once

namespace memora {

class TfrmArchivio_Scadenze;

void openDaAssolvere(TfrmArchivio_Scadenze& editor);
void openScaduti(TfrmArchivio_Scadenze& editor);
void openAssolti(TfrmArchivio_Scadenze& editor);
// The search, told by its opener tag that it was opened by the editor.
void openTrovaScadenze(TfrmArchivio_Scadenze& editor);

}  // namespace memora
