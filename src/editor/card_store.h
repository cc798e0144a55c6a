// The card editor's way to the archive: which card a navigation command
// shows, reading one card, and saving the card of the editor.
//
// Every function opens the archive, does its work and closes it before it
// returns; a failure throws ArchiveError and leaves the file as it was.
#pragma once

#include "archive/card_record.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace memora {

enum class NavigationCommand { Primo, Indietro, Avanti, Ultimo };

struct NavigationStep {
    enum class Kind {
        ShowCard,      // show card number `card`
        EmptyArchive,  // tell the user the archive holds no card
        Nothing,       // at the end of the archive: nothing happens
        BadNumber,     // the card number shown is not a number
    };
    Kind kind = Kind::Nothing;
    int card = 0;
    bool emptiesNumber = false;  // Avanti on an empty archive also empties the card number
};

// What a navigation command does in an archive of recordCount cards when the
// editor shows cardNumber (the text of its number label; empty for a new card).
NavigationStep navigationStep(NavigationCommand command, int recordCount, QStringView cardNumber);

// A navigation command carried out on the archive at path, opened for
// reading only, so a read-only archive can be browsed: its step and, when the
// step shows a card, that card read from the file. Throws ArchiveError when
// the card cannot be read.
struct Navigation {
    NavigationStep step;
    TSchedaScadenza card;
};
Navigation navigate(const QString& path, NavigationCommand command, QStringView cardNumber);

// Overwrites card n with card, or appends card when n is empty, on the
// archive opened for reading and writing; returns the number of the card
// written. Only an existing card is overwritten: a number beyond the
// archive's end throws ArchiveError, so no gap of empty records is ever
// written.
int saveCard(const QString& path, const TSchedaScadenza& card, std::optional<int> n);

}  // namespace memora
