#!/usr/bin/env python3
"""Generates the pinyin tables from the Unihan readings of the
Debian package unicode-data (/usr/share/unicode/Unihan_Readings.txt[.bz2]).

Two tables come out of it:
  * the pinyin initial of every ideograph U+4E00..U+9FA5 (lower case), used
    by the natural name comparison of the book order list
    (src/files/pinyininitials.inc);
  * the GB2312 zone-position syllable table: first-level characters (zones
    16..55, arranged by pronunciation) as consecutive code ranges with one
    syllable each, second-level characters (zones 56..87) one syllable per
    code (TovaUi/src/textarea/gb2312pinyin.inc, for the editor's masking).

Readings are taken from kMandarin first, then kHanyuPinlu, kXHC1983,
kTGHZ2013 and kHanyuPinyin. A few polyphones need the reading that the
common tables use; they are listed in OVERRIDES.

Run from the source root: python3 tools/pinyin/generate.py
"""
import bz2
import os
import re
import sys
import unicodedata

SOURCES = ["/usr/share/unicode/Unihan_Readings.txt",
           "/usr/share/unicode/Unihan_Readings.txt.bz2"]
FIELDS = ["kMandarin", "kHanyuPinlu", "kXHC1983", "kTGHZ2013", "kHanyuPinyin"]

# Initials that differ from the first Unihan reading.
INITIAL_OVERRIDES = {
    0x884C: "h",  # 行: hang (the reading the order tables use)
}


# First readings that the GB2312 pronunciation order places elsewhere.
READING_OVERRIDES = {
    0x4F5B: "FO",  # 佛 stands between FENG and FOU
}


def open_source():
    for path in SOURCES:
        if os.path.exists(path):
            if path.endswith(".bz2"):
                return bz2.open(path, "rt", encoding="utf-8")
            return open(path, encoding="utf-8")
    sys.exit("Unihan_Readings.txt not found; install the Debian package unicode-data")


def plain(reading):
    """Toneless upper-case ASCII syllable; u-umlaut becomes V, except in
    'lue'/'nue' which the GB2312 tables write with U."""
    s = unicodedata.normalize("NFD", reading.strip().lower())
    out = []
    for ch in s:
        if ch == "\u0308":  # combining diaeresis: the previous u is a u-umlaut
            if out and out[-1] == "u":
                out[-1] = "v"
            continue
        if unicodedata.category(ch) == "Mn":
            continue
        out.append(ch)
    syl = "".join(out)
    syl = syl.replace("ve", "ue")
    syl = re.sub(r"[^a-z]", "", syl)
    return syl.upper()


def readings_of(fields):
    """All readings of a character, the preferred one first."""
    result = []
    for name in FIELDS:
        value = fields.get(name)
        if not value:
            continue
        for item in value.split():
            if ":" in item:
                item = item.split(":", 1)[1]
            item = re.sub(r"\(\d+\)$", "", item)
            for r in item.split(","):
                p = plain(r)
                if p and p not in result:
                    result.append(p)
    return result


def load():
    table = {}
    with open_source() as f:
        for line in f:
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field in FIELDS:
                table.setdefault(int(code[2:], 16), {})[field] = value
    readings = {cp: readings_of(fields) for cp, fields in table.items()}
    for cp, syl in READING_OVERRIDES.items():
        readings[cp] = [syl] + [r for r in readings.get(cp, []) if r != syl]
    return readings


def gb2312_char(code):
    zone, pos = divmod(code, 100)
    try:
        return bytes([zone + 160, pos + 160]).decode("gb2312")
    except UnicodeDecodeError:
        return None


