#!/usr/bin/env bash
# Fails when a translatable text in src/ has no finished translation in a language file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/languages/lang_*.ts "$work"/
(cd "$root" && /usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none src \
    -ts "$work"/lang_*.ts >/dev/null)
status=0
for ts in "$work"/lang_*.ts; do
    missing=$(python3 - "$ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for ctx in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = ctx.findtext('name')
    for msg in ctx.iter('message'):
        tr = msg.find('translation')
        unfinished = tr is None or tr.get('type') in ('unfinished',) or not (tr.text or list(tr))
        if unfinished:
            print(f"  {name}: {msg.findtext('source')!r}")
PY
)
    if [[ -n "$missing" ]]; then
        echo "$(basename "$ts"): texts without a finished translation:"
        echo "$missing"
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "All texts are translated in every language file."
exit $status
