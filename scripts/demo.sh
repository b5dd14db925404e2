#!/bin/sh
# The main job: build the command-line tool and show reproducible numbers
# from the add-in's engine.
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
