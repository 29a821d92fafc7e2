#!/usr/bin/env bash
# Regenerates the LibreOffice corpus in tests/fileformats/corpus/: LibreOffice
# Writer saves tools/corpus/source.fodt (Chinese and English paragraphs,
# headings 1 to 3, character formats, lists, a heading inside a list, a table,
# a hyperlink, a page break, an indent, alignments and right-to-left text) as
# ODT, flat ODT, DOCX and RTF. tests/fileformats/corpus/expected.txt says what
# each of them holds; tst_fileformats reads every file and compares.
#
# Needs LibreOffice (Debian: apt-get install libreoffice-writer-nogui), which
# the build and the tests do not: the files are committed. Run on demand.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=tests/fileformats/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
for format in odt fodt docx rtf; do
  soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to "$format" --outdir "$work" tools/corpus/source.fodt >/dev/null
  cp "$work/source.$format" "$out/libreoffice.$format"
  echo "corpus: $out/libreoffice.$format"
done
