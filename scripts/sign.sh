#!/bin/sh
# sign.sh FILE...: signs each DLL or installer in place with Authenticode
# (osslsigncode, SHA-256) when STOCHAL_SIGN_PFX names a PKCS#12 certificate
# file and STOCHAL_SIGN_PASSWORD_FILE a file holding its password, with a
# timestamp from the server STOCHAL_SIGN_TIMESTAMP_URL names, if it names
# one; prints "signed: FILE" for each. Without a certificate it changes
# nothing and prints "unsigned: FILE" for each.
set -e
pfx=${STOCHAL_SIGN_PFX:-} password=${STOCHAL_SIGN_PASSWORD_FILE:-} timestamp=${STOCHAL_SIGN_TIMESTAMP_URL:-}
if [ -z "$pfx" ] && [ -z "$password" ]; then
  for file in "$@"; do echo "unsigned: $file"; done
  exit 0
fi
[ -n "$pfx" ] && [ -n "$password" ] || {
  echo "sign.sh: STOCHAL_SIGN_PFX and STOCHAL_SIGN_PASSWORD_FILE go together" >&2; exit 1; }
for file in "$@"; do
  # The description is what Windows shows as the program's name when it asks.
  osslsigncode sign -pkcs12 "$pfx" -readpass "$password" -h sha256 -n Stochal \
    ${timestamp:+-ts "$timestamp"} -in "$file" -out "$file.signing" >"$file.signing.log" 2>&1 \
    || { cat "$file.signing.log" >&2; rm -f "$file.signing" "$file.signing.log"; exit 1; }
  rm -f "$file.signing.log"
  mv "$file.signing" "$file"
  echo "signed: $file"
done
