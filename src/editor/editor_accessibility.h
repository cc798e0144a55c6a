// What the card editor tells assistive tools beyond what Qt tells them.
#pragma once

class QLabel;
class QString;

namespace memora {

// Sets a label's text and announces the change. QLabel announces nothing
// when its text changes; the card number and the status line are news.
void setAnnouncedText(QLabel* label, const QString& text);

// From now on every card editor shows assistive tools its controls without
// btnFocus: a button of no size that only takes the focus during a save.
// Idempotent; call before the first editor is made.
void installEditorAccessibility();

}  // namespace memora
