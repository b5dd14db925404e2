#!/bin/sh
# The whole test suite: native, native under AddressSanitizer and UBSan,
# the Windows x86_64 build under wine, and the 32-bit product build with its
# export check and its suite under wine32.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/setup.sh"
build="$root/build/test"
jobs=2
export STOCHAL_WINEPREFIX="$build/wineprefix"
start=$(date +%s)

step() { echo; echo "=== $* ($(($(date +%s) - start)) s)"; }
configure_and_build() { # DIR "TARGET..." ARGS...
  dir=$1 targets=$2; shift 2
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  # shellcheck disable=SC2086 # one word a target
  cmake --build "$dir" -j$jobs --target $targets >"$dir.build.log" 2>&1 ||
    { grep -E -B2 -A6 'error|Error' "$dir.build.log" | head -80; return 1; }
}
# The 32-bit product, then its suite; the suite's prefixes start from the
# 64-bit build's template, which is the same 64-bit prefix with wine32 in it.
i686_build_and_tests() {
  step "Windows i686 build"
  # The DLL first, and then the lock goes: the installer test packages it.
  dll_status=0
  configure_and_build "$build/mingw32" Stochal -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_BENCH=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ||
    dll_status=1
  flock -u 9
  [ $dll_status -eq 0 ] && configure_and_build "$build/mingw32" all || return 1
  # The 32-bit suite mostly waits on wine: the sanitizer build runs beside it.
  sanitizer >"$build/sanitize.out" 2>&1 &
  sanitizer_job=$!
  step "Windows i686 under wine32"
  template="$build/mingw32/wineprefixes/template"
  [ -f "$template/system.reg" ] ||
    { rm -rf "$template" && mkdir -p "${template%/*}" && cp -al "$build/mingw64/wineprefixes/template" "$template"; } &&
    xvfb-run -a ctest --test-dir "$build/mingw32" -j$jobs --output-on-failure --no-tests=error
}
sanitizer() {
  step "native, AddressSanitizer + UBSan"
  configure_and_build "$build/sanitize" all -DCMAKE_BUILD_TYPE=Debug -DSTOCHAL_SANITIZE=ON -DSTOCHAL_BENCH=OFF &&
    ctest --test-dir "$build/sanitize" -j$jobs --output-on-failure
}
# Each part runs, whatever an earlier one found; without the 32-bit build
# the sanitizer runs alone.
side_parts() {
  status=0
  sanitizer_job=
  i686_build_and_tests || status=1
  if [ -n "$sanitizer_job" ]; then
    wait $sanitizer_job || status=1
    cat "$build/sanitize.out"
  else
    sanitizer || status=1
  fi
  return $status
}
mkdir -p "$build"

step "native"
# The portable core's tests and the command line, optimized; every native
# test runs again under the sanitizers beside the wine tests.
core_tests="test_uniform test_special test_qdists test_engine test_cli"
configure_and_build "$build/native" "$core_tests" -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_BENCH=OFF
ctest --test-dir "$build/native" -j$jobs --output-on-failure -R "^($(echo $core_tests | tr ' ' '|'))\$"

step "Windows x86_64 build"
# The prefixes boot while the build compiles.
"$root/cmake/wine-run" wineboot --init >/dev/null 2>&1 &
"$root/cmake/wine-prefix" "$build/mingw64/wineprefixes/template" >/dev/null 2>&1 &
configure_and_build "$build/mingw64" all -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
wait

# The wine tests spend most of their time waiting for windows and timers:
# twice as many run as there are cores, and the 32-bit and sanitizer builds
# and their tests run beside them.
# The installer test waits on this lock until the i686 DLL is built.
export STOCHAL_I686_LOCK="$build/mingw32.lock"
exec 9>"$STOCHAL_I686_LOCK"
flock 9
side_parts >"$build/side.log" 2>&1 &
side=$!
exec 9>&-
step "Windows x86_64 under wine"
wine_status=0
xvfb-run -a ctest --test-dir "$build/mingw64" -j$((2 * jobs)) --output-on-failure || wine_status=$?
side_status=0
wait $side || side_status=$?
cat "$build/side.log"
step "done"
[ $wine_status -eq 0 ] && [ $side_status -eq 0 ]
