#include "summaries/find_in_list.h"

#include "archive/text_conventions.h"
#include "summaries/folded_text.h"

namespace memora {

FindResult TrovaInElenco(int lineCount, const std::function<QStringView(int)>& lineAt, int selected,
                         const QString& text, QString& UltimaChiave)
{
    if (lineCount <= 0)
        return {FindOutcome::EmptyList, -1};
    if (selected < 0 || selected >= lineCount)
        selected = 0;
    const QString key = foldAZ(text);
    const bool repeated = key == UltimaChiave;
    UltimaChiave = key;
    const FoldedNeedle needle(key);
    const int start = repeated ? selected : 0;
    int line = start;
    if (!repeated && needle.occursIn(lineAt(line)))
        return {FindOutcome::Found, line};
    do {
        line = (line + 1) % lineCount;
        if (needle.occursIn(lineAt(line)))
            return {FindOutcome::Found, line};
    } while (line != start);
    return {FindOutcome::NotFound, selected};
}

}  // namespace memora
