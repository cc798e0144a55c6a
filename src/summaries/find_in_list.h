// TrovaInElenco, the find-in-list of the summary and search lists.
//
// The lines are numbered from 0 at the top, in the list's sorted order. The
// search text is matched with the letters A to Z folded and nothing else, and
// UltimaChiave remembers the last text looked for, so that Trova pressed again
// with the same text moves on to the next line that holds it.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace memora {

inline const QString MsgListaVuota =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

enum class FindOutcome {
    EmptyList,  // nothing to search: the caller shows MsgListaVuota
    Found,      // selected is the line that holds the text
    NotFound,   // selected is the line that was selected (line 0 when none was)
};

struct FindResult {
    FindOutcome outcome;
    int selected;  // the line to select afterwards; -1 for an empty list
};

// Looks for text in the lineCount lines given by lineAt, starting from the
// selected line (-1 for none). A text that differs from UltimaChiave is looked
// for from line 0, line 0 included; the same text again from the line after
// the selected one, wrapping, the selected line tested last. UltimaChiave
// becomes the folded text, unless the list is empty.
FindResult TrovaInElenco(int lineCount, const std::function<QStringView(int)>& lineAt, int selected,
                         const QString& text, QString& UltimaChiave);

}  // namespace memora
