#!/usr/bin/env bash
# The Windows leg: builds the program, rx20-config and every test for 64-bit
# Windows (preset windows-mingw, build-windows/) with Debian's MinGW-w64 and
# the Qt for Windows in ../shared/toolchains/, runs every test under Wine,
# checks that rx20-config under Wine writes the same bytes as the Linux build
# in three code pages, builds the installer and installs, starts and
# uninstalls it under Wine. Exits non-zero on any failure.
# A second run only rebuilds what changed.
set -euo pipefail
# Quiet steps say where they failed.
trap 'echo "windows.sh: line $LINENO failed: $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh windows

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# Wine takes its ANSI code page from the locale (LANG, LC_ALL): English and
# German give 1252, Russian 1251, Chinese 936, and Hindi, which has no ANSI
# code page, UTF-8 (65001), as Windows' "Use Unicode UTF-8" option does. A
# locale that does not exist leaves Wine with 7-bit ASCII.
locales=(en_US.UTF-8 de_DE.UTF-8 ru_RU.UTF-8 zh_CN.UTF-8 hi_IN.UTF-8)
have=$(locale -a)
for name in "${locales[@]}"; do
    if ! grep -qix "${name%.UTF-8}.utf8" <<<"$have"; then
        echo "Generating the locales ${locales[*]}"
        for each in "${locales[@]}"; do
            "${sudo_cmd[@]}" sed -i "s/^# *\(${each} UTF-8\)$/\1/" /etc/locale.gen
            grep -qx "${each} UTF-8" /etc/locale.gen \
                || echo "${each} UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
        done
        "${sudo_cmd[@]}" locale-gen >/dev/null
        break
    fi
done

cmake --preset windows-mingw >/dev/null
cmake --build --preset windows-mingw

