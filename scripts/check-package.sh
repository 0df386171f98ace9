#!/usr/bin/env bash
# Checks a built .deb as Debian and the software centres read it: lintian,
# the desktop entry and the AppStream metainfo inside it. Any finding fails.
# Usage: scripts/check-package.sh PACKAGE.deb
set -euo pipefail
deb=$1

lintian_options=()
[ "$(id -u)" -ne 0 ] || lintian_options=(--allow-root)
# lintian shows errors and warnings; any line it prints is a finding.
findings=$(lintian "${lintian_options[@]}" --fail-on error,warning "$deb") || {
    echo "$findings"
    echo "lintian failed on $deb" >&2
    exit 1
}
if [ -n "$findings" ]; then
    echo "$findings"
    echo "lintian has findings on $deb" >&2
    exit 1
fi
echo "lintian: no findings on $(basename "$deb")"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for entry in "$tree"/usr/share/applications/*.desktop; do
    findings=$(desktop-file-validate "$entry") || true
    if [ -n "$findings" ]; then
        echo "$findings"
        exit 1
    fi
    echo "desktop-file-validate: $(basename "$entry") is valid"
done
# Errors and warnings fail; notes (infos) are printed.
appstreamcli validate --pedantic --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
