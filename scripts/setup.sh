#!/bin/sh
# Installs what the build and the tests need on Debian 12 (run as root).
# Idempotent, and quiet when everything is already there.
set -e
PACKAGES="cmake make g++ python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 libwine-dev xvfb xauth
  libboost-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  wixl msitools fp-utils libchm-bin imagemagick
  osslsigncode openssl"

# wine32 runs the 32-bit product and test programs beside wine64, in the
# same prefix; it comes from Debian's i386 architecture.
PACKAGES="$PACKAGES wine32:i386"
# The update below, run because it is missing, then reads i386's lists too.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

missing=""
for package in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
fi
