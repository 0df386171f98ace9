#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# and only those that are missing, so a second run costs a second.
set -euo pipefail

packages=(
    cmake ninja-build g++                    # build tools
    qt6-base-dev qt6-base-dev-tools libgl-dev # Qt 6 Widgets and Test
    fonts-liberation2                        # metric twin of Times New Roman
    fonts-wqy-microhei                       # Chinese texts
    xvfb xauth                               # a display for machines without one
    qt6-wayland                              # a Wayland client on a Wayland session
    qt6-translations-l10n                    # Qt's dialogs and buttons in the user's language
    qt6-tools-dev qt6-l10n-tools             # lupdate and lrelease for the windows' translations
    python3                                  # scripts/check-translations.sh reads the .ts files
)

# Extra groups on request: "fuzz" for fuzz/run.sh, "bench" for bench/run.sh,
# "package" for the .deb (cpack --preset deb) and its checks
# (scripts/check-package.sh), "wayland" for the smoke test under weston, "a11y"
# for the test through the AT-SPI bus, "windows" for the Windows build, its
# tests under Wine and its installer (scripts/windows.sh).
for group in "$@"; do
    case "$group" in
        fuzz) packages+=(clang libclang-rt-14-dev) ;;  # libFuzzer and clang's sanitizers
        bench) packages+=(valgrind hyperfine) ;;       # instruction counts, wall time
        # dpkg-shlibdeps finds the package's dependencies; help2man writes rx20-config(1)
        package) packages+=(dpkg-dev file help2man lintian desktop-file-utils appstream) ;;
        wayland) packages+=(weston) ;;                 # a Wayland compositor without a screen
        # the AT-SPI bus and registry, a private D-Bus session, a window
        # manager for Xvfb, and a Python AT-SPI client
        a11y) packages+=(at-spi2-core dbus-daemon dbus-bin openbox python3-pyatspi) ;;
        # MinGW-w64 compilers for 64-bit Windows, Wine 8 (64-bit) to run what they
        # build, NSIS for the installer, locales for Wine's ANSI code pages, xwininfo
        # to see the installed program's window
        # icoutils makes the Windows icon and reads the executables' resources back
        windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 nsis locales x11-utils icoutils) ;;
        *) echo "install-deps.sh: unknown group $group" >&2 && exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
