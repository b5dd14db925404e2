#!/bin/sh
# install_test.sh DLL DLL32 XLHOST WORK: the release's packages as a user
# meets them, under wine in the fresh prefix WINEPREFIX names:
#   signing: a throwaway certificate signs both DLLs and the two installers,
#   with timestamps from a throwaway timestamp server, and the signing tool
#   verifies each; without a certificate nothing is signed and each file is
#   named unsigned;
#   the packages' tables (check_package.py);
#   over a user who already has COM classes in both views and another Office
#   add-in, an earlier version laid out as the first 64-bit package was, then
#   the package for 64-bit Windows over it: one product stays installed, both
#   DLLs in place, the registry holds exactly the registration of both views
#   and the 64-bit view exactly what DllRegisterServer writes, moved to
#   HKEY_CURRENT_USER; a VBScript client draws seeded numbers; the test
#   Excel's startup step finds the add-in through the Office key and its
#   menu stands; uninstall leaves no key or file of ours, in either view,
#   and the user's own keys untouched.
# Wine does not merge HKEY_CURRENT_USER\Software\Classes into
# HKEY_CLASSES_ROOT as Windows does, so for the two client steps the test
# copies what the installer wrote into the machine's classes, and removes
# the copy again before uninstalling. Nor does it keep a 32-bit view of the
# per-user classes: the tables are the test of what 32-bit Excel reads.
set -eu
# Every wine command of the test on one display: a wine server whose
# desktop was started without one leaves the test Excel waiting forever.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a sh "$0" "$@"
root=$(cd "$(dirname "$0")/../.." && pwd)
dll=$1 dll32=$2 host=$3 work=$4
here="$root/tests/release"
view="python3 $here/registry_view.py"
: "${WINEPREFIX:?the fresh prefix of the test}"
wine="$root/cmake/wine-run"
w() { "$wine" "$@"; }
# On a loaded machine wine now and then fails to start a program at all
# ("ShellExecuteEx failed: Internal error"): a client is started once more
# before its failure counts. Both clients can run twice.
w_client() { w "$@" || w "$@"; }
fail() { echo "FAIL: $*"; exit 1; }
windows() { echo "Z:$1" | tr / '\\'; }
classes='HKCU\Software\Classes'
other_clsid='{0F0E0D0C-0B0A-0908-0706-050403020100}'

# scripts/test.sh builds the i686 DLL beside the wine tests, holding this lock until it is there.
[ -z "${STOCHAL_I686_LOCK:-}" ] || flock -s "$STOCHAL_I686_LOCK" true
[ -f "$dll32" ] || fail "no i686 Stochal.dll at $dll32: build the i686 product first"
rm -rf "$work/package" "$work/help" "$work/signing"
mkdir -p "$work/package/x64" "$work/package/x86" "$work/signing"
cert=$work/signing
# A throwaway timestamp server; and one wine server for the whole test,
# instead of one per command.
python3 "$here/tsa_server.py" "$cert" &
timestamps=$!
/usr/lib/wine/wineserver -p 2>/dev/null || true
trap 'kill $timestamps; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

echo "--- packages, signed with a throwaway certificate"
package=$work/package
python3 "$root/help/make_help.py" --stage "$work/help" --placeholders --out "$package/StochalHelp.chm" >/dev/null
cp "$dll" "$package/x64/Stochal.dll"
cp "$dll32" "$package/x86/Stochal.dll"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Stochal test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$cert/key.pem" -out "$cert/cert.pem" 2>/dev/null
echo "throwaway" >"$cert/password.txt"
openssl pkcs12 -export -inkey "$cert/key.pem" -in "$cert/cert.pem" -passout "file:$cert/password.txt" \
  -out "$cert/signer.pfx"
