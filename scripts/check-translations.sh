#!/usr/bin/env bash
# Keeps the translations true: translations/*.ts are in step with the code
# (lupdate finds no new text and no obsolete one), every entry is finished,
# keeps the source's %1 placeholders and & accelerators, and lrelease
# builds each file without a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# In step: lupdate over a copy changes nothing.
cp translations/rx20_*.ts "$work/"
"$bin/lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui src -ts "$work"/rx20_*.ts
for ts in translations/rx20_*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")" >"$work/diff"; then
        echo "check-translations: $ts is not in step with the code (run scripts/update-translations.sh):" >&2
        head -40 "$work/diff" >&2
        status=1
    fi
done

# Finished, placeholders and accelerators kept.
python3 - translations/rx20_*.ts <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
bad = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        node = message.find("translation")
        text = node.text or ""
        where = f"{path}: {source!r}"
        if node.get("type") in ("unfinished", "obsolete", "vanished") or not text.strip():
            print(f"check-translations: {where} is not translated", file=sys.stderr); bad += 1
            continue
        placeholders = lambda s: sorted(re.findall(r"%\d", s))
        if placeholders(source) != placeholders(text):
            print(f"check-translations: {where} has {placeholders(text)} for {placeholders(source)}", file=sys.stderr); bad += 1
        accelerators = lambda s: len(re.findall(r"&(?!&)", s.replace("&&", "")))
        if accelerators(source) != accelerators(text):
            print(f"check-translations: {where} loses or adds an accelerator", file=sys.stderr); bad += 1
sys.exit(1 if bad else 0)
PY

# lrelease says nothing but what it built.
for ts in translations/rx20_*.ts; do
    out=$("$bin/lrelease" "$ts" -qm "$work/out.qm" 2>&1)
    if grep -v -e '^Updating ' -e '^ *Generated [0-9]* translation(s) ([0-9]* finished and 0 unfinished)$' <<<"$out" | grep -q .; then
        echo "check-translations: lrelease $ts: $out" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "translations: $(ls translations/rx20_*.ts | wc -l) languages in step, finished, placeholders kept"
exit "$status"
