#!/usr/bin/env python3
"""Writes a dialog template (the binary form of an RT_DIALOG resource) from a
JSON description, so that class names keep their spelling and every byte is
as described.  Usage: mkdialog.py DESCRIPTION.json OUTPUT.dlg"""
import json
import struct
import sys

STYLES = {
    "WS_POPUP": 0x80000000, "WS_CHILD": 0x40000000, "WS_VISIBLE": 0x10000000,
    "WS_CLIPSIBLINGS": 0x04000000, "WS_CAPTION": 0x00C00000, "WS_BORDER": 0x00800000,
    "WS_SYSMENU": 0x00080000, "WS_MINIMIZEBOX": 0x00020000, "WS_GROUP": 0x00020000,
    "WS_TABSTOP": 0x00010000,
    "DS_MODALFRAME": 0x80, "DS_SETFONT": 0x40,
    "SS_LEFT": 0x0, "SS_CENTER": 0x1, "ES_AUTOHSCROLL": 0x80, "BS_PUSHBUTTON": 0x0,
    "WS_VSCROLL": 0x00200000, "SS_NOPREFIX": 0x80, "ES_OEMCONVERT": 0x400,
    "BS_DEFPUSHBUTTON": 0x1, "BS_AUTOCHECKBOX": 0x3,
    "LBS_NOTIFY": 0x1, "LBS_SORT": 0x2, "LBS_OWNERDRAWFIXED": 0x10, "LBS_HASSTRINGS": 0x40,
    "LBS_DISABLENOSCROLL": 0x1000,
    "CBS_DROPDOWNLIST": 0x3, "CBS_OWNERDRAWFIXED": 0x10, "CBS_AUTOHSCROLL": 0x40, "CBS_SORT": 0x100,
    "CBS_HASSTRINGS": 0x200,
}
# A plain push button of a tab stop.
ALIASES = {"PUSH": ["WS_CHILD", "WS_VISIBLE", "WS_TABSTOP", "BS_PUSHBUTTON"]}


def style(names):
    value = 0
    for name in names:
        for n in ALIASES.get(name, [name]):
            value |= STYLES[n]
    return value


def text(s):
    return s.encode("utf-16-le") + b"\0\0"


def align(data):
    return data + b"\0" * (-len(data) % 4)


def main(src, out):
    with open(src, encoding="utf-8") as f:
        d = json.load(f)
    x, y, cx, cy = d["rect"]
    data = struct.pack("<IIHhhhh", style(d["style"]), 0, len(d["controls"]), x, y, cx, cy)
    # No menu; the dialog class only when the description names one.
    data += b"\0\0" + (text(d["class"]) if "class" in d else b"\0\0") + text(d["caption"])
    data += struct.pack("<H", d["font"][0]) + text(d["font"][1])
    for ident, cls, names, (x, y, cx, cy), caption in d["controls"]:
        data = align(data)
        data += struct.pack("<IIhhhhH", style(names), 0, x, y, cx, cy, ident & 0xFFFF)
        data += text(cls) + text(caption) + b"\0\0"
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(*sys.argv[1:])
