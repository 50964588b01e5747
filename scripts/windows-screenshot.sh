#!/usr/bin/env bash
# Takes the README's picture of Kavinor.exe's main window after a merge: the program runs under
# Wine, on a Wine desktop of its own (which draws the title bars) on a virtual X server, and is
# worked by the keyboard alone through the merge of the sample files in its tool directory, as
# a user would. Run after scripts/windows-tests.sh, whose Wine prefix it uses.
set -euo pipefail
usage="usage: windows-screenshot.sh WINDOWS_TOOL_DIRECTORY OUTPUT.png"

if [[ "${1:-}" != --inside ]]; then
    tooldir=$(cd "${1:?$usage}" && pwd)
    out=$(realpath -m "${2:?$usage}")
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$tooldir" "$out"
fi

tooldir=$2
out=$3
cd "$(dirname "$0")/.."
export WINEPREFIX="$PWD/build-win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
work=$(mktemp -d)
wine explorer /desktop=Kavinor,760x560 "$tooldir/Kavinor.exe" &
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

keys() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.8
    done
}

for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Kavinor' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 2
keys Return                  # the notice's OK
keys Return                  # Convert ".ov2": the input frame opens at the tool directory
keys Tab Tab Return          # its OK: the sample files fill the source list; "Convert .ov2" next
keys Tab Tab Tab Tab Tab Tab Return  # >>, past "Convert .asc", both lists, ">" and "<"
keys Tab Tab Return          # past "<<" to Komplette LUV Datei erstellen: the save dialog
sleep 1
xdotool type --delay 20 "Z:${work//\//\\}\\Alle Orte.ov2"
keys Return
for _ in $(seq 150); do
    [[ -f "$work/Alle Orte.ov2" ]] && break
    sleep 0.2
done
sleep 4
keys Return                  # the message box's OK
sleep 1
import -window root -crop 760x560+0+0 "$out"
echo "windows-screenshot.sh: wrote $out"
