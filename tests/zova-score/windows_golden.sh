#!/bin/sh
# zova-score.exe under Wine scores the sample log exactly as the native build:
# the golden summary byte for byte (no CR doubled), and no companion window
# started (the reset leaves "Start" at 0).
#   windows_golden.sh EXAMPLES_DIR EMULATOR... PROGRAM
set -eu
examples=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$@" "Z:$examples/sample.adi" >summary.txt 2>stderr.txt || { cat stderr.txt; exit 1; }
if ! cmp summary.txt "$examples/sample-summary.txt"; then
    od -c summary.txt | head -20
    exit 1
fi
grep -q '^Start=0' Plugins/ZOVA-RTTY.ini || { echo "the reset started the companion windows:"; cat Plugins/ZOVA-RTTY.ini; exit 1; }
echo "zova-score.exe prints the golden summary"
