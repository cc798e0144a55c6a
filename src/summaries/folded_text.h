// Text tests that ignore the case of the letters A to Z and of nothing else.
#pragma once

#include <QStringView>

namespace memora {

// c with the letters A to Z turned to a to z.
constexpr char16_t foldedChar(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// True when needle occurs in text as a run of consecutive characters once the
// letters A to Z of text are turned to a to z. needle is already folded
// (foldAZ). An empty needle occurs nowhere.
bool containsFolded(QStringView text, QStringView foldedNeedle);

// Orders texts by their characters with the letters A to Z folded; every
// other character compares by its UTF-16 code, and a text that begins
// another comes before it.
bool foldedLess(QStringView a, QStringView b);

}  // namespace memora
