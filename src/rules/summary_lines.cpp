#include "rules/summary_lines.h"

#include "memory/reorder.h"
#include "rules/summary_line.h"

namespace memora {

void SummaryLines::append(const TSchedaScadenza& card, int cardNumber)
{
    requireListRoom(bytes());
    const qsizetype length = rigaRiepilogoLength(card);
    char16_t* start = m_text.allocate(std::size_t(length));
    writeRigaRiepilogo(card, reinterpret_cast<QChar*>(start));
    m_entries.push_back({QStringView(start, length), cardNumber});
}

void SummaryLines::append(QStringView line, int cardNumber)
{
    requireListRoom(bytes());
    m_entries.push_back({m_text.store(line), cardNumber});
}

void SummaryLines::prefetch(std::size_t k) const
{
    constexpr qsizetype cacheLineChars = 64 / sizeof(char16_t);
    const QStringView line = m_entries[k].line;
    for (qsizetype at = 0; at < line.size(); at += cacheLineChars)
        __builtin_prefetch(line.data() + at);
}

QStringList SummaryLines::texts() const
{
    QStringList lines;
    lines.reserve(qsizetype(m_entries.size()));
    for (const SummaryEntry& entry : m_entries)
        lines.append(entry.line.toString());
    return lines;
}

void SummaryLines::reorder(const std::vector<int>& order) { m_entries = gathered(m_entries, order); }

}  // namespace memora
