#!/usr/bin/env bash
# Takes a picture of every window into docs/ (one PNG each, main-window.png is
# the README's) on a virtual display at 96 dpi, so the pictures do not depend
# on the screen of the machine that takes them.
#   bash scripts/screenshots.sh           the Linux build, every window
#   bash scripts/screenshots.sh windows   the Windows build under Wine: the
#                                         main and wireless windows, docs/windows-*.png
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = windows ]; then
    scripts/install-deps.sh windows
    cmake --preset windows-mingw >/dev/null
    cmake --build --preset windows-mingw --target rx20-screenshots
    pictures=$(mktemp -d)
    trap 'rm -rf "$pictures"' EXIT
    export WINEPREFIX=$PWD/build-windows/wine
    [ -f "$WINEPREFIX/system.reg" ] || scripts/wine-run.sh wineboot -i >/dev/null 2>&1
    # Wine's own window system on the virtual display, not the offscreen platform.
    env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        scripts/wine-run.sh build-windows/rx20-screenshots.exe "Z:$pictures"
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
    for picture in main-window wireless-settings; do
        cp "$pictures/$picture.png" "docs/windows-$picture.png"
    done
    ls docs/windows-*.png
    exit 0
fi

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target rx20-screenshots
QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/docs/rx20-screenshots docs
ls docs/*.png
