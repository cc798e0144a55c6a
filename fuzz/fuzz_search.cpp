// The advanced search's match and the lists' find-in-list and order, over any
// card and any texts, against their plain definitions: a given criterion
// occurs in its field once both have their letters A to Z folded; Trova
// selects the first line holding the text in its order of lines, or keeps the
// selection; lines are ordered by their folded texts.
#include "archive/card_record.h"
#include "archive/text_conventions.h"
#include "fuzz_text.h"
#include "summaries/card_search.h"
#include "summaries/find_in_list.h"
#include "summaries/folded_text.h"

#include <vector>

using namespace memora;
using memora::fuzz::consumeSliceOf;
using memora::fuzz::consumeText;
using memora::fuzz::require;

namespace {

bool holds(const QString& line, const QString& foldedKey)
{
    return !foldedKey.isEmpty() && foldAZ(line).contains(foldedKey);
}

TSchedaScadenza consumeCard(FuzzedDataProvider& input)
{
    TSchedaScadenza card;
    for (int i = 0; i < fieldCount; ++i)
        card[Field(i)] = consumeText(input, std::size_t(fieldCapacity(Field(i))));
    return card;
}

void checkSearch(FuzzedDataProvider& input)
{
    const TSchedaScadenza card = consumeCard(input);
    SearchCriteria criteria;
    for (std::size_t k = 0; k < criteria.size(); ++k)
        criteria[k] = input.ConsumeBool() ? consumeSliceOf(input, card[searchedFields[k]]) : consumeText(input, 12);

    int given = 0;
    bool all = true;
    for (std::size_t k = 0; k < criteria.size(); ++k) {
        if (trimmed(criteria[k]).isEmpty())
            continue;
        ++given;
        all = all && holds(card[searchedFields[k]], foldAZ(criteria[k]));
    }
    const CardSearch search(criteria);
    require(search.given() == given, "criteria of blanks alone are not given");
    require(search.matches(card) == all, "a card matches when every given criterion occurs in its field");
}

void checkFind(FuzzedDataProvider& input)
{
    std::vector<QString> lines(input.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (QString& line : lines)
        line = consumeText(input, 24);
    const int count = int(lines.size());
    const QString text = count > 0 && input.ConsumeBool()
                             ? consumeSliceOf(input, lines[input.ConsumeIntegralInRange<std::size_t>(0, lines.size() - 1)])
                             : consumeText(input, 6);
    const int selected = input.ConsumeIntegralInRange<int>(-1, count);
    const QString before = input.ConsumeBool() ? foldAZ(text) : consumeText(input, 6);
    QString UltimaChiave = before;

    const FindResult result = TrovaInElenco(
        count, [&lines](int k) { return QStringView(lines.at(std::size_t(k))); }, selected, text, UltimaChiave);

    if (count == 0) {
        require(result.outcome == FindOutcome::EmptyList && UltimaChiave == before, "an empty list is left alone");
        return;
    }
    const QString key = foldAZ(text);
    require(UltimaChiave == key, "UltimaChiave is the folded text");
    const int from = selected >= 0 && selected < count ? selected : 0;
    const bool repeated = key == before;
    for (int step = 0; step < count; ++step) {
        const int line = repeated ? (from + 1 + step) % count : step;
        if (holds(lines[std::size_t(line)], key)) {
            require(result.outcome == FindOutcome::Found && result.selected == line, "the first line holding the text");
            return;
        }
    }
    require(result.outcome == FindOutcome::NotFound && result.selected == from, "no line holds it: selection kept");
}

void checkOrder(FuzzedDataProvider& input)
{
    const QString a = consumeText(input, 16);
    const QString b = input.ConsumeBool() ? consumeSliceOf(input, a) + consumeText(input, 4) : consumeText(input, 16);
    require(foldedLess(a, b) == (foldAZ(a) < foldAZ(b)), "lines ordered by their folded texts");
    require(!(foldedLess(a, b) && foldedLess(b, a)), "the order is strict");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: checkSearch(input); break;
    case 1: checkFind(input); break;
    default: checkOrder(input); break;
    }
    return 0;
}
