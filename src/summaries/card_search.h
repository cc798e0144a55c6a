// The advanced search: cards that hold given texts in up to ten fields.
//
// A criterion is given when its text holds something besides blanks (codes up
// to 32). A given criterion is sought exactly as typed, surrounding blanks
// included, as a run of consecutive characters in its field's whole stored
// text, with the letters A to Z folded on both sides. A card matches when every
// given criterion occurs in its field; with none given, every card matches.
// A criterion of blanks alone is not given, so it neither counts nor matches:
// a stray space in one field never lets through a card that lacks what was
// typed in another.
#pragma once

#include "archive/card_record.h"
#include "summaries/folded_text.h"

#include <QString>

#include <array>
#include <vector>

namespace memora {

// The record fields searched, in the order of the criteria fields.
constexpr int searchCriteriaCount = 10;
constexpr std::array<Field, searchCriteriaCount> searchedFields = {
    Field::Data, Field::Ora, Field::Tipologia, Field::Causale, Field::Dettagli,
    Field::Contatto, Field::Tel, Field::Cel, Field::Luogo, Field::Note,
};

using SearchCriteria = std::array<QString, searchCriteriaCount>;

class CardSearch {
public:
    explicit CardSearch(const SearchCriteria& criteria);

    // The number of criteria given.
    int given() const { return int(m_given.size()); }
    bool matches(const TSchedaScadenza& card) const;
    // The fields of the criteria given: all that matches reads.
    FieldSet reads() const;

private:
    struct Criterion {
        Field field;
        FoldedNeedle folded;
    };
    std::vector<Criterion> m_given;
};

}  // namespace memora
