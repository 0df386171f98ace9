#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite,
# then builds and runs it again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/). A second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
