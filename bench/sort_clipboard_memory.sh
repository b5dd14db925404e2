#!/bin/sh
# Peak memory of Random Sort to the clipboard against the size of its
# text: 200,000 cells sorted in the test Excel, which reports how far its
# working set rose over what it was before the command, as a multiple of
# the CF_TEXT size. Usage: bench/sort_clipboard_memory.sh BUILD_DIR [DLL]
# (as bench/xlhost_script.sh takes them).
here=$(cd "$(dirname "$0")" && pwd)
"$here/xlhost_script.sh" "$1" "$here/sort_clipboard_memory.script" ${2:+"$2"} |
  awk '
  /^memory\t/ { split($2, w, "="); split($3, p, "="); working[++m] = w[2]; peak[m] = p[2]; next }
  m == 2 && text == "" { text = $0; gsub(/\\./, "x", text) }
  END {
    bytes = length(text) - 1 # the NUL that ends the block
    printf "text %d bytes; peak working set +%.2f x text (%d MB over %d MB)\n", bytes,
      (peak[2] - working[1]) / bytes, (peak[2] - working[1]) / 1048576, working[1] / 1048576
  }'
