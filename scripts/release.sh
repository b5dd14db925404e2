#!/bin/sh
# Builds every release artifact into dist/:
#   dist/x86/Stochal.dll              for 32-bit Excel
#   dist/x64/Stochal.dll              for 64-bit Excel
#   dist/StochalHelp.chm              the help file, installed beside the DLL
#   dist/Stochal-VERSION.msi          per-user installer for 64-bit Windows:
#                                     both DLLs, for 32-bit and 64-bit Excel
#   dist/Stochal-VERSION-x86.msi      per-user installer for 32-bit Windows
# Both DLLs are Release builds with warnings as errors, and their export
# tables are checked. The dialog pictures of the help are taken with the
# test Excel under wine and Xvfb; when one cannot be taken the release
# fails, and the help is checked to hold no placeholder. The installers'
# tables are checked too. The DLLs and the installers are signed
# (scripts/sign.sh) when STOCHAL_SIGN_PFX and STOCHAL_SIGN_PASSWORD_FILE name
# a certificate and its password, with a timestamp when
# STOCHAL_SIGN_TIMESTAMP_URL names a server; otherwise the release says at
# the end which artifacts are unsigned.
# Work folders are named from the prefix build/rel (override with
# STOCHAL_REL_BUILD): build/rel-mingw32, build/rel-mingw64, the wine prefix
# build/rel-wineprefix, build/rel-shots, build/rel-help and
# build/rel-installer; output folder dist/ (override with STOCHAL_DIST).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/setup.sh"
rel=${STOCHAL_REL_BUILD:-$root/build/rel}
dist=${STOCHAL_DIST:-$root/dist}
export STOCHAL_WINEPREFIX="${STOCHAL_WINEPREFIX:-$rel-wineprefix}"
export WINEPREFIX="$STOCHAL_WINEPREFIX"
version=$(sed -n 's/^PRODUCTVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\),.*/\1.\2.\3/p' "$root/resources/Stochal.rc")

step() { echo "=== $*"; }
build_dll() { # ARCH DIR TOOLCHAIN TARGETS...
  arch=$1 dir=$2 toolchain=$3; shift 3
  step "Stochal.dll ($arch)"
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DSTOCHAL_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; exit 1; }
  cmake --build "$dir" -j2 --target "$@" >"$dir.build.log" 2>&1 \
    || { grep -E -B2 -A6 'error|Error' "$dir.build.log" | head -60; exit 1; }
  OBJDUMP=${arch}-w64-mingw32-objdump sh "$root/scripts/check-exports.sh" "$dir/Stochal.dll" \
    "$root/tests/exports/required-exports.txt" "$root"/*/exports.def
  echo "exports of $arch Stochal.dll: ok"
}

mkdir -p "$(dirname "$rel")"
build_dll i686 "$rel-mingw32" mingw-i686.cmake Stochal
build_dll x86_64 "$rel-mingw64" mingw-x86_64.cmake Stochal xlhost
rm -rf "$dist"
mkdir -p "$dist/x86" "$dist/x64"
cp "$rel-mingw32/Stochal.dll" "$dist/x86/"
cp "$rel-mingw64/Stochal.dll" "$dist/x64/"
signing="$rel-signing.txt"
: >"$signing"
sign() {
  sh "$root/scripts/sign.sh" "$@" >"$signing.last"
  cat "$signing.last" | tee -a "$signing"
}
# Signed before packaging, so that the installed DLLs carry the signature.
step "signing the DLLs"
sign "$dist/x86/Stochal.dll" "$dist/x64/Stochal.dll"

step "dialog pictures"
sh "$root/help/take-shots.sh" "$rel-mingw64" "$rel-shots" || { echo "release: dialog pictures missing" >&2; exit 1; }

step "StochalHelp.chm"
python3 "$root/help/make_help.py" --stage "$rel-help" --shots "$rel-shots" --out "$dist/StochalHelp.chm"
python3 "$root/tests/release/check_help.py" "$dist/StochalHelp.chm" "$rel-help" --release

step "installers"
stage="$rel-installer"
rm -rf "$stage"
mkdir -p "$stage/x64" "$stage/x86"
cp "$dist/x64/Stochal.dll" "$stage/x64/"
cp "$dist/x86/Stochal.dll" "$stage/x86/"
cp "$dist/StochalHelp.chm" "$stage/"
python3 "$root/installer/make_wxs.py" --arch x64 --dll x64/Stochal.dll --dll32 x86/Stochal.dll \
  --help-file StochalHelp.chm --out "$stage/Stochal.wxs"
python3 "$root/installer/make_wxs.py" --arch x86 --dll x86/Stochal.dll --help-file StochalHelp.chm \
  --out "$stage/Stochal-x86.wxs"
(cd "$stage" && wixl -a x64 -o "$dist/Stochal-$version.msi" Stochal.wxs &&
  wixl -a x86 -o "$dist/Stochal-$version-x86.msi" Stochal-x86.wxs)
python3 "$root/tests/release/check_package.py" "$dist/Stochal-$version.msi" x64+x86
python3 "$root/tests/release/check_package.py" "$dist/Stochal-$version-x86.msi" x86
step "signing the installers"
sign "$dist/Stochal-$version.msi" "$dist/Stochal-$version-x86.msi"
step "done"
ls -l "$dist" "$dist/x86" "$dist/x64"
if grep -q '^unsigned: ' "$signing"; then
  echo "Unsigned (no STOCHAL_SIGN_PFX and STOCHAL_SIGN_PASSWORD_FILE):"
  sed -n 's/^unsigned: /  /p' "$signing"
fi
