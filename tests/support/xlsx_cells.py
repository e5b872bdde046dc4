#!/usr/bin/env python3
"""What a spreadsheet reader finds in the first sheet of a workbook, as JSON.

    xlsx_cells.py FILE [ROWS] [--layout]

rows: how many rows the sheet has; cells: "row,column" (from 0) -> [kind,
value] for the rows listed in ROWS ("0,1,2,-1": -1 is the last), kind "n"
number, "d" date (value "YYYY-MM-DD"), "s" text; kinds: per column, how
many cells of each kind lie below the third row. With --layout (small
files: the whole sheet is loaded) also widths (characters), hidden columns
and the first row that scrolls.
"""
import datetime
import json
import sys

import openpyxl
from openpyxl.utils import get_column_letter

args = [a for a in sys.argv[1:] if a != "--layout"]
layout = "--layout" in sys.argv
path = args[0]
wanted = [int(r) for r in args[1].split(",")] if len(args) > 1 and args[1] else []

book = openpyxl.load_workbook(path, read_only=not layout)
sheet = book.worksheets[0]


def kind(value):
    if isinstance(value, datetime.datetime):
        return ["d", value.date().isoformat()]
    if isinstance(value, datetime.date):
        return ["d", value.isoformat()]
    if isinstance(value, (int, float)):
        return ["n", value]
    return ["s", str(value)]


rows = []
kinds = {}
count = 0
for r, row in enumerate(sheet.iter_rows(values_only=True)):
    count = r + 1
    rows.append(None)
    cells = {}
    for c, value in enumerate(row):
        if value is None:
            continue
        k = kind(value)
        cells[c] = k
        if r >= 3:
            column = kinds.setdefault(str(c), {})
            column[k[0]] = column.get(k[0], 0) + 1
    rows[r] = cells
    if len(rows) > 8 and r - 8 not in wanted:
        rows[r - 8] = None  # keep memory flat on long sheets

out = {"rows": count, "kinds": kinds, "cells": {}}
for w in wanted:
    r = w if w >= 0 else count + w
    if 0 <= r < count and rows[r] is not None:
        for c, k in rows[r].items():
            out["cells"]["%d,%d" % (r, c)] = k
if layout:
    out["widths"] = {}
    out["hidden"] = []
    for c in range(1, sheet.max_column + 1):
        dimension = sheet.column_dimensions[get_column_letter(c)]
        out["widths"][str(c - 1)] = dimension.width
        if dimension.hidden:
            out["hidden"].append(c - 1)
    out["frozen"] = sheet.freeze_panes
json.dump(out, sys.stdout, ensure_ascii=False)
