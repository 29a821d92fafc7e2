#!/usr/bin/env python3
"""Writes the translations of tools/ts/texts.json into ts/writer_*.ts.

A message whose source text has a translation for the catalogue's language
is marked finished; the others stay unfinished (the source text shows) and
are reported: every source text that lacks a translation is listed with its
contexts and the languages it lacks. A numerus message (a text with %n)
takes a list of plural forms, one <numerusform> each; a list with the
wrong number of forms for the language counts as missing.

    fill_catalogues.py                 fill and report
    fill_catalogues.py --missing FILE  also write the missing texts to FILE
                                       as JSON in the form of texts.json
                                       (empty strings to fill in)
    fill_catalogues.py --merge FILE    first add the translations of FILE
                                       (same form) to texts.json

The exit status is 1 when a text lacks a translation, else 0."""

import argparse
import json
import os
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import translations  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def is_chinese(text):
    return any("\u4e00" <= ch <= "\u9fff" for ch in text or "")


def usable(text, numerus, code):
    """Whether text fills a message: a string, or for a numerus message a
    list of the language's number of plural forms, none empty."""
    if not numerus:
        return isinstance(text, str) and bool(text)
    return (isinstance(text, list) and len(text) == translations.FORMS[code]
            and all(isinstance(form, str) and form for form in text))


def write(translation, text, numerus):
    """Puts text into a <translation>: its body, or one <numerusform> a
    form, indented as lupdate writes them."""
    for form in list(translation):
        translation.remove(form)
    if not numerus:
        translation.text = text or None
        return
    forms = text
    translation.text = "\n" + " " * 12 if forms else None
    for i, value in enumerate(forms):
        element = ET.SubElement(translation, "numerusform")
        element.text = value or None
        element.tail = "\n" + " " * (12 if i + 1 < len(forms) else 8)


def fill(path, code, texts, missing):
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            text = texts.get(name + "|" + source, {}).get(code) or texts.get(source, {}).get(code)
            if code == translations.SOURCE and not text and is_chinese(source):
                # The source language shows its own text.
                continue
            if usable(text, numerus, code):
                write(translation, text, numerus)
                translation.attrib.pop("type", None)
            else:
                # Empty slots, as many as the language has plural forms.
                write(translation, [""] * translations.FORMS[code] if numerus else None, numerus)
                translation.set("type", "unfinished")
                if code in translations.CODES or not is_chinese(source):
                    entry = missing.setdefault(source, {"contexts": set(), "languages": set(), "numerus": numerus})
                    entry["contexts"].add(name)
                    entry["languages"].add(code)
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(body)
        f.write("\n")


def merge(path):
    with open(path, encoding="utf-8") as f:
        extra = json.load(f)
    texts = translations.load()
    added = 0
    for source, row in extra.items():
        for code, text in row.items():
            if text and (isinstance(text, str) or any(text)):
                texts.setdefault(source, {})[code] = text
                added += 1
    with open(translations.PATH, "w", encoding="utf-8") as f:
        json.dump(dict(sorted(texts.items())), f, ensure_ascii=False, indent=1)
        f.write("\n")
    print("merged %d translations from %s" % (added, path))
    return texts


def report(missing, out):
    order = translations.CODES + [translations.SOURCE]
    if not missing:
        print("catalogues complete: every text has a translation in %s" % ", ".join(translations.CODES))
        return
    print("%d texts lack a translation:" % len(missing), file=sys.stderr)
    for source in sorted(missing):
        entry = missing[source]
        langs = [c for c in order if c in entry["languages"]]
        kind = "  (plural forms: a list a language)" if entry["numerus"] else ""
        print("  %s  [%s]  missing: %s%s" % (json.dumps(source, ensure_ascii=False),
                                             ", ".join(sorted(entry["contexts"])), " ".join(langs), kind),
              file=sys.stderr)
    print("add them to tools/ts/texts.json (or fill the file written with --missing and pass it to --merge),"
          " then run tools/ts/update_catalogues.sh again", file=sys.stderr)
    if out:
        def blank(source, code):
            return [""] * translations.FORMS[code] if missing[source]["numerus"] else ""
        skeleton = {s: {c: blank(s, c) for c in order if c in missing[s]["languages"]} for s in sorted(missing)}
        with open(out, "w", encoding="utf-8") as f:
            json.dump(skeleton, f, ensure_ascii=False, indent=1)
            f.write("\n")
        print("missing texts written to %s" % out, file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--missing", metavar="FILE", help="write the missing texts to FILE")
    parser.add_argument("--merge", metavar="FILE", help="add the translations of FILE to texts.json first")
    args = parser.parse_args()

    texts = merge(args.merge) if args.merge else translations.load()
    folder = os.path.join(ROOT, "ts")
    missing = {}
    for name in sorted(os.listdir(folder)):
        if name.startswith("writer_") and name.endswith(".ts"):
            fill(os.path.join(folder, name), name[len("writer_"):-3], texts, missing)
    report(missing, args.missing)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
