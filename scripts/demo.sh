#!/bin/sh
# The main job: build the command-line tool and show reproducible numbers
# from the add-in's engine; then build the Windows add-in and show it at
# work in the test Excel under wine: a seeded Random Fill, a seeded QNORMAL
# column, Fill from Distribution writing a file, and pictures of the dialogs.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/setup.sh"
build="$root/build/demo"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_TESTS=OFF -DSTOCHAL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target stochal >/dev/null
stochal="$build/cli/stochal"

show() { echo "\$ stochal $*" | sed "s|$dir/||"; "$stochal" "$@"; echo; }
show rand --seed 1 -n 6
show randbetween 1 6 -n 10 --seed 1
dir=$(mktemp -d)
data="$dir/regions.csv"
printf 'North,120\nSouth,80\nEast,0\nWest,200\n' > "$data"
show sample "$data" -n 5 --weights 2 --seed 7
show sample "$data" -n 3 --weights 2 --unique --seed 7
show shuffle "$data" --seed 3
rm -rf "$dir"
show draw normal 0 1 -n 5 --seed 1
show draw poisson 4 -n 5 --seed 1
show quantile normal 0 1 0.975 0.999
show cdf gamma 2 3 1 5 10
show list

echo "=== The add-in at work in the test Excel (the Windows build under wine)"
win="$root/build/demo-win"
cmake -S "$root" -B "$win" -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >"$win.configure.log" 2>&1 || { cat "$win.configure.log"; exit 1; }
cmake --build "$win" -j2 --target Stochal xlhost >"$win.build.log" 2>&1 || { tail -40 "$win.build.log"; exit 1; }
out="$root/build/demo/addin"
rm -rf "$out"
mkdir -p "$out"
# A new prefix each time, so the dialogs open with their first-run choices.
export STOCHAL_WINEPREFIX="$root/build/demo/wineprefix"
rm -rf "$STOCHAL_WINEPREFIX"
"$root/cmake/wine-run" wineboot --init >/dev/null 2>&1 || true
WINEPREFIX="$STOCHAL_WINEPREFIX" /usr/lib/wine/wineserver64 -w
(cd "$out" && timeout 300 xvfb-run -a "$root/cmake/wine-run" "$win/xlhost/xlhost.exe" \
  --script "$root/scripts/demo/addin.script" --dll "$win/Stochal.dll") >"$out/output.txt" 2>"$out/errors.txt" ||
  { cat "$out/output.txt" "$out/errors.txt"; exit 1; }
echo "Random Fill, seed 1, whole numbers from 1 to 100 in A1:C5;"
echo "then QNORMAL(0,1) filled down A1:A8 after seed 1:"
grep -v '^register\|^connect\|^objects\|^unregister' "$out/output.txt"
echo
echo "Fill from Distribution, normal(0, 1), seed 1, ten values to normal-draws.txt:"
cat "$out/normal-draws.txt"
for shot in "$out"/*.bmp; do
  convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo
echo "Pictures of the dialogs: $out"
ls "$out"/*.png | sed "s|$out/|  |"
