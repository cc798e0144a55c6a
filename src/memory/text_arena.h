// Texts kept end to end in a few large blocks, for the lists a scan builds.
//
// A list of a million lines then costs a few dozen allocations rather than a
// million, and frees them at once when it goes. The large blocks are mapped
// in large pages (large_pages.h).
#pragma once

#include <QStringView>

#include <cstddef>
#include <vector>

namespace memora {

class TextArena {
public:
    TextArena() = default;
    TextArena(TextArena&& other) noexcept;
    TextArena& operator=(TextArena&& other) noexcept;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;
    ~TextArena();

    // Room for length characters, which stay where they are until the arena
    // is destroyed. Throws std::bad_alloc when no memory is left.
    char16_t* allocate(std::size_t length);
    // A copy of text in the arena.
    QStringView store(QStringView text);
    // The memory of the blocks taken so far.
    std::size_t bytes() const { return m_heldChars * sizeof(char16_t); }

private:
    struct Block {
        char16_t* start;
        std::size_t length;  // in characters
    };
    void release();

    std::vector<Block> m_blocks;
    std::size_t m_used = 0;  // characters used in the last block
    std::size_t m_heldChars = 0;  // characters of every block
};

}  // namespace memora
