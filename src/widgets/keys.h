// The keys every window reads the same way.
#pragma once

class QEvent;

namespace memora {

// Return, or Enter on the keypad.
bool isEnterKey(int key);

// A press of either.
bool isEnterPress(const QEvent* event);

}  // namespace memora
