#!/usr/bin/env bash
# Installs what is missing and runs every leg of the tests, each to its end
# whatever an earlier one did:
#   translations  the .ts files are in step with the code and finished
#   catalogue     the three catalogue copies agree with the public carrier data
#                 in ../shared/reference (tools/catalogue/presets.py check and review)
#   tests         the default build and its whole test suite (the AT-SPI and
#                 Wayland tests among it), and one short round of the benchmarks
#   fuzz          every fuzz target for a few seconds (build-fuzz/)
#   package       the release build, the .deb and its checks (lintian,
#                 desktop entry, AppStream)
#   asan          the tests again under AddressSanitizer and
#                 UndefinedBehaviorSanitizer (build-asan/)
#   windows       scripts/windows.sh: the Windows build, its tests under Wine,
#                 its installer
# It ends with one line a leg and a count; the exit code is non-zero when a
# leg failed. A second run only rebuilds what changed.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh wayland package fuzz a11y || exit 1

results=()
passed=0 failed=0 skipped=0
leg() { # name, then the command
    local name=$1 status
    shift
    echo "=== $name"
    "$@"
    status=$?
    if [ "$status" -eq 0 ]; then
        results+=("$name: passed")
        passed=$((passed + 1))
    else
        results+=("$name: FAILED (exit $status)")
        failed=$((failed + 1))
    fi
}
skip() { # name, why
    results+=("$1: skipped, $2")
    skipped=$((skipped + 1))
}

tests() {
    cmake --preset default >/dev/null && cmake --build --preset default && ctest --preset default \
        && bench_round
}
# One short round of the benchmarks, so that they keep running, not only
# building (bench/run.sh measures).
bench_round() {
    QT_QPA_PLATFORM=offscreen build/bench/bench_startup 2>&1 | grep -q '^peak-kib' \
        && QT_QPA_PLATFORM=offscreen build/bench/bench_files 3 >/dev/null
}
package() {
    cmake --preset release >/dev/null && cmake --build --preset release \
        && rm -f build-release/*.deb && cpack --preset deb \
        && scripts/check-package.sh build-release/*.deb
}
catalogue() {
    python3 tools/catalogue/presets.py check && python3 tools/catalogue/presets.py review >/dev/null
}
asan() {
    cmake --preset asan >/dev/null && cmake --build --preset asan && ctest --preset asan
}

leg translations bash scripts/check-translations.sh
if [ -d ../shared/reference ]; then
    leg catalogue catalogue
else
    skip catalogue "no ../shared/reference beside the checkout"
fi
leg tests tests
# The tests only replay the committed corpus; a few seconds of fuzzing each
# show a property that no longer matches the code.
leg fuzz bash fuzz/run.sh 5
leg package package
leg asan asan
# CI always has shared/ beside the checkout; by hand it may be missing.
if [ -f ../shared/toolchains/qt6.4.2-mingw-w64-x86_64.tar.xz ] || [ -n "${CI:-}" ]; then
    leg windows bash scripts/windows.sh
else
    skip windows "no ../shared/toolchains/qt6.4.2-mingw-w64-x86_64.tar.xz beside the checkout"
fi

echo
printf '%s\n' "${results[@]}"
echo "legs: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
