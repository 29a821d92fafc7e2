#!/bin/sh
# Refreshes the translation catalogues ts/writer_<code>.ts from the sources
# (lupdate) and fills in the translations kept in tools/ts/translations.py.
# The build compiles the catalogues with lrelease; run this after changing
# user-visible texts and commit the result.
set -e
cd "$(dirname "$0")/../.."
for code in zh_CN zh_TW en ja ko fr es pt it ru de ar; do
    lupdate -silent -locations none -no-obsolete -source-language zh_CN -target-language "$code" \
        main.cpp src TovaUi qml -ts "ts/writer_$code.ts"
done
python3 tools/ts/fill_catalogues.py
