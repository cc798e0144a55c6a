// Text tests that ignore the case of the letters A to Z and of nothing else.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace memora {

// One needle looked for in many texts, as a find through a long list looks
// for it. It skips along each text by what the needle's characters allow
// (Horspool's search), so a long needle reads a few characters of a text in
// place of every one.
class FoldedNeedle {
public:
    // The needle is already folded (foldAZ).
    explicit FoldedNeedle(const QString& foldedNeedle);
    // True when the needle occurs in text as a run of consecutive characters
    // once the letters A to Z of text are turned to a to z. An empty needle
    // occurs nowhere.
    bool occursIn(QStringView text) const;

private:
    QString m_needle;
    // How far the needle may move on when a text's character, folded, is
    // under its last one; by the character's low byte, the least for all
    // characters that share it.
    std::array<std::uint8_t, 256> m_skip {};
};

// Orders texts by their characters with the letters A to Z folded; every
// other character compares by its UTF-16 code, and a text that begins
// another comes before it.
bool foldedLess(QStringView a, QStringView b);

}  // namespace memora
