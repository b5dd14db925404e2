#!/bin/sh
# Late-bound calls per 1,000 cells of Random Fill into A1:XFD1 and
# A1:AX1000, counted by the test Excel: every call from the dialog's OK to
# the fill's end, and the member ids looked up. Usage: bench/fill_calls.sh BUILD_DIR [DLL]
# (as bench/xlhost_script.sh takes them).
here=$(cd "$(dirname "$0")" && pwd)
"$here/xlhost_script.sh" "$1" "$here/fill_calls.script" ${2:+"$2"} |
  awk -F '\t' '
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
