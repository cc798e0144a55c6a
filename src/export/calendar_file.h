// The calendar file of a list of cards: one iCalendar (RFC 5545) event for
// each card, written with libical as the card stands in the archive, so a
// desktop or phone calendar shows every deadline on its day with its reminder.
//
// An event is the card's due date and time in the machine's time zone (a card
// at 00:00, or with no readable time, is an all-day event), its reason as the
// title, its place, its type as category and its other fields as the
// description. A card not fulfilled carries a reminder at the start of its
// notice period; a fulfilled one has none, and its title begins with "✓ ". A
// card's UID is its card number and a name of its archive, the same in every
// export of that archive, so a calendar that imports the file again updates
// its events instead of doubling them.
//
// The time zone is written as its plain name (TZID "Europe/Rome") with
// libical's own description of it, in which every rule that ends is written
// out as its dates: the form that calendars and their libraries read, also
// those that do not know the zone's name. A zone without offsets of its own
// (UTC), or one libical does not know, gives times in UTC ("Z") and no zone.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <vector>

class QIODevice;

namespace memora {

// Where a calendar's events come from and when it is written.
struct CalendarSource {
    QString archivePath;  // the cards are read here; its path names the archive in the UIDs
    QTimeZone timeZone;   // the zone of the cards' dates and times: the machine's
    QDateTime stamp;      // when the file is written (DTSTAMP)
};

// The source a calendar written now from the archive at archivePath has: the
// machine's time zone, and stamp from the program's clock, a local time.
CalendarSource calendarSource(const QString& archivePath, const QDateTime& stamp);

// Writes the calendar of the cards numbered cardNumbers (in any order; 0 and
// numbers past the end of the archive give nothing) to out, reading the
// archive once from its start, one event built, written and let go at a
// time. A card whose date cannot be read gives no event. Returns false as
// soon as the archive cannot be read or a write fails.
// REQUIRES: out is open for writing.
bool writeCalendar(QIODevice& out, const CalendarSource& source, std::vector<int> cardNumbers);

// The same into the file at path: written beside it under a temporary name
// and put in its place only when whole, so a failure leaves path as it was.
bool writeCalendarFile(const QString& path, const CalendarSource& source, std::vector<int> cardNumbers);

}  // namespace memora
