#!/usr/bin/env bash
# Refreshes languages/*.ts from every translatable text in src/. New texts arrive
# unfinished; translate them (e.g. with /usr/lib/qt6/bin/linguist) before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none src \
    -ts languages/lang_en.ts languages/lang_es.ts