sign() {
  STOCHAL_SIGN_PFX="$cert/signer.pfx" STOCHAL_SIGN_PASSWORD_FILE="$cert/password.txt" \
    STOCHAL_SIGN_TIMESTAMP_URL="http://127.0.0.1:$(cat "$cert/port")/" sh "$root/scripts/sign.sh" "$@"
}
cp "$package/x64/Stochal.dll" "$cert/unsigned.dll"
sh "$root/scripts/sign.sh" "$cert/unsigned.dll" >"$cert/unsigned.txt"
[ "$(cat "$cert/unsigned.txt")" = "unsigned: $cert/unsigned.dll" ] || fail "without a certificate: $(cat "$cert/unsigned.txt")"
cmp -s "$dll" "$cert/unsigned.dll" || fail "a file changed without a certificate"
for attempt in $(seq 100); do [ -f "$cert/port" ] && break; sleep 0.1; done
sign "$package/x64/Stochal.dll" "$package/x86/Stochal.dll" >/dev/null
wxs() { python3 "$root/installer/make_wxs.py" --help-file StochalHelp.chm "$@"; }
wxs --arch x64 --dll x64/Stochal.dll --version 0.9.0 --out "$package/earlier.wxs"
wxs --arch x64 --dll x64/Stochal.dll --dll32 x86/Stochal.dll --out "$package/Stochal.wxs"
wxs --arch x86 --dll x86/Stochal.dll --out "$package/Stochal-x86.wxs"
(cd "$package" && wixl -a x64 -o earlier.msi earlier.wxs && wixl -a x64 -o Stochal.msi Stochal.wxs &&
  wixl -a x86 -o Stochal-x86.msi Stochal-x86.wxs) 2>/dev/null
sign "$package/Stochal.msi" "$package/Stochal-x86.msi" >/dev/null
for file in x64/Stochal.dll x86/Stochal.dll Stochal.msi Stochal-x86.msi; do
  osslsigncode verify -CAfile "$cert/cert.pem" -TSA-CAfile "$cert/tsa.pem" -in "$package/$file" >"$cert/verify.txt" 2>&1 \
    || { cat "$cert/verify.txt"; fail "signature of $file"; }
  grep -q -i -E 'digest algorithm *: *sha-?256' "$cert/verify.txt" || fail "$file is not signed with SHA-256"
  grep -q 'Timestamp Server Signature verification: ok' "$cert/verify.txt" || fail "$file has no valid timestamp"
done
python3 "$here/check_package.py" "$package/earlier.msi" x64
python3 "$here/check_package.py" "$package/Stochal.msi" x64+x86
python3 "$here/check_package.py" "$package/Stochal-x86.msi" x86

echo "--- the user's own keys"
w reg add "$classes\\CLSID\\$other_clsid" /ve /d "Keep me" /f >/dev/null
w reg add "$classes\\Wow6432Node\\CLSID\\$other_clsid" /ve /d "Keep me too" /f >/dev/null
w reg add 'HKCU\Software\Microsoft\Office\Excel\Addins\Other.AddIn' /v LoadBehavior /t REG_DWORD /d 0 /f >/dev/null
export_user_keys() { # SUFFIX
  w reg export "$classes\\CLSID" "$(windows "$work/clsid-$1.reg")" /y >/dev/null
  w reg export "$classes\\Wow6432Node\\CLSID" "$(windows "$work/clsid32-$1.reg")" /y >/dev/null
  w reg export 'HKCU\Software\Microsoft\Office' "$(windows "$work/office-$1.reg")" /y >/dev/null
}
export_user_keys before

