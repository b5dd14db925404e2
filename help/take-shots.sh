#!/bin/sh
# take-shots.sh BUILD OUT: the help's dialog pictures, taken with the test
# Excel (BUILD/xlhost/xlhost.exe) and BUILD/Stochal.dll under wine and Xvfb.
# Each help/shots/NAME.xlhost script shows one dialog and shoots it to
# @SHOT@; the picture becomes OUT/NAME.png. A script that fails leaves no
# picture (the help then shows a placeholder) and is named on stderr.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
out=$2
wine="$root/cmake/wine-run"
dll="$build/Stochal.dll"
host="$build/xlhost/xlhost.exe"
windows() { echo "Z:$1" | tr / '\\'; }

mkdir -p "$out"
rm -f "$out"/*.png
[ -f "$dll" ] && [ -f "$host" ] || { echo "take-shots: $dll or $host missing" >&2; exit 1; }
"$wine" wineboot --init >/dev/null 2>&1
"$wine" regsvr32 /s "$(windows "$dll")" || { echo "take-shots: registration failed" >&2; exit 1; }
status=0
for script in "$root"/help/shots/*.xlhost; do
  name=$(basename "$script" .xlhost)
  sed "s|@SHOT@|$(windows "$out/$name.bmp" | sed 's/\\/\\\\/g')|" "$script" >"$out/$name.xlhost"
  if xvfb-run -a "$wine" "$host" --script "$(windows "$out/$name.xlhost")" --dll "$(windows "$dll")" \
       >"$out/$name.log" 2>&1 && [ -f "$out/$name.bmp" ]; then
    convert "$out/$name.bmp" "$out/$name.png"
  else
    echo "take-shots: no picture of $name (see $out/$name.log)" >&2
    status=1
  fi
done
"$wine" regsvr32 /u /s "$(windows "$dll")"
exit $status
