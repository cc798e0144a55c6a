// Stands for the card editor in the windows that work on the current card:
// shows them the card a test sets, and records what they write.
#pragma once

#include "current_card/current_card.h"

#include <QList>
#include <QStringList>

namespace memora::test {

class FakeCurrentCard : public CurrentCard {
public:
    CardControls cardControls() const override { return controls; }
    void CaricaScheda(const TSchedaScadenza& card, int cardNumber) override
    {
        cards << card;
        numbers << cardNumber;
    }
    void setDueDate(const QString& date) override { dueDates << date; }

    CardControls controls;          // what the controls show
    QList<TSchedaScadenza> cards;   // every card written, in order
    QList<int> numbers;             // with its number
    QStringList dueDates;           // every due date written
};

}  // namespace memora::test
