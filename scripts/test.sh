#!/usr/bin/env bash
# Installs what is missing, checks the translations, builds everything and
# runs the whole test suite
# (the Wayland smoke test under weston among it), fuzzes every fuzz target for
# a few seconds, builds the .deb and checks it (lintian, desktop entry,
# AppStream), then builds and runs the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), and last the Windows leg
# (scripts/windows.sh: the Windows build, its tests under Wine and its
# installer).
# A second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh wayland package fuzz a11y
# The translations are in step with the code and finished.
bash scripts/check-translations.sh

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

# The tests only replay the committed corpus; a few seconds of fuzzing each
# show a property that no longer matches the code (build-fuzz/).
bash fuzz/run.sh 5

cmake --preset release >/dev/null
cmake --build --preset release
rm -f build-release/*.deb
cpack --preset deb
scripts/check-package.sh build-release/*.deb

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

bash scripts/windows.sh
