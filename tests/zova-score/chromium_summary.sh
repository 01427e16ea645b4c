#!/bin/sh
# Renders zova-score's HTML summary of a log in headless Chromium and checks
# that the browser shows the table: the DOM holds the summary's rows and the
# score of the plain summary, and the screenshot shows the table's cell colour.
#   chromium_summary.sh ZOVA_SCORE LOG [SCREENSHOT_COPY]
set -eu
zova=$1 log=$2 keep=${3:-}
chromium=${CHROMIUM:-/usr/bin/chromium}
[ -x "$chromium" ] || { echo "no $chromium: skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$zova" --dir run-plain "$log" >plain.txt 2>/dev/null
"$zova" --dir run-html --html summary.html "$log" 2>/dev/null
score=$(sed -n 's/^Score = \([0-9]*\) \* \([0-9]*\)  = \([0-9]*\).*/\1 * \2  = \3/p' plain.txt)
[ -n "$score" ] || { echo "no score in the plain summary"; cat plain.txt; exit 1; }

browse() {
    # A fresh profile each time; nothing phones home.
    profile="$work/profile-$1"
    shift
    timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" "$@" 2>>chromium.log ||
        { echo "chromium failed:"; cat chromium.log; exit 1; }
}

browse dom --dump-dom "file://$work/summary.html" >dom.html
fail=0
check() {
    grep -qF -- "$1" dom.html || { echo "the rendered page lacks: $1"; fail=1; }
}
check '<table>'
check '<th>Band</th><th>QSOs</th><th>Points</th><th>Mult</th>'
check '<th><center>Total</center></th>'
check '<th>Score:</th>'
check "$score"
check 'Hourly (10min/1 hour) QSO rate:'
# Every band row of the plain summary is a row of the page.
for band in $(sed -n 's/^\([0-9]*m\)\t.*/\1/p' plain.txt); do check "<center>$band</center>"; done

browse shot --window-size=900,420 --hide-scrollbars --screenshot="$work/summary.png" \
    "file://$work/summary.html" >/dev/null
[ -s summary.png ] || { echo "no screenshot"; cat chromium.log; exit 1; }
if command -v convert >/dev/null 2>&1; then
    # The cells are painted #fffac6: a table of ten rows covers many thousand pixels.
    cells=$(convert summary.png -format %c histogram:info:- | grep -i 'fffac6' |
            sed 's/^ *\([0-9]*\):.*/\1/' | head -1)
    [ "${cells:-0}" -gt 20000 ] || { echo "the screenshot shows no table (${cells:-0} cell pixels)"; fail=1; }
fi
[ -z "$keep" ] || cp summary.png "$keep"
[ $fail -eq 0 ] && echo "table rendered: $score"
exit $fail
