#!/usr/bin/env bash
# The Windows setup under Wine: made by cpack, installed silently, the installed program started,
# then uninstalled silently; each step checked by what it leaves.
#
#   tests/win32/setup_test.sh CPACK BUILD_DIRECTORY SHOWS_WINDOW.exe
#
# It uses the Wine prefix of the environment (WINEPREFIX), else the one in BUILD_DIRECTORY; the
# program's window needs a display.
set -euo pipefail
cpack=$1 build=$(cd "$2" && pwd) shows_window=$3
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
# The setup's links stay in the prefix: no menu entries on the host's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"

work=$build/setup-test
log=$work/log
rm -rf "$work"
mkdir -p "$work"
fail() {
    cat "$log" >&2
    echo "setup test: $*" >&2
    exit 1
}
# Wine's output goes to the log: a service that a Wine program starts keeps it open, and ctest
# waits for whatever holds its own.
run() { "$@" </dev/null >>"$log" 2>&1; }

run wine cmd /c exit
dir=$(winepath -u 'C:\Program Files\Kavinor')
menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Kavinor')
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavinor'
installed() { [ -e "$dir" ] || [ -e "$menu" ] || run wine reg query "$key"; }
# What an earlier run that failed half-way may have left.
rm -rf "$dir" "$menu"
run wine reg delete "$key" /f || true

(cd "$build" && run "$cpack" -G NSIS -B "$work") || fail "cpack -G NSIS failed"
setup=("$work"/Kavinor-*.exe)
run wine "${setup[0]}" /S || fail "the setup failed"
expected="Kavinor.exe Uninstall.exe aussichtspunkte.ov2 burgen.ov2 dumpov2.exe gipfel.ov2 icon.bmp makeov2.exe seen.ov2"
[ -d "$dir" ] || fail "no install folder"
found=$(find "$dir" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
[ "$found" = "$expected " ] || fail "the install folder holds: $found"
[ -f "$menu/Kavinor.lnk" ] || fail "no Start-menu entry"
run wine reg query "$key" || fail "no uninstall key"
run wine "$shows_window" 'C:\Program Files\Kavinor\Kavinor.exe' || fail "Kavinor.exe showed no window"

# The uninstaller copies itself away and returns at once.
run wine 'C:\Program Files\Kavinor\Uninstall.exe' /S || fail "the uninstaller did not start"
for _ in $(seq 30); do
    installed || exit 0
    sleep 1
done
fail "the uninstaller left the install folder, the Start-menu entry or the uninstall key"
