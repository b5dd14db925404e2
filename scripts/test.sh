#!/bin/sh
# The whole test suite: native, native under AddressSanitizer and UBSan,
# the Windows build under wine, and the 32-bit product build with its
# export check.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/setup.sh"
build="$root/build/test"
jobs=2
export STOCHAL_WINEPREFIX="$build/wineprefix"

step() { echo; echo "=== $*"; }
configure_and_build() { # DIR ARGS...
  dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
  cmake --build "$dir" -j$jobs >"$dir.build.log" 2>&1 || { grep -E -B2 -A6 'error|Error' "$dir.build.log" | head -80; exit 1; }
}
mkdir -p "$build"

step "native"
configure_and_build "$build/native" -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$build/native" -j$jobs --output-on-failure

step "native, AddressSanitizer + UBSan"
configure_and_build "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DSTOCHAL_SANITIZE=ON -DSTOCHAL_BENCH=OFF
ctest --test-dir "$build/sanitize" -j$jobs --output-on-failure

step "Windows x86_64 under wine"
"$root/cmake/wine-run" wineboot --init >/dev/null 2>&1 || true
configure_and_build "$build/mingw64" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
xvfb-run -a ctest --test-dir "$build/mingw64" -j$jobs --output-on-failure

step "Windows i686 product build"
configure_and_build "$build/mingw32" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
ctest --test-dir "$build/mingw32" --output-on-failure --no-tests=error
