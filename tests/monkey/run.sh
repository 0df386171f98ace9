#!/usr/bin/env bash
# Random user actions on every window with the program's invariants checked
# after each one.
#   bash tests/monkey/run.sh ACTIONS SEED [FORM]   ACTIONS per window (or FORM alone)
#   bash tests/monkey/run.sh --regressions         every sequence in regressions.txt
# Exits non-zero on the first broken invariant or crash and prints the command
# that replays it. RX20_MONKEY names the program (CTest sets it); otherwise the
# RX20_MONKEY_PRESET build (default or asan) is brought up to date first.
# RX20_MONKEY_EMULATOR runs it (Wine for the Windows build).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."

if [ -z "${RX20_MONKEY:-}" ]; then
    preset=${RX20_MONKEY_PRESET:-default}
    dir=build
    [ "$preset" = asan ] && dir=build-asan
    { cmake --preset "$preset" && cmake --build --preset "$preset" --target rx20_monkey; } >/dev/null \
        || exit 2
    RX20_MONKEY=$dir/tests/monkey/rx20_monkey
fi
locale=${RX20_MONKEY_LOCALE:-C.UTF-8}
export QT_QPA_PLATFORM=offscreen LC_ALL=$locale LANG=$locale

progress=$(mktemp)
trap 'rm -f "$progress"' EXIT

run() { # actions seed form
    ${RX20_MONKEY_EMULATOR:+"$RX20_MONKEY_EMULATOR"} "$RX20_MONKEY" "$1" "$2" "$3" "$progress"
    local status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; then
        local form action
        read -r form action <"$progress" || true
        echo "monkey: $form, seed $2, action ${action:-?}: the program ended with status $status"
        echo "replay: bash tests/monkey/run.sh ${action:-$1} $2 ${form:-$3}"
    fi
    return "$status"
}

if [ "${1:-}" = --regressions ]; then
    while read -r actions seed form _; do
        case "$actions" in '' | '#'*) continue ;; esac
        run "$actions" "$seed" "$form" || exit
    done <"$here/regressions.txt"
    exit 0
fi

[ $# -ge 2 ] || { echo "usage: bash tests/monkey/run.sh ACTIONS SEED [FORM]" >&2; exit 2; }
run "$1" "$2" "${3:-all}"
