#!/bin/sh
# Refreshes the translation catalogues ts/writer_<code>.ts from the sources
# (lupdate) and fills in the translations kept in tools/ts/texts.json. The
# build compiles the catalogues with lrelease; run this after changing
# user-visible texts and commit the result.
#
# Any source text without a translation is listed at the end and the script
# exits with status 1. Arguments go to fill_catalogues.py, for example
#   tools/ts/update_catalogues.sh --missing /tmp/missing.json
# writes those texts to a file to translate, and
#   tools/ts/update_catalogues.sh --merge /tmp/missing.json
# adds the translations from it.
set -e
cd "$(dirname "$0")/../.."
for code in zh_CN zh_TW en ja ko fr es pt it ru de ar; do
    lupdate -silent -locations none -no-obsolete -source-language zh_CN -target-language "$code" \
        main.cpp src TovaUi qml -ts "ts/writer_$code.ts"
done
exec python3 tools/ts/fill_catalogues.py "$@"
