#!/usr/bin/env python3
"""Reads a workbook with openpyxl, a reader apart from the program's writer,
and prints what a spreadsheet program would find in it as one JSON object:
the properties, and for each worksheet its name, frozen cell, autofilter
range, column widths, header look and every cell with its type and format.

Usage: check_workbook.py FILE
Exits with 2 when openpyxl is missing, with 1 when the file cannot be read.
"""
import datetime
import json
import sys

try:
    import openpyxl
except ImportError:
    print("openpyxl is not installed", file=sys.stderr)
    sys.exit(2)


def cell_value(cell):
    """The cell's type as a spreadsheet shows it, and its value as text."""
    value = cell.value
    if value is None:
        return "empty", ""
    if isinstance(value, datetime.datetime):
        if value.time() == datetime.time(0, 0):
            return "date", value.date().isoformat()
        return "datetime", value.isoformat()
    if isinstance(value, datetime.time):
        return "time", value.strftime("%H:%M")
    if isinstance(value, bool):
        return "bool", str(value)
    if isinstance(value, (int, float)):
        return "number", repr(float(value))
    return "text", value


def describe_sheet(sheet):
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            kind, value = cell_value(cell)
            cells.append({"type": kind, "value": value, "format": cell.number_format})
        rows.append(cells)
    header = sheet[1] if sheet.max_row >= 1 else []
    return {
        "name": sheet.title,
        "freeze": sheet.freeze_panes,
        "filter": sheet.auto_filter.ref,
        "widths": {letter: dimension.width for letter, dimension in sheet.column_dimensions.items()},
        "headerBold": all(cell.font.bold for cell in header),
        "headerFill": sorted({cell.fill.fgColor.rgb for cell in header if cell.fill.fill_type == "solid"}),
        "rows": rows,
    }


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 1
    try:
        book = openpyxl.load_workbook(sys.argv[1])
    except Exception as error:  # any reason the reader refuses the file
        print("cannot read %s: %s" % (sys.argv[1], error), file=sys.stderr)
        return 1
    report = {
        "title": book.properties.title,
        "creator": book.properties.creator,
        "sheets": [describe_sheet(sheet) for sheet in book.worksheets],
    }
    print(json.dumps(report, ensure_ascii=True))
    return 0


if __name__ == "__main__":
    sys.exit(main())