# One X server for the whole leg (the installed program shows its real
# window there; the tests use the offscreen platform), started before Wine's
# own background programs so that they see it too.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
wine_prefix=$root/build-windows/wine
cleanup() {
    WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
if [ ! -s "$display_file" ] || ! kill -0 "$xvfb" 2>/dev/null; then
    echo "windows.sh: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$(cat "$display_file")

# Wine: a prefix of our own, made once; one wineserver (-p: it stays) and
# Wine's services started here, outside CTest, which would otherwise wait for
# them to close the first test's output.
# The server first: "wineserver -p" fails where one already runs, as it
# would after making the prefix.
export WINEPREFIX=$wine_prefix
mkdir -p "$WINEPREFIX"
# A server that outlived a broken-off run would make "-p" fail.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p
[ -f "$WINEPREFIX/system.reg" ] || scripts/wine-run.sh wineboot -i >/dev/null 2>&1
scripts/wine-run.sh wineboot >/dev/null 2>&1

ctest --preset windows-mingw -j "$(nproc)"

# rx20-config under Wine writes the same bytes as the Linux build, for text
# of the locale's code page, of others and a character no code page holds.
# Built anew (only what changed): a stale one would compare old code.
linux=build-release/src/cli/rx20-config
cmake --preset release >/dev/null
cmake --build --preset release --target rx20-config
compare() { # locale, then rx20-config's arguments without -o
    local locale=$1 on_linux on_windows linux_status=0 windows_status=0
    shift
    on_linux=$(mktemp -d) on_windows=$(mktemp -d)
    LC_ALL=$locale LANG=$locale "$linux" "$@" -o "$on_linux/" >/dev/null 2>&1 || linux_status=$?
    LC_ALL=$locale LANG=$locale scripts/wine-run.sh --deployed build-windows/dist/rx20-config.exe \
        "$@" -o "Z:${on_windows//\//\\}\\" >/dev/null 2>&1 || windows_status=$?
    if [ "$linux_status" != "$windows_status" ] || ! diff -r "$on_linux" "$on_windows" >/dev/null; then
        echo "windows.sh: rx20-config $* in $locale: Linux (exit $linux_status) and Windows (exit $windows_status) differ" >&2
        return 1
    fi
    echo "same bytes in $locale (exit $linux_status): rx20-config $1 ... $(cd "$on_linux" && ls)"
    rm -rf "$on_linux" "$on_windows"
}

cmake --build --preset windows-mingw --target installer
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
setup=build-windows/rx20-setting-tools-$version-setup.exe
zip=build-windows/rx20-setting-tools-$version-windows.zip
echo "installer: $setup, $(du -k "$setup" | cut -f1) KiB; portable: $zip, $(du -k "$zip" | cut -f1) KiB"

# Both programs and the installer carry the icon and a version resource.
for file in build-windows/dist/rx20-setting-tools.exe build-windows/dist/rx20-config.exe "$setup"; do
    resources=$(wrestool -l "$file")
    grep -q -e '--type=14' <<<"$resources" || { echo "windows.sh: $file has no icon" >&2; exit 1; }
    grep -q -e '--type=16' <<<"$resources" || { echo "windows.sh: $file has no version" >&2; exit 1; }
    wrestool -x --raw --type=16 "$file" | tr -d '\0' | grep -q "$version" \
        || { echo "windows.sh: $file's version is not $version" >&2; exit 1; }
done
echo "icon and version $version in both programs and the installer"

sent=(--country "United Kingdom" --operator Vodafone --phone 07700900123 --email alerts@example.com)
compare en_US.UTF-8 mms-ini "${sent[@]}"
# Text each code page holds gives the same bytes; text no code page holds
# whole is refused on both.
# On a UTF-8 system the files take the locale's legacy code page (for Hindi,
# which has none, windows-1252), never UTF-8.
declare -A held=([de_DE.UTF-8]="Grüße €" [ru_RU.UTF-8]="Мегафон" [zh_CN.UTF-8]="生成 ü"
    [hi_IN.UTF-8]="Grüße €")
for locale in de_DE.UTF-8 ru_RU.UTF-8 zh_CN.UTF-8 hi_IN.UTF-8; do
    for text in "${held[$locale]}" "Grüße € Мегафон 生成"; do
        compare "$locale" mms-ini "${sent[@]}" --apn "$text"
        compare "$locale" net-cfg --variant mail --country Germany --phone 01701234567 \
            --email alerts@example.com --sender "$text" --password Secret
    done
done

# The windows write what rx20-config writes on a UTF-8 system too, and the
# code page they take is windows-1252 there.
for test in tst_codepage tst_generatecommand; do
    LC_ALL=hi_IN.UTF-8 LANG=hi_IN.UTF-8 QT_QPA_PLATFORM=offscreen \
        scripts/wine-run.sh "build-windows/$test.exe" -o -,txt >/dev/null 2>&1 \
        || { echo "windows.sh: $test failed under Wine in hi_IN.UTF-8 (code page 65001)" >&2; exit 1; }
done
echo "hi_IN.UTF-8 (code page 65001): the windows write windows-1252 as rx20-config does"

# The folder picker starts on the card when exactly one is in: Wine drives of
# type "floppy" over folders are removable drives to Windows (tst_cardfolder
# says how it takes them as FAT, which Wine cannot report for a folder).
restart_wineserver() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p
}
card_drives() { # expected start folder, then the drive letters that hold cards
    local expected=$1 letter fat=""
    shift
    for letter in "$@"; do
        mkdir -p "build-windows/cards/$letter"
        ln -sfn "$root/build-windows/cards/$letter" "$WINEPREFIX/dosdevices/$letter:"
        scripts/wine-run.sh reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d floppy /f >/dev/null 2>&1
        fat+="${letter^^}:\\;"
    done
    # Wine's mount manager reads the drives when it starts.
    restart_wineserver
    local status=0
    mkdir -p build-windows/cards
    RX20_FAT_DRIVES=$fat RX20_EXPECTED_START_FOLDER=$expected LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 \
        QT_QPA_PLATFORM=offscreen scripts/wine-run.sh build-windows/tst_cardfolder.exe -o -,txt \
        >build-windows/cards/result.txt 2>&1 || status=$?
    for letter in "$@"; do
        scripts/wine-run.sh reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1
        rm -f "$WINEPREFIX/dosdevices/$letter:"
    done
    restart_wineserver
    if [ "$status" -ne 0 ]; then
        cat build-windows/cards/result.txt >&2
        echo "windows.sh: with cards in ${*:-no drive} the folder picker does not start at $expected" >&2
        exit 1
    fi
    echo "cards in ${*:-no drive}: the folder picker starts at $expected"
}
card_drives home
card_drives 'E:/' e
card_drives home e f

