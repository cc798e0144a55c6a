#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

The seeds come from files the program itself wrote: an archive of three cards
saved in the card editor and the whole-archive export of it, both kept in
fuzz/corpus/sources/. The inputs with which fuzzing once found a fault are kept
as they are in fuzz/corpus/sources/found/<target>/ and copied in as found-*. Each seed is encoded the way its target reads its
input: fuzz_record takes two bytes of day offset and a record; the other
targets read through FuzzedDataProvider, which takes byte strings from the
front of the input and numbers and texts from its back.

Usage: python3 fuzz/make_corpus.py   (the seeds are replaced)
"""
import datetime
import html
import re
import shutil
from pathlib import Path

FUZZ = Path(__file__).resolve().parent
SOURCES = FUZZ / "corpus" / "sources"
RECORD_SIZE = 1265
CAPACITIES = [10, 2, 2, 5, 3, 50, 250, 250, 50, 30, 30, 50, 250, 15, 250, 2]
SEARCHED_FIELDS = [0, 3, 5, 6, 7, 8, 9, 10, 12, 14]  # Data, Ora, Tipologia ... Note


class Input:
    """An input as FuzzedDataProvider reads it."""

    def __init__(self):
        self.front = bytearray()
        self.back = []  # bytes in the order they are taken from the end

    def number(self, value, low, high, width):
        """ConsumeIntegralInRange<T>(low, high) giving value, T of width bytes."""
        span, offset, count = high - low, 0, 0
        while offset < width * 8 and span >> offset > 0:
            count, offset = count + 1, offset + 8
        for k in reversed(range(count)):
            self.back.append((value - low) >> (8 * k) & 0xFF)

    def flag(self, value):
        self.number(int(value), 0, 255, 1)

    def byte_string(self, data):
        self.front += data

    def text(self, text, max_length):
        """fuzz::consumeText: Latin-1 characters, or UTF-16 units when wide."""
        wide = any(ord(c) > 0xFF for c in text)
        self.flag(wide)
        self.number(len(text), 0, max_length, 8)
        for c in text:
            self.number(ord(c), 0, 0xFFFF if wide else 0xFF, 2 if wide else 1)

    def slice(self, text, start, length, swap_case=False):
        """fuzz::consumeSliceOf, the slice's letters swapped in case or not."""
        self.number(start, 0, len(text), 8)
        self.number(length, 0, len(text) - start, 8)
        for c in text[start:start + length]:
            if c.isascii() and c.isalpha():
                self.flag(swap_case)

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))


def records():
    data = (SOURCES / "Archivio_Scadenze.pro").read_bytes()
    return [data[k:k + RECORD_SIZE] for k in range(0, len(data) - RECORD_SIZE + 1, RECORD_SIZE)]


def fields(record):
    texts, at = [], 0
    for capacity in CAPACITIES:
        length = min(record[at], capacity)
        texts.append(record[at + 1:at + 1 + length].decode("cp1252"))
        at += 1 + capacity
    return texts


def with_length_bytes(record, value):
    damaged, at = bytearray(record), 0
    for capacity in CAPACITIES:
        damaged[at] = value
        at += 1 + capacity
    return bytes(damaged)


def record_seeds(cards):
    def seed(today, record):
        offset = (today - datetime.date(2014, 3, 10)).days + 32768
        return offset.to_bytes(2, "big") + record

    day = datetime.date(2026, 12, 10)  # the day the cards were saved
    return {
        "card-pending": seed(day, cards[0]),
        "card-imminent": seed(datetime.date(2026, 12, 14), cards[0]),
        "card-expired": seed(datetime.date(2027, 1, 10), cards[0]),
        "card-no-mobile": seed(day, cards[1]),
        "card-fulfilled": seed(day, cards[2]),
        "truncated-record": seed(day, cards[1][:700]),
        "length-over-capacity": seed(day, with_length_bytes(cards[0], 0xFF)),
        "zero-record": seed(day, bytes(RECORD_SIZE)),
        "all-0xff-record": seed(day, b"\xff" * RECORD_SIZE),
    }


def archive_seed(first, file_records, fragment, steps):
    """fuzz_archive: a file whose record 0 is first, then steps on it."""
    data = Input()
    data.number(file_records, 0, 150, 4)
    data.number(fragment, 0, RECORD_SIZE - 1, 4)
    data.byte_string(bytes(b ^ 1 for b in first))  # record k is the seed xor (37k + 1)
    count = file_records
    for step in steps:
        kind = step[0]
        data.number(["read", "seek", "write", "append"].index(kind), 0, 3, 4)
        if kind == "read" and step[1] is not None:
            data.number(step[1], 0, 2, 4)  # readNext, readNextInto, readNextBytes
        elif kind == "seek":
            data.number(step[1], -1, count + 2, 4)
        elif kind in ("write", "append"):
            data.number(len(step[1]), 0, RECORD_SIZE, 4)
            data.byte_string(step[1])
            count += kind == "append"
    return data.bytes()


