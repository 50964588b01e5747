#!/usr/bin/env bash
# Cross-builds the Windows programs and test programs into build-win and runs the tests under
# Wine, in a Wine prefix of their own inside build-win, as a German Windows runs them (ANSI code
# page 1252, console code page 850), on a virtual display of their own for the windows.
#
#   scripts/windows-tests.sh [LINUX_TOOL_DIRECTORY]
#
# Given the tool directory of a Linux build (build/bin), the Windows merges must also match, byte
# for byte, the ones that kvcmd and the Linux tools make of the same samples.
set -euo pipefail
if [ -z "${KAVINOR_WINDOWS_DISPLAY:-}" ]; then
    export KAVINOR_WINDOWS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(readlink -f "$0")" "$@"
fi
cd "$(dirname "$0")/.."
# Wine takes its code pages from the locale.
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
build=build-win
linux=${1:+$(cd "$1" && pwd)}

export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEARCH=win64
# No offer to install Mono or Gecko, which would wait for a click on a display there is not.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY
mkdir -p "$build"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i
    wineserver -w
fi
trap 'wineserver -k 2>/dev/null || true' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKAVINOR_WERROR=ON
cmake --build "$build"

if [ -n "$linux" ]; then
    merges="$PWD/$build/linux-merges"
    rm -rf "$merges"
    mkdir -p "$merges/ov2" "$merges/asc"
    for name in aussichtspunkte burgen gipfel seen; do
        "$linux/dumpov2" "$linux/$name.ov2" "$merges/ov2/$name.asc"
    done
    cp samples/burgen.asc samples/seen.asc "$merges/asc/"
    for kind in ov2 asc; do
        (cd "$merges/$kind" && "$linux/kvcmd" /c "copy *.asc komplett.txt" >/dev/null &&
            "$linux/makeov2" komplett.txt "../alle-$kind.ov2")
    done
    KAVINOR_LINUX_MERGES=$(winepath -w "$merges")
    export KAVINOR_LINUX_MERGES
fi

# Wine's server and its services outlive each program they serve. Started here, outside ctest,
# they do not hold the output of a test program open after it has ended, which ctest waits for.
wineserver -w
wineserver -p
wine cmd /c exit
ctest --test-dir "$build" --output-on-failure
