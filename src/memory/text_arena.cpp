#include "memory/text_arena.h"

#include "memory/large_pages.h"

#include <algorithm>
#include <utility>

namespace memora {

namespace {

// The first block holds a short list in 64 KiB; each next one doubles, up to
// 32 MiB, so a long list needs a few dozen blocks and a short one a few pages.
constexpr std::size_t firstBlockChars = 32 * 1024;
constexpr std::size_t largestBlockChars = 16 * 1024 * 1024;

}  // namespace

TextArena::TextArena(TextArena&& other) noexcept
    : m_blocks(std::exchange(other.m_blocks, {})),
      m_used(std::exchange(other.m_used, 0)),
      m_heldChars(std::exchange(other.m_heldChars, 0))
{
}

TextArena& TextArena::operator=(TextArena&& other) noexcept
{
    if (this != &other) {
        release();
        m_blocks = std::exchange(other.m_blocks, {});
        m_used = std::exchange(other.m_used, 0);
        m_heldChars = std::exchange(other.m_heldChars, 0);
    }
    return *this;
}

TextArena::~TextArena() { release(); }

void TextArena::release()
{
    for (const Block& block : m_blocks)
        LargePageAllocator<char16_t>().deallocate(block.start, block.length);
    m_blocks.clear();
    m_used = 0;
    m_heldChars = 0;
}

char16_t* TextArena::allocate(std::size_t length)
{
    if (m_blocks.empty() || m_blocks.back().length - m_used < length) {
        const std::size_t next =
            m_blocks.empty() ? firstBlockChars : std::min(2 * m_blocks.back().length, largestBlockChars);
        const std::size_t blockLength = std::max(next, length);
        m_blocks.reserve(m_blocks.size() + 1);  // so that a mapped block is never lost
        m_blocks.push_back({LargePageAllocator<char16_t>().allocate(blockLength), blockLength});
        m_used = 0;
        m_heldChars += blockLength;
    }
    char16_t* start = m_blocks.back().start + m_used;
    m_used += length;
    return start;
}

QStringView TextArena::store(QStringView text)
{
    char16_t* start = allocate(std::size_t(text.size()));
    std::copy(text.utf16(), text.utf16() + text.size(), start);
    return QStringView(start, text.size());
}

}  // namespace memora
