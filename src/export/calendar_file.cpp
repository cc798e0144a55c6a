#include "export/calendar_file.h"

#include "archive/archive_file.h"
#include "archive/text_conventions.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <libical/ical.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace memora {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

const char* const productId = "-//Memora//Memora " MEMORA_VERSION "//IT";
const QByteArray calendarEnd = QByteArrayLiteral("END:VCALENDAR\r\n");

// How the events' times are written: as local times of the zone named tzid,
// described by zone, or in UTC when tzid is empty.
struct TimeForm {
    QTimeZone zone;
    QByteArray tzid;
    Component description;
};

// What every event of one file shares.
struct EventContext {
    const TimeForm& time;
    QByteArray archiveName;
    icaltimetype stamp;
};

// UTC under any of its names: no offset now, and no change of offset ever.
bool isUtc(const QTimeZone& zone)
{
    const QDateTime longAgo(QDate(1800, 1, 1), QTime(0, 0), QTimeZone::utc());
    return zone.offsetFromUtc(QDateTime::currentDateTimeUtc()) == 0 && !zone.nextTransition(longAgo).atUtc.isValid();
}

// Writes a zone rule that ends (RRULE with UNTIL) as the dates it gives
// (RDATE). RFC 5545 has zone rules end in UTC beside their local start, and
// readers built on older recurrence code (Python's dateutil, and with it
// icalendar and khal) refuse that pair; the dates mean the same to every reader.
void writeOutEndingRule(icalcomponent* observance)
{
    icalproperty* rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY);
    if (!rule)
        return;
    icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
    if (icaltime_is_null_time(recurrence.until))
        return;
    const time_t until = icaltime_as_timet(recurrence.until);
    recurrence.until = icaltime_null_time();
    const icaltimetype start = icalcomponent_get_dtstart(observance);
    const int offsetBefore =
        icalproperty_get_tzoffsetfrom(icalcomponent_get_first_property(observance, ICAL_TZOFFSETFROM_PROPERTY));
    icalrecur_iterator* dates = icalrecur_iterator_new(recurrence, start);
    for (icaltimetype date = icalrecur_iterator_next(dates);
         !icaltime_is_null_time(date) && icaltime_as_timet(date) - offsetBefore <= until;
         date = icalrecur_iterator_next(dates)) {
        if (icaltime_compare(date, start) != 0)
            icalcomponent_add_property(observance, icalproperty_new_rdate({date, icalperiodtype_null_period()}));
    }
    icalrecur_iterator_free(dates);
    icalcomponent_remove_property(observance, rule);
    icalproperty_free(rule);
}

// libical's description of the zone under its plain name, or nothing when
// libical does not know it.
Component zoneDescription(const QByteArray& name)
{
    icaltimezone* builtin = icaltimezone_get_builtin_timezone(name.constData());
    icalcomponent* own = builtin ? icaltimezone_get_component(builtin) : nullptr;
    if (!own)
        return nullptr;
    Component zone(icalcomponent_new_clone(own));
    icalproperty_set_tzid(icalcomponent_get_first_property(zone.get(), ICAL_TZID_PROPERTY), name.constData());
    for (icalcomponent* observance = icalcomponent_get_first_component(zone.get(), ICAL_ANY_COMPONENT); observance;
         observance = icalcomponent_get_next_component(zone.get(), ICAL_ANY_COMPONENT))
        writeOutEndingRule(observance);
    return zone;
}

TimeForm timeForm(const QTimeZone& zone)
{
    if (!zone.isValid() || isUtc(zone))
        return {QTimeZone::utc(), {}, nullptr};
    Component description = zoneDescription(zone.id());
    if (!description)
        return {zone, {}, nullptr};
    return {zone, zone.id(), std::move(description)};
}

