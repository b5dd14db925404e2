#!/bin/sh
# help_test.sh WORK: the help file as the tests build it (placeholder
# pictures) passes the context and link checks; a release build refuses
# those placeholders, and refuses to build when a picture is missing.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
check="python3 $root/tests/release/check_help.py"
build="python3 $root/help/make_help.py"
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work/shots"

$build --stage "$work/stage" --placeholders --out "$work/StochalHelp.chm" >/dev/null
$check "$work/StochalHelp.chm" "$work"
if $check "$work/StochalHelp.chm" "$work" --release >"$work/release.txt"; then
  fail "the release check passed placeholder pictures"
fi
grep -q 'FAIL: images/about.png is a placeholder' "$work/release.txt" || { cat "$work/release.txt"; fail "placeholders not named"; }

# Every picture but one taken: the build stops and names the missing one.
python3 -c "import sys; sys.path.insert(0, '$root/help'); import topics
print('\n'.join(topics.pictures()))" | while read -r picture; do
  convert -size 300x200 xc:white "$work/shots/$picture"
done
rm "$work/shots/sort.png"
if $build --stage "$work/stage" --shots "$work/shots" --out "$work/partial.chm" 2>"$work/partial.txt"; then
  fail "the help was built without sort.png"
fi
grep -q 'no picture sort.png' "$work/partial.txt" || { cat "$work/partial.txt"; fail "missing picture not named"; }
[ ! -e "$work/partial.chm" ] || fail "a help file was left behind"
echo "help checks: ok"
