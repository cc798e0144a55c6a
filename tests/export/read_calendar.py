#!/usr/bin/env python3
"""Reads calendar files with Python's icalendar package, a reader that is not
the one that wrote them, and prints what it read as JSON, one object per file:
the calendar's properties, each event's fields and reminders, and for each time
zone described in the file the days on which the zone built from its own rules
gives another offset than the system's zone of that name; or the error met.

Usage: read_calendar.py FILE...   (exit status 3 when icalendar is missing)
"""
import datetime
import json
import sys

try:
    import icalendar
except ImportError:
    sys.exit(3)
import zoneinfo


def start_of(event):
    start = event['DTSTART'].dt
    if not isinstance(start, datetime.datetime):
        return {'date': start.isoformat()}
    utc = start.astimezone(datetime.timezone.utc).strftime('%Y-%m-%dT%H:%M:%SZ')
    zone = event['DTSTART'].params.get('TZID', 'UTC' if start.utcoffset() == datetime.timedelta(0) else '')
    return {'local': start.replace(tzinfo=None).isoformat(), 'tzid': str(zone), 'utc': utc}


def categories_of(event):
    value = event.get('CATEGORIES', [])
    properties = value if isinstance(value, list) else [value]
    return [str(c) for p in properties for c in p.cats]


def alarm_of(alarm):
    trigger = alarm['TRIGGER'].dt
    return {'action': str(alarm['ACTION']), 'description': str(alarm.get('DESCRIPTION', '')),
            'trigger_seconds': int(trigger.total_seconds())}


def event_of(event):
    text = lambda name: str(event[name]) if name in event else None
    return {'uid': text('UID'), 'summary': text('SUMMARY'), 'location': text('LOCATION'),
            'description': text('DESCRIPTION'), 'status': text('STATUS'),
            'categories': categories_of(event), 'start': start_of(event),
            'dtstamp': event['DTSTAMP'].dt.strftime('%Y-%m-%dT%H:%M:%SZ'),
            'alarms': [alarm_of(a) for a in event.walk('VALARM')]}


def mismatched_days(vtimezone):
    """Days from 1900 to 2037 on which the zone's own rules, read by icalendar,
    give at noon another offset than the system's zone of the same name."""
    rules = vtimezone.to_tz()
    system = zoneinfo.ZoneInfo(str(vtimezone['TZID']))
    day = datetime.datetime(1900, 1, 1, 12)
    count = 0
    while day.year < 2038:
        if rules.localize(day).utcoffset() != day.replace(tzinfo=system).utcoffset():
            count += 1
        day += datetime.timedelta(days=1)
    return count


def zone_of(vtimezone):
    try:
        return {'tzid': str(vtimezone['TZID']), 'mismatched_days': mismatched_days(vtimezone)}
    except Exception as error:  # a zone icalendar cannot build from its rules
        return {'tzid': str(vtimezone['TZID']), 'error': repr(error)}


def read(path):
    try:
        with open(path, 'rb') as file:
            calendar = icalendar.Calendar.from_ical(file.read())
        return {'version': str(calendar['VERSION']), 'prodid': str(calendar['PRODID']),
                'events': [event_of(e) for e in calendar.walk('VEVENT')],
                'zones': [zone_of(z) for z in calendar.walk('VTIMEZONE')]}
    except Exception as error:  # a file icalendar cannot read
        return {'error': repr(error)}


print(json.dumps([read(path) for path in sys.argv[1:]], ensure_ascii=False))