def archive_seeds(cards):
    def reads(count):
        return [("read", k % 3) for k in range(count)]

    return {
        # One card and a record cut short; two cards appended over the fragment.
        "truncated-tail": archive_seed(cards[2], 1, 700, reads(1) + [("read", None), ("append", cards[0]),
                                       ("append", cards[1]), ("seek", 0)] + reads(3) + [("read", None)]),
        # Record 0 with every length byte over its capacity, two records
        # derived from it; one overwritten with a real card.
        "length-over-capacity": archive_seed(with_length_bytes(cards[0], 0xFF), 3, 0, reads(3) + [
            ("read", None), ("seek", 1), ("write", cards[1]), ("seek", 0)] + reads(3)),
        # A card of the archive read, overwritten with another and read back.
        "overwrite": archive_seed(cards[1], 1, 0, reads(1) + [("seek", 0), ("write", cards[2]), ("seek", 0),
                                  ("read", 0), ("seek", 3), ("append", cards[0]), ("seek", 1), ("read", 1)]),
    }


def amount_seeds(cards):
    texts = ["1250,5", "1250,50", "0,00", "1.250,00", "12,3", " 45 ", "0,005", ",5", "5,", "007", "12,3,4",
             "abc", "", "99999999999999,99", "\u20ac 10"]
    texts += [fields(card)[13] for card in cards]
    seeds = {}
    for k, text in enumerate(dict.fromkeys(texts)):
        data = Input()
        data.text(text, 40)
        seeds["%02d-%s" % (k, re.sub(r"[^0-9A-Za-z]+", "_", text).strip("_") or "empty")] = data.bytes()
    return seeds


def search_seed(card, criteria):
    """checkSearch: the card, then per searched field blanks, a text or a slice."""
    data = Input()
    data.number(0, 0, 2, 4)
    texts = fields(card)
    for text, capacity in zip(texts, CAPACITIES):
        data.text(text, capacity)
    for field in SEARCHED_FIELDS:
        criterion = criteria.get(field, "")
        data.flag(isinstance(criterion, tuple))
        if isinstance(criterion, tuple):
            data.slice(texts[field], *criterion)
        else:
            data.text(criterion, 12)
    return data.bytes()


def find_seed(lines, text, selected, repeated):
    """checkFind: the lines, a text sought among them, the selection, the last key."""
    data = Input()
    data.number(1, 0, 2, 4)
    data.number(len(lines), 0, 8, 8)
    for line in lines:
        data.text(line[:24], 24)
    data.flag(False)
    data.text(text, 6)
    data.number(selected, -1, len(lines), 4)
    data.flag(repeated)
    if not repeated:
        data.text("", 6)
    return data.bytes()


def order_seed(a, b):
    data = Input()
    data.number(2, 0, 2, 4)
    data.text(a, 16)
    data.flag(False)
    data.text(b, 16)
    return data.bytes()


def search_seeds(cards, lines):
    return {
        "criteria-type-and-reason": search_seed(cards[0], {5: "pagamento", 6: "MUTUO"}),
        "criteria-slices": search_seed(cards[1], {0: (0, 5), 12: (0, 6, True), 8: "bianchi"}),
        "criteria-not-matching": search_seed(cards[1], {8: "bianchi", 14: "terzo piano"}),
        "criteria-blanks-only": search_seed(cards[2], {9: "   ", 10: "347"}),
        "find-date": find_seed(lines, "25/12", -1, False),
        "find-again": find_seed(lines, "2026", 0, True),
        "order-folded": order_seed("Rata mutuo casa", "rata MUTUO"),
    }


def export_rows():
    document = (SOURCES / "Riepilogo_Scadenze.xls").read_bytes().decode("cp1252")
    rows = re.findall(r"<tr>(.*?)</tr>", document)[1:]  # after the column titles
    return [[html.unescape(cell) for cell in re.findall(r"<td[^>]*>(.*?)</td>", row)] for row in rows]


def spreadsheet_seed(rows):
    """The whole-archive sheet with these rows, each cell cut to what the target types."""
    data = Input()
    data.number(0, 0, 3, 4)
    data.number(len(rows), 0, 6, 8)
    for row in rows:
        for cell in row + [""]:  # the fourteenth column is not on this sheet
            data.flag(cell != "")
            if cell:
                data.text(cell[:12], 12)
    return data.bytes()


def spreadsheet_seeds():
    rows = export_rows()
    seeds = {"export-all-rows": spreadsheet_seed(rows), "export-empty": spreadsheet_seed([])}
    for k, row in enumerate(rows):
        seeds["export-row-%d" % (k + 1)] = spreadsheet_seed([row])
    return seeds


def summary_line(card):
    texts = fields(card)
    return "Data: %s  Ora: %s" % (texts[0], texts[3])


def main():
    cards = records()
    lines = [summary_line(card) for card in cards]
    corpus = {
        "fuzz_record": record_seeds(cards),
        "fuzz_archive": archive_seeds(cards),
        "fuzz_amount": amount_seeds(cards),
        "fuzz_search": search_seeds(cards, lines),
        "fuzz_spreadsheet": spreadsheet_seeds(),
    }
    for target, seeds in corpus.items():
        folder = FUZZ / "corpus" / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in seeds.items():
            assert len(data) <= 4096, (target, name)  # fuzz.sh's -max_len would cut it
            (folder / name).write_bytes(data)
        found = SOURCES / "found" / target
        for path in sorted(found.glob("*")) if found.is_dir() else []:
            shutil.copyfile(path, folder / ("found-" + path.name))


if __name__ == "__main__":
    main()
