#!/bin/sh
# Plays a script in the test Excel for a measurement and prints what it
# printed. Usage: bench/xlhost_script.sh BUILD_DIR SCRIPT [DLL] (BUILD_DIR: an
# x86_64 build with xlhost; DLL: the product to measure, that build's own by
# default). Runs in a throwaway copy of the prefix.
set -e
build=$1
script=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
dll=${3:-$build/Stochal.dll}
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -w; rm -rf "$prefix"' EXIT
cp -a "${STOCHAL_WINEPREFIX:?set STOCHAL_WINEPREFIX}/." "$prefix"
STOCHAL_WINEPREFIX=$prefix xvfb-run -a "$(dirname "$0")/../cmake/wine-run" "$build/xlhost/xlhost.exe" \
  --script "Z:$script" --dll "Z:$(cd "$(dirname "$dll")" && pwd)/$(basename "$dll")" | tr -d '\r'
