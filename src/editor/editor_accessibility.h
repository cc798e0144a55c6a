// What the card editor shows assistive tools beyond what Qt shows them.
#pragma once

namespace memora {

// From now on every card editor shows assistive tools its controls without
// btnFocus: a button of no size that only takes the focus during a save.
// Idempotent; call before the first editor is made.
void installEditorAccessibility();

}  // namespace memora
