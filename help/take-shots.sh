#!/bin/sh
# take-shots.sh BUILD OUT: the help's dialog pictures, taken with the test
# Excel (BUILD/xlhost/xlhost.exe) and BUILD/Stochal.dll under wine and Xvfb.
# Each help/shots/NAME.xlhost script opens one command's dialog and shoots
# it (`shot PICTURE.bmp`, written into OUT); every picture becomes
# OUT/PICTURE.png. Fails, naming the script, when a script fails or a
# picture the help shows (help/topics.py) was not taken.
set -u
# Every wine command of the run on one display: a wine server whose desktop
# was started without one leaves later windowed programs waiting forever.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a sh "$0" "$@"
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
wine="$root/cmake/wine-run"
dll="$build/Stochal.dll"
host="$build/xlhost/xlhost.exe"
windows() { echo "Z:$1" | tr / '\\'; }

rm -f "$out"/*.bmp "$out"/*.png "$out"/*.log
[ -f "$dll" ] && [ -f "$host" ] || { echo "take-shots: $dll or $host missing" >&2; exit 1; }
"$wine" wineboot --init >/dev/null 2>&1
# One wine server for the whole run, instead of one per command.
export WINEPREFIX="${WINEPREFIX:-${STOCHAL_WINEPREFIX:-$HOME/.stochal-wine}}"
/usr/lib/wine/wineserver -p 2>/dev/null || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
# The dialogs as a first use shows them, whatever an earlier run left.
"$wine" reg delete 'HKCU\Software\Vextor\Stochal' /f >/dev/null 2>&1
"$wine" regsvr32 /s "$(windows "$dll")" || { echo "take-shots: registration failed" >&2; exit 1; }
status=0
for script in "$root"/help/shots/*.xlhost; do
  name=$(basename "$script" .xlhost)
  if ! (cd "$out" && timeout 120 "$wine" "$host" --script "$(windows "$script")" --dll "$(windows "$dll")") \
       >"$out/$name.log" 2>&1; then
    echo "take-shots: $name failed:" >&2
    cat "$out/$name.log" >&2
    status=1
  fi
done
"$wine" regsvr32 /u /s "$(windows "$dll")"
for picture in "$out"/*.bmp; do
  [ -f "$picture" ] && convert "$picture" -strip "${picture%.bmp}.png"
done
for picture in $(python3 -c "import sys; sys.path.insert(0, '$root/help'); import topics
print(' '.join(topics.pictures()))"); do
  [ -f "$out/$picture" ] || { echo "take-shots: no $picture" >&2; status=1; }
done
exit $status
