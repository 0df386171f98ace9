#!/usr/bin/env bash
# Builds every fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for SECONDS (default 60), one
# after the other. Usage: fuzz/run.sh [SECONDS] [TARGET...]
#
# The committed corpus (fuzz/corpus/<target>) is read, never written: inputs
# libFuzzer finds go to <build>/corpus/<target>, a crashing input to
# <build>/crashes/<target>/. Add a crashing input to fuzz/corpus/<target>/
# once it is fixed, so the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=${RX20_FUZZ_BUILD:-build-fuzz}

targets=("$@")
if ((${#targets[@]} == 0)); then
    for source in fuzz/fuzz_*.cpp; do
        name=${source#fuzz/fuzz_}
        targets+=("${name%.cpp}")
    done
fi

scripts/install-deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DRX20_FUZZ=ON -DRX20_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build "$build" --target rx20_fuzz_seeds "${targets[@]/#/fuzz_}"

# The seeds come from the program's own writers; rewriting them keeps them
# in step with the writers.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
"$build/fuzz/rx20_fuzz_seeds" fuzz/corpus

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
summary=()
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target" "$build/crashes/$target" "$build/logs"
    log="$build/logs/$target.log"
    echo "== $target: ${seconds}s"
    result=ok
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target/" \
        "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        result="CRASH, see $log and $build/crashes/$target/"
        status=1
        # The broken property or the sanitizer's report, where CI shows it.
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    time=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | tr -dc 0-9 || true)
    summary+=("$(printf '%-14s %12s runs %5ss  %s' "$target" "${runs:-?}" "${time:-$seconds}" "$result")")
done

printf '%s\n' "" "target         executions  time  result" "${summary[@]}"
exit "$status"
