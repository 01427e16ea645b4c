#!/bin/bash
# Screenshot of the Cabrillo header form as Stats.dll shows it, framed by a
# Wine virtual desktop on a private Xvfb display, cropped to the dialog.
# Usage: tools/screenshots/cabrillo_form.sh [windows-build-dir] [out.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=${2:-$root/docs/cabrillo-form.png}
program=$build/bin/show_cabrillo_form.exe
[ -f "$program" ] || { echo "no $program: build the windows target first" >&2; exit 1; }

export WINEPREFIX=${WINEPREFIX:-$build/.wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/shoot.sh" <<SHOT
#!/bin/bash
set -u
# The form stays open 20 s; the shot is taken once it has been drawn.
wine explorer /desktop=cabrillo,640x720 "$program" 20 >/dev/null 2>&1 &
sleep 12
import -window root "$work/desktop.png"
wait
SHOT
chmod +x "$work/shoot.sh"
xvfb-run -a -s "-screen 0 800x800x24" "$work/shoot.sh"
# The desktop's plain background around the dialog is trimmed away.
convert "$work/desktop.png" -crop 640x720+0+0 +repage -fuzz 2% -trim +repage "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
