#!/usr/bin/env python3
"""Writes the translations of tools/ts/translations.py into ts/writer_*.ts.
A message whose source text has a translation for the catalogue's language
is marked finished; the others stay unfinished (the source text shows)."""

import os
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(__file__))
from translations import TEXTS  # noqa: E402

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")


def fill(path, code):
    tree = ET.parse(path)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        text = TEXTS.get(source, {}).get(code)
        if code == "zh_CN" and text is None and any("\u4e00" <= ch <= "\u9fff" for ch in source or ""):
            continue
        if text:
            translation.text = text
            translation.attrib.pop("type", None)
        elif translation.get("type") != "vanished":
            translation.text = None
            translation.set("type", "unfinished")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(body)
        f.write("\n")


def main():
    folder = os.path.join(ROOT, "ts")
    for name in sorted(os.listdir(folder)):
        if name.startswith("writer_") and name.endswith(".ts"):
            fill(os.path.join(folder, name), name[len("writer_"):-3])


if __name__ == "__main__":
    main()
