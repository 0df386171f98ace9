#!/usr/bin/env bash
# Start-up and memory of the windowed program against a reference window with
# the same content and none of the program's code, and against a bare Qt
# window, all built with the same flags; and the cost of every Generate and
# Read. Prints ratios.
# Usage: bench/run.sh [RUNS] (wall-time runs per start-up program, default 30)
#        bench/run.sh windows [RUNS]  the Windows build under Wine: wall time
#                                     and peak working set (default 20 runs)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = windows ]; then
    # The Windows build of the three start-up programs under Wine, in one run:
    # wall time (hyperfine) and peak working set (medians of 5 runs). Wine
    # has no callgrind, so no instruction counts; Wine's own start of a
    # process is in every wall time alike.
    runs=${2:-20}
    build=build-bench-windows
    scripts/install-deps.sh bench windows
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/windows-mingw.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DRX20_BUILD_TESTS=OFF -DRX20_BENCH=ON >/dev/null
    cmake --build "$build" --target bench_startup bench_bare_window bench_reference_window
    export WINEPREFIX=$PWD/build-windows/wine QT_QPA_PLATFORM=offscreen LC_ALL=en_US.UTF-8 \
        LANG=en_US.UTF-8
    mkdir -p "$WINEPREFIX" "$build/results"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    [ -f "$WINEPREFIX/system.reg" ] || scripts/wine-run.sh wineboot -i >/dev/null 2>&1
    run() { scripts/wine-run.sh "$build/$1.exe"; }
    median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
    peak() { for _ in 1 2 3 4 5; do run "$1" 2>&1 | tr -d '\r' | awk '/^peak-kib/ { print $2 }'; done | median; }
    ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
    run bench_bare_window >/dev/null 2>&1 # Wine's first start fills its caches
    bare_kib=$(peak bench_bare_window)
    reference_kib=$(peak bench_reference_window)
    program_kib=$(peak bench_startup)
    hyperfine -N --warmup 2 --runs "$runs" --export-json "$build/results/startup.json" \
        "scripts/wine-run.sh $build/bench_bare_window.exe" "scripts/wine-run.sh $build/bench_startup.exe" \
        "scripts/wine-run.sh $build/bench_reference_window.exe" >"$build/results/hyperfine.txt"
    means=($(grep -o '"mean": *[0-9.e-]*' "$build/results/startup.json" | grep -o '[0-9.e-]*$'))
    echo
    echo "Windows start-up   program / reference   program / bare Qt window"
    printf '  %-16s %19s %26s\n' "peak working set" "$(ratio "$program_kib" "$reference_kib")" \
        "$(ratio "$program_kib" "$bare_kib")"
    printf '  %-16s %19s %26s\n' "wall time" "$(ratio "${means[1]}" "${means[2]}")" \
        "$(ratio "${means[1]}" "${means[0]}")"
    echo "  (peak working set KiB: program $program_kib, reference $reference_kib, bare $bare_kib;"
    echo "   wall time: means of $runs runs under Wine: ${means[1]} s, ${means[2]} s, ${means[0]} s)"
    exit 0
fi

runs=${1:-30}
build=${RX20_BENCH_BUILD:-build-bench}
out="$build/results"

scripts/install-deps.sh bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRX20_BUILD_TESTS=OFF \
    -DRX20_BENCH=ON >/dev/null
cmake --build "$build" --target bench_startup bench_bare_window bench_reference_window bench_files
mkdir -p "$out"

# The same display for both; offscreen and a fixed hash seed keep instruction
# counts repeatable.
export QT_QPA_PLATFORM=offscreen QT_HASH_SEED=0 LC_ALL=C.UTF-8 LANG=C.UTF-8
program="$build/bench/bench_startup"
bare="$build/bench/bench_bare_window"
reference="$build/bench/bench_reference_window"

