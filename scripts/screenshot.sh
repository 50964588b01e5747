#!/usr/bin/env bash
# Takes the README's picture of the main window after a merge from the real program: kavinor runs
# under a virtual X server, xdotool clicks through the merge of the sample files in its tool
# directory as a user would, and the main window is saved as a PNG. Run as root (it installs the
# virtual X server and the tools it needs when they are missing).
set -euo pipefail
usage="usage: screenshot.sh TOOL_DIRECTORY OUTPUT.png"

if [[ "${1:-}" != --inside ]]; then
    tooldir=$(cd "${1:?$usage}" && pwd)
    out=$(realpath -m "${2:?$usage}")
    for tool in xvfb-run xauth import xdotool; do
        if ! command -v "$tool" >/dev/null; then
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                xvfb xauth imagemagick xdotool >/dev/null
            break
        fi
    done
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$tooldir" "$out"
fi

tooldir=$2
out=$3
work=$(mktemp -d)
"$tooldir/kavinor" &
program=$!
trap 'kill "$program" 2>/dev/null; rm -rf "$work"' EXIT

# The first shown window of the program whose title matches ("--name PATTERN"), or any of its
# shown windows ("--class kavinor"), once it is there.
window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible "$1" "$2" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then echo "$id"; return; fi
        sleep 0.1
    done
    echo "screenshot.sh: no window '$2' appeared" >&2
    exit 1
}

# Clicks at X Y from the top left of window $1's client area, $2 pixels below its top.
click() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $3)) $((Y + $2 + $4)) click 1
    sleep 0.5
}

# The notice window has no title; at first it is the program's only window.
notice=$(window --class kavinor)
click "$notice" 0 248 292
main=$(window --name '^Kavinor V')
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 437))
click "$main" "$menu" 64 72     # Convert ".ov2": the input frame opens at the tool directory
click "$main" "$menu" 224 336   # its OK: the sample files fill the source list
click "$main" "$menu" 328 180   # >>
click "$main" "$menu" 328 304   # Komplette LUV Datei erstellen: the save dialog
sleep 1
xdotool type --delay 20 "$work/Alle Orte.ov2"
xdotool key Return
sleep 3
for _ in $(seq 100); do
    if [[ -f "$work/Alle Orte.ov2" ]] && xdotool search --onlyvisible --name '^Kavinor$' >/dev/null; then
        break
    fi
    sleep 0.2
done
xdotool key Return              # the message box's OK
sleep 0.5
import -window "$main" "$out"
echo "screenshot.sh: wrote $out"
