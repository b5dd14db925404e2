#!/bin/sh
# Late-bound calls per 1,000 cells of Random Fill into A1:XFD1 and
# A1:AX1000, counted by the test Excel: every call from the dialog's OK to
# the fill's end, and the member ids looked up. Usage: bench/fill_calls.sh BUILD_DIR [DLL]
# (BUILD_DIR: an x86_64 build with xlhost; DLL: the product to measure,
# that build's own by default). Runs in a throwaway copy of the prefix.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$1
dll=${2:-$build/Stochal.dll}
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -w; rm -rf "$prefix"' EXIT
cp -a "${STOCHAL_WINEPREFIX:?set STOCHAL_WINEPREFIX}/." "$prefix"
STOCHAL_WINEPREFIX=$prefix xvfb-run -a "$here/../cmake/wine-run" "$build/xlhost/xlhost.exe" \
  --script "Z:$here/fill_calls.script" --dll "Z:$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")" |
  tr -d '\r' | awk -F '\t' '
  /^objects/ { part++; next }
  NF == 2 { total[part] += $2; detail[part] = detail[part] " " $1 "=" $2 }
  END {
    split("A1:XFD1 16384 1 A1:AX1000 50000 4", fill, " ")
    for (f = 0; f < 2; f++) {
      name = fill[3 * f + 1]; cells = fill[3 * f + 2]; p = fill[3 * f + 3]
      printf "%s: %d calls and %d lookups for %d cells: %.2f calls per 1,000 cells\n  calls:%s\n  lookups:%s\n",
        name, total[p], total[p + 1], cells, 1000 * total[p] / cells, detail[p], detail[p + 1]
    }
  }'
