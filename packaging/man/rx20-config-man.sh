#!/usr/bin/env bash
# Writes rx20-config(1) from the program's own --help: help2man turns the
# overview into the page, and every command's --help goes into COMMANDS.
# Usage: rx20-config-man.sh RX20_CONFIG OUTPUT
set -euo pipefail
program=$1
output=$2
sections=$(mktemp)
trap 'rm -f "$sections"' EXIT

# Roff text of a help text kept as printed: backslashes escaped, a line that
# starts with a dot or quote made plain text.
as_roff() {
    sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

{
    echo '[COMMANDS]'
    # The overview lists the commands two blanks in, after "Commands:".
    "$program" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\) .*/\1/p' | while read -r command; do
        echo ".SS \"rx20-config $command\""
        # The usage line and the option table as printed, the description
        # filled to the reader's width. Qt's own options (--help-all) say
        # nothing about the command.
        "$program" "$command" --help | grep -v -e '--help-all' | as_roff | awk '
            NR == 1 { print ".nf"; print; print ".fi"; next }
            /^Options:$/ { table = 1; print ".PP"; print ".nf" }
            table || NF { print }
            END { print ".fi" }'
    done
    cat <<'TEXT'
[EXIT STATUS]
0 when the command did what it was asked (check: it found nothing); 1 when a
file could not be written, or check has findings; 2 for a bad argument, or a
file check cannot read.
[SEE ALSO]
.BR rx20-setting-tools (1)
TEXT
} >"$sections"

help2man --no-info --section=1 --name="write, show and check the settings files of an RX20 camera" \
    --include="$sections" --output="$output" "$program"