// A card's text as an event carries it: trimmed, its line breaks as line
// feeds (libical escapes them), any other control character as a blank.
QByteArray eventText(QStringView text)
{
    const QStringView view = trimmedView(text);
    QString clean;
    clean.reserve(view.size());
    for (qsizetype i = 0; i < view.size(); ++i) {
        const char16_t code = view[i].unicode();
        if (code == u'\r' && i + 1 < view.size() && view[i + 1] == u'\n')
            continue;
        if (code == u'\r')
            clean += u'\n';
        else if ((code < u' ' && code != u'\n' && code != u'\t') || (code >= 0x7F && code <= 0x9F))
            clean += u' ';
        else
            clean += view[i];
    }
    return clean.toUtf8();
}

// The card's time, or nothing when it has none (00:00, the time of a card for
// which none was chosen) or it cannot be read.
std::optional<QTime> cardTime(const TSchedaScadenza& card)
{
    const std::optional<int> hour = parseWholeNumber(card.OreApp);
    const std::optional<int> minutes = parseWholeNumber(card.MinutiApp);
    if (!hour || !minutes)
        return std::nullopt;
    const QTime time(*hour, *minutes);
    if (!time.isValid() || time == QTime(0, 0))
        return std::nullopt;
    return time;
}

icalproperty* startOf(const TSchedaScadenza& card, QDate due, const TimeForm& form)
{
    const std::optional<QTime> time = cardTime(card);
    icaltimetype start = icaltime_null_date();
    if (!time) {
        start.year = due.year();
        start.month = due.month();
        start.day = due.day();
        return icalproperty_new_dtstart(start);
    }
    if (form.tzid.isEmpty()) {
        const qint64 utc = QDateTime(due, *time, form.zone).toSecsSinceEpoch();
        return icalproperty_new_dtstart(icaltime_from_timet_with_zone(time_t(utc), 0, icaltimezone_get_utc_timezone()));
    }
    start = icaltime_null_time();
    start.year = due.year();
    start.month = due.month();
    start.day = due.day();
    start.hour = time->hour();
    start.minute = time->minute();
    icalproperty* property = icalproperty_new_dtstart(start);
    icalproperty_add_parameter(property, icalparameter_new_tzid(form.tzid.constData()));
    return property;
}

// The type as categories: libical writes a category list as given, so a
// comma or semicolon in the type separates categories.
QByteArray categoriesOf(const TSchedaScadenza& card)
{
    QStringList parts = QString(card.Tipologia).replace(u';', u',').split(u',', Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = trimmed(part);
    parts.removeAll(QString());
    return eventText(parts.join(u','));
}

QByteArray descriptionOf(const TSchedaScadenza& card)
{
    const std::pair<const char*, const QString*> lines[] = {
        {"Dettagli:", &card.Dettagli}, {"Persona / Ditta:", &card.Contatto}, {"Telefono:", &card.Tel},
        {"Cellulare:", &card.Cel},     {"E-mail:", &card.Email},             {"Importo:", &card.Importo},
        {"Note:", &card.Note},
    };
    QString description;
    for (const auto& [label, text] : lines) {
        const QStringView value = trimmedView(*text);
        if (value.isEmpty() || (text == &card.Importo && value == zeroAmount))
            continue;
        if (!description.isEmpty())
            description += u'\n';
        description += QLatin1String(label);
        description += u' ';
        description += value;
    }
    return eventText(description);
}

// A reminder shown notice days before the start, at the start itself for 0.
icalcomponent* reminder(int notice, const QByteArray& reason)
{
    icaldurationtype before = icaldurationtype_null_duration();
    before.is_neg = notice > 0 ? 1 : 0;
    before.days = unsigned(std::abs(notice));
    icaltriggertype trigger = {icaltime_null_time(), before};
    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm, icalproperty_new_description(reason.isEmpty() ? "Scadenza" : reason.constData()));
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    return alarm;
}

QByteArray uidOf(int cardNumber, const QByteArray& archiveName)
{
    return "scheda-" + QByteArray::number(cardNumber) + '-' + archiveName + "@memora";
}

