#!/bin/sh
# check-exports.sh DLL DEFFILE...
# Fails unless every name listed in the module-definition fragments is
# exported by the DLL exactly as written: present, and without a stdcall
# decoration ('@' suffix) or a leading underscore.
set -eu
if [ $# -lt 2 ]; then
    echo "usage: $0 DLL DEFFILE..." >&2
    exit 2
fi
dll=$1
shift
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

# The export name table of objdump -p: lines "\t[ n] name" after
# "[Ordinal/Name Pointer] Table".
exports=$("$objdump" -p "$dll" | awk '
    /\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
    table && /^\t\[ *[0-9]+\] / { sub(/^\t\[ *[0-9]+\] /, ""); print; next }
    table && NF == 0 { table = 0 }')
if [ -z "$exports" ]; then
    echo "$dll: no export table found" >&2
    exit 1
fi

status=0
# The first word of each line names an export; comments, LIBRARY and
# EXPORTS lines and options such as PRIVATE are skipped.
required=$(cat "$@" | tr -d '\r' | awk 'NF && $1 !~ /^;/ && $1 != "LIBRARY" && $1 != "EXPORTS" { print $1 }')
for name in $required; do
    if ! printf '%s\n' "$exports" | grep -qx -- "$name"; then
        echo "missing export: $name" >&2
        status=1
    fi
done
decorated=$(printf '%s\n' "$exports" | grep -E '@|^_' || true)
if [ -n "$decorated" ]; then
    printf 'decorated export: %s\n' $decorated >&2
    status=1
fi
exit $status
