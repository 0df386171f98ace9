#!/usr/bin/env bash
# Brings translations/*.ts in step with the code: every text marked for
# translation in src/ (the .ui files' captions, tr() and translate() calls)
# gets an entry, and entries whose text is gone are dropped. Run it after
# changing a caption or a message, then translate what it added.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui src -ts translations/rx20_*.ts