echo "--- an earlier version, then this one over it"
# Where Windows Installer keeps the products installed for this user alone.
products() {
  w reg query 'HKCU\Software\Microsoft\Installer\Products' /s /v ProductName | tr -d '\r' \
    | sed -n 's/.*ProductName *REG_SZ *//p'
}
w msiexec /i "$(windows "$package/earlier.msi")" /qn || fail "msiexec /i earlier returned $?"
[ "$(products)" = "Stochal 0.9.0 (64-bit)" ] || fail "installed products: $(products)"
w msiexec /i "$(windows "$package/Stochal.msi")" /qn || fail "msiexec /i returned $?"
version=$(python3 -c "import sys; sys.path.insert(0, '$root/installer'); import make_wxs
print(make_wxs.product_version())")
[ "$(products)" = "Stochal $version" ] || fail "installed products: $(products)"
installed=$(w reg query "$classes\\CLSID\\{780F96AC-87D6-44D5-863E-44564A23823F}\\InprocServer32" /ve \
  | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
case "$installed" in *'\AppData\Local\Programs\Stochal\x64\Stochal.dll') ;; *) fail "server path $installed" ;; esac
folder=$(w winepath -u "${installed%\\x64\\Stochal.dll}" 2>/dev/null | tr -d '\r')
for arch in x64 x86; do
  cmp -s "$package/$arch/Stochal.dll" "$folder/$arch/Stochal.dll" || fail "$arch/Stochal.dll is not the signed DLL"
  cmp -s "$package/StochalHelp.chm" "$folder/$arch/StochalHelp.chm" || fail "no help file beside the $arch DLL"
done
[ -e "$folder/Stochal.dll" ] && fail "the earlier version's DLL stayed"

echo "--- the registry against the expectation and DllRegisterServer"
installed32="${installed%\\x64\\Stochal.dll}\\x86\\Stochal.dll"
$view expect "$installed" "$installed32" "${installed%\\Stochal.dll}" >"$work/expected.txt"
$view expect "$installed" - "${installed%\\Stochal.dll}" >"$work/expected64.txt"
w regsvr32 /s "$installed" || fail "DllRegisterServer"
w reg export 'HKCU\Software' "$(windows "$work/hkcu.reg")" /y >/dev/null
w reg export 'HKLM\Software\Classes' "$(windows "$work/hklm.reg")" /y >/dev/null
$view read "$work/hkcu.reg" HKEY_CURRENT_USER >"$work/installed.txt"
$view read "$work/hklm.reg" HKEY_LOCAL_MACHINE >"$work/selfreg.txt"
w regsvr32 /u /s "$installed" || fail "DllUnregisterServer"
grep -v -i 'Software\\Microsoft\\Office' "$work/expected64.txt" | sort >"$work/expected-classes.txt"
sort -o "$work/installed.txt" "$work/installed.txt"
# Wine's RegisterTypeLib also marks the library as having a disk image (FLAGS 8),
# and writes the interfaces into the 32-bit view as well: the 64-bit view is compared.
grep -v -i 'wow6432node' "$work/selfreg.txt" | sed 's/\(\\1\.0\\flags|@|\)8$/\10/I' | sort >"$work/selfreg-sorted.txt"
sort "$work/expected.txt" | diff - "$work/installed.txt" || fail "installed keys differ from the expectation"
diff "$work/expected-classes.txt" "$work/selfreg-sorted.txt" || fail "installed keys differ from DllRegisterServer's"

echo "--- clients"
$view mirror "$work/hkcu.reg" HKEY_CURRENT_USER HKEY_LOCAL_MACHINE "$work/mirror.reg"
w_client regedit /s "$(windows "$work/mirror.reg")"
w_client cscript //nologo "$(windows "$here/SeededClient.vbs")" "$(windows "$work/client.txt")"
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

echo "--- uninstall"
w msiexec /x "$(windows "$package/Stochal.msi")" /qn || fail "msiexec /x returned $?"
for key in $($view owned); do
  w reg query "HKCU\\$key" >/dev/null 2>&1 && fail "left behind: HKCU\\$key"
done
[ -e "$folder" ] && fail "left behind: $folder"
export_user_keys after
for keys in clsid clsid32 office; do
  cmp -s "$work/$keys-before.reg" "$work/$keys-after.reg" || fail "the user's keys changed ($keys)"
done
echo "signing, packages, upgrade, registry, clients and uninstall: ok"
