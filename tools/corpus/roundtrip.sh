#!/usr/bin/env bash
# Opens Penlark's own DOCX, ODT, flat ODT and RTF files with LibreOffice and
# compares their text: tst_fileformats reads the LibreOffice corpus and
# writes it in every format (RTF twice: Chinese as \u escapes under CP1252,
# and as GBK bytes under CP936); LibreOffice converts each file to plain text,
# which must equal the text Penlark wrote. Run on demand after a build; needs
# LibreOffice (Debian: libreoffice-writer-nogui).
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files" "$work/text"
QT_QPA_PLATFORM=offscreen PENLARK_ROUNDTRIP_DIR="$work/files" build/tests/tst_fileformats writeForLibreOffice >/dev/null
failed=0
for file in "$work"/files/penlark*.*; do
  name=$(basename "$file")
  soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to "txt:Text (encoded):UTF8" --outdir "$work/text/$name" "$file" >/dev/null 2>&1
  # LibreOffice writes CR LF line ends and a byte-order mark.
  sed -e 's/\r$//' -e '1s/^\xEF\xBB\xBF//' "$work/text/$name"/*.txt >"$work/text/$name.txt"
  if cmp -s "$work/text/$name.txt" "$work/files/expected.txt"; then
    echo "roundtrip: $name: same text ($(wc -l <"$work/files/expected.txt") lines)"
  else
    echo "roundtrip: $name: DIFFERS" >&2
    diff "$work/files/expected.txt" "$work/text/$name.txt" >&2 || true
    failed=1
  fi
done
exit $failed
