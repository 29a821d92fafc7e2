"""Translations of the user-visible texts, by source text.

tools/ts/texts.json holds one entry per source text (the Simplified Chinese
of the sources, or the English of the few texts written in English): an
object with the translation for each catalogue language. zh_CN is needed
only where the source text is not Chinese. A missing or empty entry leaves
the text untranslated in that catalogue; fill_catalogues.py reports it.
An entry keyed "<context>|<source text>" serves that context alone, for a
source text that means one thing in most places and another in a few: 文件 is
the File menu, and the title of the Files page.

A text that takes a count (%n, marked numerus by lupdate) has for each
language a list of its plural forms in Qt's order for that language, as
many as FORMS gives: Russian one, few, many; Arabic zero, one, two, few
(3-10), many (11-99), other (100-102 ...)."""

import json
import os

# Every catalogue that must be complete, in the order the report lists them.
CODES = ["en", "zh_TW", "de", "fr", "es", "it", "pt", "ru", "ja", "ko", "ar"]
SOURCE = "zh_CN"

# How many plural forms Qt's rules give each language.
FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2, "it": 2, "pt": 2, "ru": 3, "ar": 6,
         "zh_CN": 1, "zh_TW": 1, "ja": 1, "ko": 1}

PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "texts.json")


def load():
    with open(PATH, encoding="utf-8") as f:
        return json.load(f)


TEXTS = load()