void addText(icalcomponent* event, icalproperty* (*make)(const char*), const QByteArray& text)
{
    if (!text.isEmpty())
        icalcomponent_add_property(event, make(text.constData()));
}

Component cardEvent(const TSchedaScadenza& card, int cardNumber, QDate due, const EventContext& context)
{
    Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent* e = event.get();
    const bool fulfilled = trimmedView(card.Assolto) == flagFulfilled;
    const QByteArray reason = eventText(card.Causale);
    icalcomponent_add_property(e, icalproperty_new_uid(uidOf(cardNumber, context.archiveName).constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(context.stamp));
    icalcomponent_add_property(e, startOf(card, due, context.time));
    icalcomponent_add_property(e, icalproperty_new_summary((fulfilled ? "\u2713 " + reason : reason).constData()));
    addText(e, icalproperty_new_location, eventText(card.Luogo));
    addText(e, icalproperty_new_categories, categoriesOf(card));
    addText(e, icalproperty_new_description, descriptionOf(card));
    if (fulfilled) {
        icalcomponent_add_property(e, icalproperty_new_status(ICAL_STATUS_CONFIRMED));
        return event;
    }
    if (const std::optional<int> notice = parseWholeNumber(card.Avviso))
        icalcomponent_add_component(e, reminder(*notice, reason));
    return event;
}

// Writes the component's text; libical escapes and folds it.
bool writeComponent(QIODevice& out, icalcomponent* component, qsizetype dropAtEnd = 0)
{
    char* text = icalcomponent_as_ical_string_r(component);
    const qsizetype size = qsizetype(std::strlen(text)) - dropAtEnd;
    const bool written = out.write(text, size) == size;
    icalmemory_free_buffer(text);
    return written;
}

// The calendar's start: its version, producer and time zone, without its end.
bool writeHead(QIODevice& out, const TimeForm& form)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId));
    if (form.description)
        icalcomponent_add_component(calendar.get(), icalcomponent_new_clone(form.description.get()));
    return writeComponent(out, calendar.get(), calendarEnd.size());
}

// The archive's name in the UIDs: a hash of its absolute path.
QByteArray archiveNameOf(const QString& archivePath)
{
    const QFileInfo file(archivePath);
    const QString path = file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    return QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
}

icaltimetype utcStamp(const QDateTime& stamp)
{
    return icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
}

}  // namespace

CalendarSource calendarSource(const QString& archivePath, const QDateTime& stamp)
{
    return {archivePath, QTimeZone::systemTimeZone(), stamp};
}

bool writeCalendar(QIODevice& out, const CalendarSource& source, std::vector<int> cardNumbers)
{
    std::sort(cardNumbers.begin(), cardNumbers.end());
    cardNumbers.erase(std::unique(cardNumbers.begin(), cardNumbers.end()), cardNumbers.end());
    const TimeForm form = timeForm(source.timeZone);
    try {
        ArchiveFile archive(source.archivePath, ArchiveAccess::Read);
        const EventContext context = {form, archiveNameOf(source.archivePath), utcStamp(source.stamp)};
        if (!writeHead(out, form))
            return false;
        TSchedaScadenza card;
        for (auto number = std::upper_bound(cardNumbers.begin(), cardNumbers.end(), 0); number != cardNumbers.end();
             ++number) {
            archive.seek(*number - 1);
            if (archive.atEnd())
                break;
            archive.readNextInto(card);
            const std::optional<QDate> due = parseDate(card.Data);
            if (due && !writeComponent(out, cardEvent(card, *number, *due, context).get()))
                return false;
        }
    } catch (const ArchiveError&) {
        return false;
    }
    return out.write(calendarEnd) == calendarEnd.size();
}

bool writeCalendarFile(const QString& path, const CalendarSource& source, std::vector<int> cardNumbers)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeCalendar(file, source, std::move(cardNumbers)))
        return false;  // the temporary file goes with file
    return file.commit();
}

}  // namespace memora
