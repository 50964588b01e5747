#!/usr/bin/env bash
# Shows the two conversion tools at work on the sample files of the tool directory: every
# sample .ov2 becomes text, the texts are joined, and the joined text becomes one .ov2 file.
set -euo pipefail
tooldir=$(cd "${1:?usage: demo.sh TOOL_DIRECTORY}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

echo "Kavinor: Vorführung der Werkzeuge dumpov2 und makeov2 (das Programmfenster folgt später)"
echo
for ov2 in "$tooldir"/*.ov2; do
    name=$(basename "$ov2" .ov2)
    "$tooldir/dumpov2" "$ov2" "$name.asc"
    printf '  %-24s %4d POIs\n' "$name.ov2" "$(grep -c . "$name.asc")"
done
cat ./*.asc > komplett.txt
"$tooldir/makeov2" komplett.txt alle.ov2
"$tooldir/dumpov2" alle.ov2 alle.asc
echo
printf 'Zusammengeführt: alle.ov2, %d Bytes, %d POIs. Die ersten Zeilen als Text:\n' \
    "$(wc -c < alle.ov2)" "$(grep -c . alle.asc)"
head -n 5 alle.asc | tr -d '\r' | sed 's/^/  /'