# The installer, silently under Wine, for the current user (no administrator
# rights): the program folder and the Start-menu entry appear, the program's
# main window shows, the installed rx20-config runs; the uninstaller leaves no
# file, folder or registry key behind.
user=$(id -un) # Wine names the user's folder after the Unix user
program_dir="C:\\users\\$user\\AppData\\Local\\Programs\\RX20 Setting Tools"
installed=$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/RX20\ Setting\ Tools
shortcut=$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/RX20\ Setting\ Tools.lnk
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\RX20SettingTools'
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\RX20SettingTools'
snapshot() { # every file and folder of the prefix's drive but the temporary ones
    (cd "$WINEPREFIX/drive_c" && find . -path "./users/$user/Temp" -prune \
        -o -path "./users/$user/AppData/Local/Temp" -prune -o -path ./windows -prune -o -print | sort)
}
installed_fail() { echo "windows.sh: installer check: $*" >&2; exit 1; }
# The installed programs find their DLLs and plugins beside them alone, and
# Qt's own platform (a real window), whatever this shell holds.
run_installed() { env -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH scripts/wine-run.sh --deployed "$@"; }
registry_value() { # key value
    run_installed reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $NF }'
}

# What a broken-off run may have left installed (and the user's programs
# folder it made, which the uninstaller removes once it is empty).
rm -rf "$installed" "$shortcut"
rmdir "$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs" 2>/dev/null || true
run_installed reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
run_installed reg delete "$machine_key" /f >/dev/null 2>&1 || true
before=$(snapshot)
run_installed "$setup" /S
[ -f "$installed/rx20-setting-tools.exe" ] || installed_fail "no $installed/rx20-setting-tools.exe"
[ -f "$shortcut" ] || installed_fail "no Start-menu entry $shortcut"
strings -el "$shortcut" | grep -qi 'documents' || installed_fail "the shortcut does not start in Documents"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "$version" ] \
    || installed_fail "no uninstall entry $uninstall_key for $version"
for value in DisplayIcon Publisher EstimatedSize; do
    [ -n "$(registry_value "$uninstall_key" "$value")" ] || installed_fail "the entry has no $value"
done
if run_installed reg query "$machine_key" >/dev/null 2>&1; then
    installed_fail "a per-user install wrote $machine_key"
fi

# The installed program's main window as X sees it ("774x570+333+133"), once
# it shows; the program is then closed as Windows closes a program
# (WM_CLOSE): a running program's files could not be uninstalled.
main_window() {
    local program window=
    run_installed "$program_dir\\rx20-setting-tools.exe" --language en >/dev/null 2>&1 &
    program=$!
    for _ in $(seq 60); do
        window=$(xwininfo -root -tree 2>/dev/null | grep -F '"Camera Setting Tool"' || true)
        [ -n "$window" ] && break
        sleep 1
    done
    run_installed taskkill /im rx20-setting-tools.exe >/dev/null 2>&1 || true
    for _ in $(seq 20); do kill -0 "$program" 2>/dev/null || break; sleep 0.5; done
    if kill -0 "$program" 2>/dev/null; then
        run_installed taskkill /f /im rx20-setting-tools.exe >/dev/null 2>&1 || true
    fi
    wait "$program" 2>/dev/null || true
    grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' <<<"$window" | head -1
}
geometry=$(main_window)
[ -n "$geometry" ] || installed_fail "the installed program showed no main window"
echo "installed program's main window: $geometry"
[ "$geometry" = "774x570+333+133" ] || installed_fail "main window not at +333+133, 774x570"

