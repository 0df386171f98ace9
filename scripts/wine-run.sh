#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: CTest's emulator for every
# test of the windows-mingw preset, and scripts/windows.sh's way to run one.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   scripts/wine-run.sh --deployed PROGRAM.exe ...  finds its DLLs beside it
# Without --deployed the Qt and MinGW runtime DLLs and Qt's plugins come from
# the toolchain, as for the tests in build-windows/. The Wine prefix lives in
# build-windows/wine; the locale (LANG, LC_ALL) sets its ANSI code page.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qt=$root/build-windows/toolchain/qt6-mingw

export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ "${1:-}" = --deployed ]; then
    shift
else
    # The compiler's runtime where this compiler keeps it (12-posix for GCC 12).
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    export WINEPATH="Z:$qt/bin;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
    export QT_PLUGIN_PATH="Z:$qt/plugins"
fi
# Without a console (none under Wine) Qt sends its messages and Qt Test its
# results to the debugger instead of stdout and stderr.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Wine keeps the Unix QT_ variables (meant for Linux's Qt) from Windows
# programs; WINEQT_X reaches them as QT_X.
for name in $(compgen -e QT_ || true); do
    export "WINE$name=${!name}"
done
exec wine "$@"
