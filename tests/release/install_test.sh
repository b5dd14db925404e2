#!/bin/sh
# install_test.sh DLL XLHOST WORK: the 64-bit installer as a user meets it,
# under wine in a prefix of its own:
#   install (msiexec /qn) over a user who already has COM classes and
#   another Office add-in; the registry holds exactly the registration that
#   DllRegisterServer writes, moved to HKEY_CURRENT_USER; a VBScript client
#   draws seeded numbers; the test Excel's startup step finds the add-in
#   through the Office key and its menu stands; a second, newer build
#   installs over the first and replaces it; uninstall leaves no key or file
#   of ours and the user's own keys untouched.
# Wine does not merge HKEY_CURRENT_USER\Software\Classes into
# HKEY_CLASSES_ROOT as Windows does, so for the two client steps the test
# copies what the installer wrote into the machine's classes, and removes
# the copy again before uninstalling.
set -eu
# Every wine command of the test on one display: a wine server whose
# desktop was started without one leaves the test Excel waiting forever.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a sh "$0" "$@"
root=$(cd "$(dirname "$0")/../.." && pwd)
dll=$1 host=$2 work=$3
here="$root/tests/release"
view="python3 $here/registry_view.py"
export STOCHAL_WINEPREFIX="$work/prefix"
wine="$root/cmake/wine-run"
w() { "$wine" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }
windows() { echo "Z:$1" | tr / '\\'; }
classes='HKCU\Software\Classes'
# The keys an installation owns whole; those under Software\Classes are COM's.
owned_keys=$(python3 -c "import sys; sys.path.insert(0, '$root/installer'); import registration
print('\\n'.join(registration.owned_keys()))")

# The prefix is made once and its registry kept; every run starts from it.
prefix="$STOCHAL_WINEPREFIX"
if [ ! -f "$work/pristine/user.reg" ]; then
  rm -rf "$work"
  mkdir -p "$work"
  w wineboot --init >/dev/null 2>&1
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
  mkdir -p "$work/pristine"
  cp "$prefix"/*.reg "$work/pristine/"
else
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
  cp "$work/pristine"/*.reg "$prefix/"
  rm -rf "$prefix"/drive_c/users/*/AppData/Local/Programs/Stochal
fi
rm -rf "$work/package" "$work/help"
mkdir -p "$work/package"
# One wine server for the whole test, instead of one per command.
WINEPREFIX="$STOCHAL_WINEPREFIX" /usr/lib/wine/wineserver -p 2>/dev/null || true
trap 'WINEPREFIX="$STOCHAL_WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

echo "--- packages"
python3 "$root/help/make_help.py" --stage "$work/help" --placeholders --out "$work/package/StochalHelp.chm" >/dev/null
cp "$dll" "$work/package/Stochal.dll"
python3 "$root/installer/make_wxs.py" --arch x64 --dll Stochal.dll --help-file StochalHelp.chm \
  --out "$work/package/Stochal.wxs"
(cd "$work/package" && wixl -a x64 -o first.msi Stochal.wxs && wixl -a x64 -o second.msi Stochal.wxs) 2>/dev/null
python3 "$here/check_package.py" "$work/package/second.msi" x64
python3 "$root/installer/make_wxs.py" --arch x86 --dll Stochal.dll --help-file StochalHelp.chm \
  --out "$work/package/Stochal32.wxs"
(cd "$work/package" && wixl -a x86 -o x86.msi Stochal32.wxs) 2>/dev/null
python3 "$here/check_package.py" "$work/package/x86.msi" x86

echo "--- the user's own keys"
w reg add "$classes\\CLSID\\{0F0E0D0C-0B0A-0908-0706-050403020100}" /ve /d "Keep me" /f >/dev/null
w reg add 'HKCU\Software\Microsoft\Office\Excel\Addins\Other.AddIn' /v LoadBehavior /t REG_DWORD /d 0 /f >/dev/null
w reg export "$classes\\CLSID" "$(windows "$work/clsid-before.reg")" /y >/dev/null
w reg export 'HKCU\Software\Microsoft\Office' "$(windows "$work/office-before.reg")" /y >/dev/null

echo "--- install"
w msiexec /i "$(windows "$work/package/first.msi")" /qn || fail "msiexec /i returned $?"
installed=$(w reg query "$classes\\CLSID\\{780F96AC-87D6-44D5-863E-44564A23823F}\\InprocServer32" /ve \
  | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
case "$installed" in *'\AppData\Local\Programs\Stochal\Stochal.dll') ;; *) fail "server path $installed" ;; esac
folder=$(w winepath -u "${installed%\\Stochal.dll}" 2>/dev/null | tr -d '\r')
[ -f "$folder/Stochal.dll" ] && [ -f "$folder/StochalHelp.chm" ] || fail "files not in $folder"
echo "--- the registry against the expectation and DllRegisterServer"
$view expect "$installed" "${installed%\\Stochal.dll}" win64 >"$work/expected.txt"
w regsvr32 /s "$installed" || fail "DllRegisterServer"
w reg export 'HKCU\Software' "$(windows "$work/hkcu.reg")" /y >/dev/null
w reg export 'HKLM\Software\Classes' "$(windows "$work/hklm.reg")" /y >/dev/null
$view read "$work/hkcu.reg" HKEY_CURRENT_USER >"$work/installed.txt"
$view read "$work/hklm.reg" HKEY_LOCAL_MACHINE >"$work/selfreg.txt"
w regsvr32 /u /s "$installed" || fail "DllUnregisterServer"
grep -v -i 'Software\\Microsoft\\Office' "$work/expected.txt" | sort >"$work/expected-classes.txt"
sort -o "$work/installed.txt" "$work/installed.txt"
# Wine's RegisterTypeLib also marks the library as having a disk image (FLAGS 8).
sed 's/\(\\1\.0\\flags|@|\)8$/\10/I' "$work/selfreg.txt" | sort >"$work/selfreg-sorted.txt"
sort "$work/expected.txt" | diff - "$work/installed.txt" || fail "installed keys differ from the expectation"
diff "$work/expected-classes.txt" "$work/selfreg-sorted.txt" || fail "installed keys differ from DllRegisterServer's"

