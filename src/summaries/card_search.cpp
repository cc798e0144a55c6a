#include "summaries/card_search.h"

#include "archive/text_conventions.h"
#include "summaries/folded_text.h"

#include <algorithm>

namespace memora {

CardSearch::CardSearch(const SearchCriteria& criteria)
{
    for (int k = 0; k < searchCriteriaCount; ++k)
        if (!trimmedView(criteria[std::size_t(k)]).isEmpty())
            m_given.push_back({searchedFields[std::size_t(k)], FoldedNeedle(foldAZ(criteria[std::size_t(k)]))});
}

bool CardSearch::matches(const TSchedaScadenza& card) const
{
    return std::all_of(m_given.begin(), m_given.end(),
                       [&card](const Criterion& c) { return c.folded.occursIn(card[c.field]); });
}

FieldSet CardSearch::reads() const
{
    FieldSet fields;
    for (const Criterion& criterion : m_given)
        fields = fields | FieldSet{criterion.field};
    return fields;
}

}  // namespace memora
