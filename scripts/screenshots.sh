#!/usr/bin/env bash
# Takes a picture of every window into docs/ (one PNG each, main-window.png is
# the README's) on a virtual display at 96 dpi, so the pictures do not depend
# on the screen of the machine that takes them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target rx20-screenshots
QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/docs/rx20-screenshots docs
ls docs/*.png
