#!/bin/sh
# install_test.sh DLL XLHOST WORK: the 32-bit x86 installer as a user of
# 32-bit Office meets it, under wine in the prefix CTest gives the test:
#   install (msiexec /qn) beside the user's own COM class and Office add-in;
#   the registry holds exactly the per-user registration; the 32-bit
#   VBScript client (syswow64's cscript) draws seeded numbers from the
#   installed DLL; the 32-bit test Excel's startup step finds the add-in
#   through the Office key and its menu stands; uninstall leaves no key or
#   file of ours and the user's own keys untouched.
# Wine does not merge HKEY_CURRENT_USER\Software\Classes into
# HKEY_CLASSES_ROOT as Windows does, so for the two client steps the 32-bit
# regedit copies what the installer wrote into the machine's classes, which
# a 32-bit program sees in their 32-bit view, and removes the copy again.
set -eu
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a sh "$0" "$@"
root=$(cd "$(dirname "$0")/../.." && pwd)
dll=$1 host=$2 work=$3
release="$root/tests/release"
view="python3 $release/registry_view.py"
w() { "$root/cmake/wine-run" "$@"; }
w32() { program=$1; shift; w "C:\\windows\\syswow64\\$program" "$@"; }
# On a loaded machine wine now and then fails to start a program at all
# ("ShellExecuteEx failed: Internal error"): a client is started once more
# before its failure counts. Both clients can run twice.
w32_client() { w32 "$@" || w32 "$@"; }
fail() { echo "FAIL: $*"; exit 1; }
windows() { echo "Z:$1" | tr / '\\'; }
classes='HKCU\Software\Classes'
owned_keys=$($view owned)

rm -rf "$work"
mkdir -p "$work/package"
# One wine server for the whole test, instead of one per command.
/usr/lib/wine/wineserver -p 2>/dev/null || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

echo "--- package"
python3 "$root/help/make_help.py" --stage "$work/help" --placeholders --out "$work/package/StochalHelp.chm" >/dev/null
cp "$dll" "$work/package/Stochal.dll"
python3 "$root/installer/make_wxs.py" --arch x86 --dll Stochal.dll --help-file StochalHelp.chm \
  --out "$work/package/Stochal.wxs"
(cd "$work/package" && wixl -a x86 -o x86.msi Stochal.wxs) 2>/dev/null

echo "--- the user's own keys"
w reg add "$classes\\CLSID\\{0F0E0D0C-0B0A-0908-0706-050403020100}" /ve /d "Keep me" /f >/dev/null
w reg add 'HKCU\Software\Microsoft\Office\Excel\Addins\Other.AddIn' /v LoadBehavior /t REG_DWORD /d 0 /f >/dev/null
w reg export "$classes" "$(windows "$work/classes-before.reg")" /y >/dev/null
w reg export 'HKCU\Software\Microsoft\Office' "$(windows "$work/office-before.reg")" /y >/dev/null

echo "--- install"
w msiexec /i "$(windows "$work/package/x86.msi")" /qn || fail "msiexec /i returned $?"
installed=$(w reg query "$classes\\CLSID\\{780F96AC-87D6-44D5-863E-44564A23823F}\\InprocServer32" /ve \
  | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
case "$installed" in *'\AppData\Local\Programs\Stochal\Stochal.dll') ;; *) fail "server path $installed" ;; esac
folder=$(w winepath -u "${installed%\\Stochal.dll}" 2>/dev/null | tr -d '\r')
cmp -s "$dll" "$folder/Stochal.dll" && [ -f "$folder/StochalHelp.chm" ] || fail "files not in $folder"
$view expect - "$installed" "${installed%\\Stochal.dll}" >"$work/expected.txt"
w reg export 'HKCU\Software' "$(windows "$work/hkcu.reg")" /y >/dev/null
$view read "$work/hkcu.reg" HKEY_CURRENT_USER >"$work/installed.txt"
diff "$work/expected.txt" "$work/installed.txt" || fail "installed keys differ from the expectation"

echo "--- 32-bit clients"
$view mirror "$work/hkcu.reg" HKEY_CURRENT_USER HKEY_LOCAL_MACHINE "$work/mirror.reg"
w32_client regedit.exe /s "$(windows "$work/mirror.reg")"
w32_client cscript.exe //nologo "$(windows "$release/SeededClient.vbs")" "$(windows "$work/client.txt")"
python3 "$release/mt_reference.py" 1 2 >"$work/reference.txt"
cat "$work/reference.txt" "$work/reference.txt" >"$work/expected-client.txt"
tr -d '\r' <"$work/client.txt" | diff "$work/expected-client.txt" - || fail "seeded numbers"
printf 'startup\ndump menu\n' >"$work/startup.xlhost"
timeout 120 "$root/cmake/wine-run" "$host" --script "$(windows "$work/startup.xlhost")" >"$work/startup.txt" 2>&1 \
  || { cat "$work/startup.txt"; fail "xlhost startup"; }
grep -q '^startup Stochal.AddIn 0x00000000' "$work/startup.txt" || { cat "$work/startup.txt"; fail "startup"; }
grep -q '&Stochal' "$work/startup.txt" || { cat "$work/startup.txt"; fail "no menu"; }
$view unmirror HKEY_LOCAL_MACHINE "$work/unmirror.reg"
w32 regedit.exe /s "$(windows "$work/unmirror.reg")"

echo "--- uninstall"
w msiexec /x "$(windows "$work/package/x86.msi")" /qn || fail "msiexec /x returned $?"
for key in $owned_keys; do
  w reg query "HKCU\\$key" >/dev/null 2>&1 && fail "left behind: HKCU\\$key"
done
[ -e "$folder" ] && fail "left behind: $folder"
w reg export "$classes" "$(windows "$work/classes-after.reg")" /y >/dev/null
w reg export 'HKCU\Software\Microsoft\Office' "$(windows "$work/office-after.reg")" /y >/dev/null
cmp -s "$work/classes-before.reg" "$work/classes-after.reg" || fail "the user's classes changed"
cmp -s "$work/office-before.reg" "$work/office-after.reg" || fail "the user's Office key changed"
echo "install, 32-bit clients and uninstall: ok"
