#!/usr/bin/env bash
# Shows a merge as the program kavinor runs it, for a machine without a display: step scripts in
# their Windows form are written into an output directory and carried out by kvcmd, which calls
# dumpov2 and makeov2 on the sample files of the tool directory.
set -euo pipefail
tooldir=$(cd "${1:?usage: demo.sh TOOL_DIRECTORY}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out="$work/Ausgabe/"
mkdir -p "$out"
cd "$out"

echo "Kavinor: Vorführung eines Konvertierungslaufs mit kvcmd, dumpov2 und makeov2"
echo "(im Terminal, ohne Anzeige; das Programm kavinor führt denselben Lauf in seinem Fenster aus)"
echo
{
    printf 'cd "%s"\r\n' "$out"
    for ov2 in "$tooldir"/*.ov2; do
        base=$(basename "$ov2" .ov2)
        printf '"%s\\dumpov2.exe" "%s\\%s.ov2" "%s.asc"\r\n' "$tooldir" "$tooldir" "$base" "$base"
    done
} > konvert.bat
printf 'cd "%s"\r\ncopy *.asc komplett.txt\r\n' "$out" > komplett.bat
printf 'cd "%s"\r\n"%s\\makeov2.exe" "%skomplett.txt" "%s"\r\ndel "%s%s.bmp"\r\ncopy "%s\\icon.bmp" "%s%s.bmp"\r\n' \
    "$out" "$tooldir" "$out" "alle.ov2" "$out" "alle" "$tooldir" "$out" "alle" > asc2ov2.bat

for step in konvert komplett asc2ov2; do
    "$tooldir/kvcmd" /c "\"$out$step.bat\" >$step.log"
    echo "  $step.bat ausgeführt"
done
echo
echo "Protokoll von komplett.bat:"
tr -d '\r' < komplett.log | sed 's/^/  /'
"$tooldir/dumpov2" alle.ov2 alle.asc
echo
printf 'Zusammengeführt: alle.ov2, %d Bytes, %d POIs, mit alle.bmp. Die ersten Zeilen als Text:\n' \
    "$(wc -c < alle.ov2)" "$(grep -c . alle.asc)"
head -n 5 alle.asc | tr -d '\r' | sed 's/^/  /'
