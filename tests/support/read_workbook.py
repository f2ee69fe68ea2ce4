#!/usr/bin/env python3
"""Reads a workbook back with openpyxl and prints, as JSON, per sheet: its
name, its frozen cell, its header row, each cell of its second row with the
value, the type openpyxl gives it (numbers must come back as numbers) and its
number format, and its print settings. A value JSON has no form for, such as
a duration, is given as Python prints it ("0:02:05")."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    rows = list(sheet.iter_rows(min_row=1, max_row=2))
    second = rows[1] if len(rows) > 1 else []
    sheets.append({
        "name": sheet.title,
        "frozen": sheet.freeze_panes,
        "header": [cell.value for cell in rows[0]],
        "row": [cell.value for cell in second],
        "types": [type(cell.value).__name__ for cell in second],
        "formats": [cell.number_format for cell in second],
        "widths": [sheet.column_dimensions[c].width for c in ("A", "C")],
        "orientation": sheet.page_setup.orientation,
        "paper": sheet.page_setup.paperSize,
        # Absent from a sheet LibreOffice made from a CSV.
        "fit": getattr(sheet.sheet_properties.pageSetUpPr, "fitToPage", None),
        # Absent, either is 1: the file format's default.
        "fitWidth": int(sheet.page_setup.fitToWidth or 1),
        "fitHeight": int(sheet.page_setup.fitToHeight if sheet.page_setup.fitToHeight is not None else 1),
        "titleRows": sheet.print_title_rows,
    })
print(json.dumps(sheets, ensure_ascii=False, default=str))