def first_level(readings):
    codes = [z * 100 + p for z in range(16, 56) for p in range(1, 95) if not (z == 55 and p > 89)]
    cands = []
    for code in codes:
        ch = gb2312_char(code)
        cands.append(readings.get(ord(ch), []) if ch else [])
    syl = [c[0] if c else "" for c in cands]
    # The first level is arranged by pronunciation: a polyphone whose first
    # reading breaks the run it stands in takes the reading of a neighbour
    # when it has that reading too; a character without a reading joins the
    # run before it.
    for _ in range(5):
        changed = False
        for i in range(len(syl)):
            prev = syl[i - 1] if i > 0 else None
            nxt = syl[i + 1] if i + 1 < len(syl) else None
            if syl[i] in (prev, nxt):
                continue
            choice = None
            if prev and prev in cands[i]:
                choice = prev
            elif nxt and nxt in cands[i]:
                choice = nxt
            elif not cands[i]:
                choice = prev or nxt
            if choice and choice != syl[i]:
                syl[i] = choice
                changed = True
        if not changed:
            break
    ranges = []
    for code, s in zip(codes, syl):
        if ranges and ranges[-1][2] == s:
            ranges[-1][1] = code
        else:
            ranges.append([code, code, s])
    seen = set()
    for r in ranges:
        if r[2] in seen:
            sys.stderr.write("warning: syllable %s in two runs (at %d)\n" % (r[2], r[0]))
        seen.add(r[2])
    return ranges


def second_level(readings):
    result = {}
    for z in range(56, 88):
        for p in range(1, 95):
            code = z * 100 + p
            ch = gb2312_char(code)
            if ch and readings.get(ord(ch)):
                result[code] = readings[ord(ch)][0]
    return result


def initials(readings):
    letters = []
    for cp in range(0x4E00, 0x9FA6):
        if cp in INITIAL_OVERRIDES:
            letters.append(INITIAL_OVERRIDES[cp])
            continue
        r = readings.get(cp)
        letters.append(r[0][0].lower() if r else "u")
    return "".join(letters)


def header(out):
    out.write("// Generated by tools/pinyin/generate.py from the Unihan readings of the\n")
    out.write("// Debian package unicode-data. Do not edit by hand.\n\n")


def main():
    readings = load()
    ranges = first_level(readings)
    level2 = second_level(readings)
    letters = initials(readings)
    syllables = sorted({r[2] for r in ranges} | set(level2.values()))
    index = {s: i for i, s in enumerate(syllables)}

    with open("TovaUi/src/textarea/gb2312pinyin.inc", "w", encoding="utf-8", newline="\n") as out:
        header(out)
        out.write("static const char* const kSyllables[%d] = {\n" % len(syllables))
        for i in range(0, len(syllables), 10):
            out.write("    " + ", ".join('"%s"' % s for s in syllables[i:i + 10]) + ",\n")
        out.write("};\n\n")
        out.write("struct PinyinRange { short first; short last; short syllable; };\n")
        out.write("// First level: consecutive code ranges, one syllable each.\n")
        out.write("static const PinyinRange kFirstLevel[%d] = {\n" % len(ranges))
        for r in ranges:
            out.write("    { %d, %d, %d }, // %s\n" % (r[0], r[1], index[r[2]], r[2]))
        out.write("};\n\n")
        out.write("// Second level: codes 5601..8794, syllable index or -1.\n")
        out.write("static const short kSecondLevel[%d] = {\n" % (8794 - 5601 + 1))
        row = []
        for code in range(5601, 8795):
            row.append(str(index[level2[code]]) if code in level2 else "-1")
            if len(row) == 20:
                out.write("    " + ", ".join(row) + ",\n")
                row = []
        if row:
            out.write("    " + ", ".join(row) + ",\n")
        out.write("};\n")

    with open("src/files/pinyininitials.inc", "w", encoding="utf-8", newline="\n") as out:
        header(out)
        out.write("// Pinyin initial of every ideograph U+4E00..U+9FA5 (\"u\": no reading known).\n")
        out.write("static const char Pinyin_Table[%d] =\n" % (len(letters) + 1))
        for i in range(0, len(letters), 100):
            out.write('    "%s"\n' % letters[i:i + 100])
        out.write("    ;\n")
    sys.stderr.write("first-level ranges: %d, second-level codes: %d, syllables: %d, missing initials: %d\n"
                     % (len(ranges), len(level2), len(syllables), letters.count("u")))


if __name__ == "__main__":
    main()