# Instructions of a whole run, or of one function and all it calls.
callgrind() { # name command...
    local name=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind" "$@" >/dev/null 2>&1
    callgrind_annotate --inclusive=yes --threshold=100 "$out/$name.callgrind" >"$out/$name.txt"
}
total() { awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1; exit }' "$out/$1.txt"; }
inclusive() { # name function
    awk -v f="$2" 'index($0, f) { gsub(",", "", $1); print $1; exit }' "$out/$1.txt"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
percent() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f%%", 100 * a / b }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== start-up, instructions (callgrind)"
callgrind bare "$bare"
callgrind reference "$reference"
callgrind program "$program"
callgrind program-again "$program"
bare_ir=$(total bare)
reference_ir=$(total reference)
program_ir=$(total program)

echo "== start-up, nothing built before it is needed"
lazy=ok
for constructor in 'catalogue::Catalogue::Catalogue(' 'WirelessSettingsWindow::WirelessSettingsWindow(' \
    'SmtpSettingsWindow::SmtpSettingsWindow(' 'MailPhoneSettingsWindow::MailPhoneSettingsWindow(' \
    'MmsSettingsWindow::MmsSettingsWindow(' 'CameraSettingsWindow::CameraSettingsWindow('; do
    if grep -qF "$constructor" "$out/program.txt"; then
        echo "start-up runs $constructor"
        lazy=FAILED
    fi
done
grep -qF 'MainWindow::MainWindow(' "$out/program.txt" || lazy="FAILED (no main window?)"

echo "== start-up, peak memory (5 runs each)"
peak() { for _ in 1 2 3 4 5; do "$1" 2>&1 | awk '/^peak-kib/ { print $2 }'; done | median; }
bare_kib=$(peak "$bare")
reference_kib=$(peak "$reference")
program_kib=$(peak "$program")

echo "== start-up, wall time (hyperfine, $runs runs each)"
hyperfine -N --warmup 3 --runs "$runs" --export-json "$out/startup.json" "$bare" "$program" "$reference" \
    >"$out/hyperfine.txt"
means=($(grep -o '"mean": *[0-9.e-]*' "$out/startup.json" | grep -o '[0-9.e-]*$'))

echo "== Generate and Read"
rounds=20
callgrind files "$build/bench/bench_files" "$rounds"
"$build/bench/bench_files" 200 >"$out/files-wall.txt"

echo
echo "start-up         program / reference   program / bare Qt window"
again=$(awk -v a="$(total program-again)" -v b="$program_ir" 'BEGIN { printf "%+.2f%%", 100 * (a - b) / b }')
printf '  %-14s %19s %26s\n' instructions "$(ratio "$program_ir" "$reference_ir")" "$(ratio "$program_ir" "$bare_ir")"
printf '  %-14s %19s %26s\n' "peak memory" "$(ratio "$program_kib" "$reference_kib")" "$(ratio "$program_kib" "$bare_kib")"
printf '  %-14s %19s %26s\n' "wall time" "$(ratio "${means[1]}" "${means[2]}")" "$(ratio "${means[1]}" "${means[0]}")"
echo "  (instructions: program $program_ir, reference $reference_ir, bare $bare_ir; a second run of the"
echo "   program: $again. Peak memory: medians of 5 runs. Wall time: means of $runs runs.)"
echo "  only the main window built, no catalogue read: $lazy"
echo
echo "each click, against the bare Qt window's whole start-up"
printf '  %-7s %-9s %13s %11s\n' window button instructions "wall time"
bare_us=$(awk -v s="${means[0]}" 'BEGIN { print s * 1e6 }')
for row in WirelessSettingsWindow:Form5 SmtpSettingsWindow:Form4 MailPhoneSettingsWindow:Form7 \
    MmsSettingsWindow:Form3 CameraSettingsWindow:Form2; do
    class=${row%:*} form=${row#*:}
    for button in Command2:Generate Command1:Read; do
        command=${button%:*} name=${button#*:}
        ir=$(inclusive files "$class::${command}_Click()")
        column=$([ "$name" = Generate ] && echo 2 || echo 3)
        us=$(awk -v f="$form" -v c="$column" '$1 == f { print $c }' "$out/files-wall.txt")
        printf '  %-7s %-9s %13s %11s\n' "$form" "$name" \
            "$(percent "$((ir / rounds))" "$bare_ir")" "$(percent "$us" "$bare_us")"
    done
done
[ "$lazy" = ok ]
