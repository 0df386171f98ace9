#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# (the Wayland smoke test under weston among it), builds the .deb and checks
# it (lintian, desktop entry, AppStream), then builds and runs the tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), and
# last the Windows leg (scripts/windows.sh: the Windows build, its tests under
# Wine and its installer).
# A second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh wayland package
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

cmake --preset release >/dev/null
cmake --build --preset release
rm -f build-release/*.deb
cpack --preset deb
scripts/check-package.sh build-release/*.deb

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

bash scripts/windows.sh
