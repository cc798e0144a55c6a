// Reading the card the card editor shows, for the card page.
#pragma once

#include "print/card_template.h"

namespace memora {

class TfrmArchivio_Scadenze;

// The texts of the editor's card controls and the state of its check box, as
// they stand now, saved or not.
CardControls cardControlsOf(const TfrmArchivio_Scadenze& editor);

}  // namespace memora