echo "--- clients"
$view mirror "$work/hkcu.reg" HKEY_CURRENT_USER HKEY_LOCAL_MACHINE "$work/mirror.reg"
w regedit /s "$(windows "$work/mirror.reg")"
w cscript //nologo "$(windows "$here/SeededClient.vbs")" "$(windows "$work/client.txt")"
python3 "$here/mt_reference.py" 1 2 >"$work/reference.txt"
cat "$work/reference.txt" "$work/reference.txt" >"$work/expected-client.txt"
tr -d '\r' <"$work/client.txt" | diff "$work/expected-client.txt" - || fail "seeded numbers"
printf 'startup\ndump menu\n' >"$work/startup.xlhost"
timeout 120 "$wine" "$host" --script "$(windows "$work/startup.xlhost")" >"$work/startup.txt" 2>&1 \
  || { cat "$work/startup.txt"; fail "xlhost startup"; }
grep -q '^startup Stochal.AddIn 0x00000000' "$work/startup.txt" || { cat "$work/startup.txt"; fail "startup"; }
grep -q '&Stochal' "$work/startup.txt" || { cat "$work/startup.txt"; fail "no menu"; }
grep -q 'Other.AddIn' "$work/startup.txt" && fail "an add-in of LoadBehavior 0 was connected"
$view unmirror HKEY_LOCAL_MACHINE "$work/unmirror.reg"
w regedit /s "$(windows "$work/unmirror.reg")"

echo "--- upgrade in place"
w msiexec /i "$(windows "$work/package/second.msi")" /qn || fail "second msiexec /i returned $?"
w reg query 'HKCU\Software\Microsoft\Office\Excel\Addins\Stochal.AddIn' >/dev/null || fail "add-in key after upgrade"

echo "--- uninstall"
w msiexec /x "$(windows "$work/package/second.msi")" /qn || fail "msiexec /x returned $?"
# One uninstall removes everything: the first install was replaced, not kept beside.
for key in $owned_keys; do
  w reg query "HKCU\\$key" >/dev/null 2>&1 && fail "left behind: HKCU\\$key"
done
[ -e "$folder" ] && fail "left behind: $folder"
w reg export "$classes\\CLSID" "$(windows "$work/clsid-after.reg")" /y >/dev/null
w reg export 'HKCU\Software\Microsoft\Office' "$(windows "$work/office-after.reg")" /y >/dev/null
cmp -s "$work/clsid-before.reg" "$work/clsid-after.reg" || fail "the user's CLSID key changed"
cmp -s "$work/office-before.reg" "$work/office-after.reg" || fail "the user's Office key changed"
echo "install, clients, upgrade and uninstall: ok"
