#!/bin/sh
# Peak memory of Random Sort to the clipboard against the size of its
# text: 200,000 cells sorted in the test Excel, which reports how far its
# working set rose over what it was before the command, as a multiple of
# the CF_TEXT size. Usage: bench/sort_clipboard_memory.sh BUILD_DIR [DLL]
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
  --script "Z:$here/sort_clipboard_memory.script" --dll "Z:$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")" |
  tr -d '\r' | awk '
  /^memory\t/ { split($2, w, "="); split($3, p, "="); working[++m] = w[2]; peak[m] = p[2]; next }
  m == 2 && text == "" { text = $0; gsub(/\\./, "x", text) }
  END {
    bytes = length(text) - 1 # the NUL that ends the block
    printf "text %d bytes; peak working set +%.2f x text (%d MB over %d MB)\n", bytes,
      (peak[2] - working[1]) / bytes, (peak[2] - working[1]) / 1048576, working[1] / 1048576
  }'