# At 150 % (Wine's LogPixels 144) the window is scaled and wholly on the
# 1280 x 1024 screen, moved in from its place where it would stick out.
logpixels() {
    run_installed reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
logpixels 144
geometry=$(main_window)
logpixels 96
read -r width height left top < <(tr 'x+' '  ' <<<"$geometry")
echo "at 150 %: $geometry"
[ -n "${top:-}" ] || installed_fail "at 150 % the program showed no main window"
[ "$width" -ge 1155 ] && [ "$width" -le 1165 ] || installed_fail "at 150 % the window is $width wide, not 1161"
[ $((left + width)) -le 1280 ] && [ $((top + height)) -le 1024 ] \
    || installed_fail "at 150 % the window sticks out of the screen: $geometry"

catalogue=$(run_installed "$program_dir\\rx20-config.exe" catalogue --country "United Kingdom" \
    --operator Vodafone 2>&1) || installed_fail "installed rx20-config failed: $catalogue"
grep -q '^apn=pp\.vodafone\.co\.uk' <<<"$catalogue" || installed_fail "installed rx20-config: $catalogue"
echo "installed rx20-config: $(head -2 <<<"$catalogue" | tr -d '\r' | tr '\n' ' ')"

# The uninstaller runs from a copy in the temporary folder and returns at once.
run_installed "$program_dir\\uninstall.exe" /S
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 1; done
[ ! -e "$installed" ] || installed_fail "the uninstaller left $installed"
[ ! -e "$shortcut" ] || installed_fail "the uninstaller left $shortcut"
if run_installed reg query "$uninstall_key" >/dev/null 2>&1; then
    installed_fail "the uninstaller left $uninstall_key"
fi
left=$(diff <(echo "$before") <(snapshot) || true)
[ -z "$left" ] || installed_fail "the uninstaller left: $left"
echo "installer: installed for the current user, started, uninstalled; nothing left behind"

# An upgrade: an older version installed, a newer one over it, one entry with
# the newer version, none of the older version's own files left; then
# uninstalled, nothing left. The older one carries a file the newer lacks.
upgrade=$root/build-windows/upgrade
rm -rf "$upgrade"
mkdir -p "$upgrade/old-lists" "$upgrade/new-lists"
cp -r build-windows/dist "$upgrade/old"
echo "only in the older version" >"$upgrade/old/old-only.txt"
icon=build-windows/rx20-setting-tools.ico
make_setup() { # version dist lists output
    cmake -DDIST="$2" -DOUT="$3" -P packaging/windows/nsis-files.cmake
    makensis -V2 -NOCD -DVERSION="$1" -DDIST="$2" -DFILES="$3" -DICON="$icon" -DOUTFILE="$4" \
        packaging/windows/rx20-setting-tools.nsi
}
make_setup "$version" "$upgrade/old" "$upgrade/old-lists" "$upgrade/old-setup.exe"
newer=$(awk -F. '{ printf "%d.%d.%d", $1, $2, $3 + 1 }' <<<"$version")
make_setup "$newer" "$root/build-windows/dist" "$upgrade/new-lists" "$upgrade/new-setup.exe"
run_installed "$upgrade/old-setup.exe" /S
[ -f "$installed/old-only.txt" ] || installed_fail "the older version did not install"
run_installed "$upgrade/new-setup.exe" /S
[ ! -e "$installed/old-only.txt" ] || installed_fail "the upgrade left the older version's files"
[ -f "$installed/rx20-setting-tools.exe" ] || installed_fail "the upgrade removed the program"
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "$newer" ] \
    || installed_fail "after the upgrade the entry does not say $newer"
entries=$(run_installed reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null \
    | grep -c 'RX20SettingTools' || true)
[ "$entries" = 1 ] || installed_fail "$entries uninstall entries after the upgrade"
run_installed "$program_dir\\uninstall.exe" /S
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 1; done
left=$(diff <(echo "$before") <(snapshot) || true)
[ -z "$left" ] || installed_fail "after the upgrade the uninstaller left: $left"
echo "installer: $version upgraded in place to $newer (one entry, old files gone), uninstalled; nothing left behind"
